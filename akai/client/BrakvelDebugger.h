#pragma once

// The debugger that the program registers with the raw-disk library. The library keeps no caller
// object and never calls back, so the messages and the meaning of their number are the program's own.

#include <string>

namespace NSBrakvel {

// The object handed across the library's boundary; its operations keep their order.
class IDebugger
{
public:
    virtual void Print(const char* text, int value) = 0;
    virtual void Print(const char* text, int value, const char* detail) = 0;

protected:
    ~IDebugger() = default;
};

// The receiver a program object derives from. Constructing it makes it the current debugger; only one
// may exist at a time. User-interface thread only.
class CABCDebugger
{
public:
    // A second debugger while one exists throws XIllegalCallSequence; the first stays current.
    CABCDebugger();
    CABCDebugger(const CABCDebugger&) = delete;
    CABCDebugger& operator=(const CABCDebugger&) = delete;
    virtual ~CABCDebugger();

    virtual void Print(const std::string& text, int value) = 0;
    virtual void Print(const std::string& text, int value, const std::string& detail) = 0;
};

// Forwards the library's messages to the current debugger, and drops them while there is none.
class CBrakvelDebugger final : public IDebugger
{
public:
    constexpr CBrakvelDebugger() = default;

    void Print(const char* text, int value) override;
    void Print(const char* text, int value, const char* detail) override;
};

// The one adapter whose address the library is given.
CBrakvelDebugger& GetBrakvelDebugger();
// Null while no debugger is registered.
CABCDebugger* GetCurrentDebugger();

} // namespace NSBrakvel
