#pragma once

// The console trace: sends trace lines, and the value and text displays, to a trace server through the
// trace client. Main-thread lines go on channel 0 as "Standard Terminal", every other thread's on channel 1
// as "Aux Trace"; each trace line is also passed on to the hook installed before it. Without a server it
// stays unconnected and tries again from its idle client about every 2 s. It raises nothing.

#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/InitializeExit.h"
#include "framework/foundation/trace/Trace.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace NSTramvell {

class CConsoleTrace
{
public:
    explicit CConsoleTrace(const std::string& clientName);
    // Puts the three hooks back and stops the trace client; destroy back-ends in reverse order of creation.
    ~CConsoleTrace();
    CConsoleTrace(const CConsoleTrace&) = delete;
    CConsoleTrace& operator=(const CConsoleTrace&) = delete;

    // The idle client's callback: connects when not connected yet.
    void TryConnect(const CIdleInfo& info);

    bool IsConnected() const { return mConnectedCount.load() != 0; }
    TTraceHook GetPreviousTraceHook() const { return mPreviousTraceHook; }

private:
    static constexpr std::int32_t kRetryIntervalCode = 28;   // the 2000 ms slot

    void Connect();

    TTraceHook mPreviousTraceHook;
    TValueDisplayHook mPreviousValueHook;
    TTextDisplayHook mPreviousTextHook;
    CIdleClient<CConsoleTrace> mIdleClient;
    std::string mClientName;
    std::atomic<std::int32_t> mConnectedCount{0};
};

CConsoleTrace* GetCurrentConsoleTrace();
// The console trace's three hooks; they swallow every exception.
void ConsoleTraceOutput(int first, int second, const char* text);
void ConsoleTraceValue(const char* first, const char* second, const char* third);
void ConsoleTraceText(const char* consoleName, const char* text);

class CConsoleTraceInstance : public IInitializeExit
{
public:
    explicit CConsoleTraceInstance(const std::string& clientName);
    virtual ~CConsoleTraceInstance();
    void Initialize() override;
    void Exit() override;

private:
    std::string mClientName;
    CConsoleTrace* mTrace;   // owned from Initialize to Exit
};

} // namespace NSTramvell
