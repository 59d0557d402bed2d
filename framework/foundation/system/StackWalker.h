#pragma once

// A diagnostic walk of the current thread's call stack: every return address with its module, section
// and offset, and its symbol name where the image-help library can tell it. The library is opened at run
// time; without it the walk unwinds on its own. Nothing is thrown: a walk that cannot go on stops.

#include <cstdint>
#include <memory>
#include <string>

struct HINSTANCE__;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

namespace NSTramvell {

struct CStackFrame
{
    std::uintptr_t mReturnAddress = 0;
    std::string mModuleName;        // at most 260 characters; empty when the address lies in no module
    std::uint32_t mSection = 0;     // 1-based; 0 with an empty module name
    std::uintptr_t mOffset = 0;     // within the section
    std::string mSymbolName;        // at most 512 characters; empty without the library or a symbol
};

// Receives each frame, innermost first; the context is the caller's own.
using TStackFrameCallback = void (*)(const CStackFrame& frame, void* context);

constexpr int kMaxStackFrames = 256;

class StackWalker
{
public:
    // Opens the image-help library and sets up its symbols with the module's folder as search path.
    explicit StackWalker(HMODULE module);
    ~StackWalker();
    StackWalker(const StackWalker&) = delete;
    StackWalker& operator=(const StackWalker&) = delete;

    void Init(HMODULE module);
    void Release();
    bool HasSymbols() const { return mSymbolsInitialised; }

    // Walks the calling thread's stack, each frame to the callback or, without one, to the trace output.
    void WalkCurrentThread(TStackFrameCallback callback, void* context) const;

private:
    struct CImageHelpFunctions;

    HMODULE mLibrary = nullptr;
    std::unique_ptr<CImageHelpFunctions> mFunctions;
    bool mSymbolsInitialised = false;
};

// The process-wide walker: made by the first user, destroyed with the last. Main thread only.
void AddStackWalkerUser(HMODULE module);
void RemoveStackWalkerUser();
StackWalker* GetStackWalker();

// A user for as long as it lives.
class CStackWalkerUser
{
public:
    explicit CStackWalkerUser(HMODULE module) { AddStackWalkerUser(module); }
    ~CStackWalkerUser() { RemoveStackWalkerUser(); }
    CStackWalkerUser(const CStackWalkerUser&) = delete;
    CStackWalkerUser& operator=(const CStackWalkerUser&) = delete;
};

// Walks with the process-wide walker; nothing happens when there is none.
void WalkCurrentThread(TStackFrameCallback callback = nullptr, void* context = nullptr);

// The module that holds the address (its file name into the buffer) and the section and offset within it.
// False for an address in no module or in none of its sections.
bool FindModuleSection(const void* address, char* moduleName, std::uint32_t moduleNameLength,
                       std::uint32_t& section, std::uintptr_t& offset);

} // namespace NSTramvell
