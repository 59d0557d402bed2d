#include "framework/foundation/system/StackWalker.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/trace/Trace.h"

#include <imagehlp.h>

#include <cstring>
#include <vector>

namespace NSTramvell {
namespace {

constexpr DWORD kMaxModuleNameLength = 260;
constexpr DWORD kMaxSymbolNameLength = 512;

#if defined(_WIN64)
constexpr DWORD kMachineType = IMAGE_FILE_MACHINE_AMD64;
using TStackFrameRecord = STACKFRAME64;
using TSymbolRecord = IMAGEHLP_SYMBOL64;
using TAddress = DWORD64;
using TStackWalk = BOOL(WINAPI*)(DWORD, HANDLE, HANDLE, LPSTACKFRAME64, PVOID, PREAD_PROCESS_MEMORY_ROUTINE64,
                                 PFUNCTION_TABLE_ACCESS_ROUTINE64, PGET_MODULE_BASE_ROUTINE64,
                                 PTRANSLATE_ADDRESS_ROUTINE64);
using TSymFunctionTableAccess = PFUNCTION_TABLE_ACCESS_ROUTINE64;
using TSymGetModuleBase = PGET_MODULE_BASE_ROUTINE64;
using TSymGetSymFromAddr = BOOL(WINAPI*)(HANDLE, DWORD64, PDWORD64, PIMAGEHLP_SYMBOL64);
constexpr const char* kFunctionNames[] = {"SymInitialize", "SymCleanup", "StackWalk64", "SymFunctionTableAccess64",
                                          "SymGetModuleBase64", "SymGetSymFromAddr64"};
#else
constexpr DWORD kMachineType = IMAGE_FILE_MACHINE_I386;
using TStackFrameRecord = STACKFRAME;
using TSymbolRecord = IMAGEHLP_SYMBOL;
using TAddress = DWORD;
using TStackWalk = BOOL(WINAPI*)(DWORD, HANDLE, HANDLE, LPSTACKFRAME, PVOID, PREAD_PROCESS_MEMORY_ROUTINE,
                                 PFUNCTION_TABLE_ACCESS_ROUTINE, PGET_MODULE_BASE_ROUTINE,
                                 PTRANSLATE_ADDRESS_ROUTINE);
using TSymFunctionTableAccess = PFUNCTION_TABLE_ACCESS_ROUTINE;
using TSymGetModuleBase = PGET_MODULE_BASE_ROUTINE;
using TSymGetSymFromAddr = BOOL(WINAPI*)(HANDLE, DWORD, PDWORD, PIMAGEHLP_SYMBOL);
constexpr const char* kFunctionNames[] = {"SymInitialize", "SymCleanup", "StackWalk", "SymFunctionTableAccess",
                                          "SymGetModuleBase", "SymGetSymFromAddr"};
#endif
using TSymInitialize = BOOL(WINAPI*)(HANDLE, PCSTR, BOOL);
using TSymCleanup = BOOL(WINAPI*)(HANDLE);

StackWalker* gWalker = nullptr;
int gWalkerUsers = 0;

template <typename TFunction>
TFunction TakeFunction(HMODULE library, const char* name)
{
    return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(GetKernelTable().GetProcAddress(library, name)));
}

// Whether size bytes from the address are committed and readable, asked of the memory manager, which
// neither faults nor touches guard pages.
bool IsReadable(const void* address, std::size_t size)
{
    MEMORY_BASIC_INFORMATION region{};
    if (GetKernelTable().VirtualQuery(address, &region, sizeof region) == 0)
        return false;
    constexpr DWORD kUnreadable = PAGE_NOACCESS | PAGE_GUARD;
    if (region.State != MEM_COMMIT || (region.Protect & kUnreadable) != 0)
        return false;
    const auto start = reinterpret_cast<std::uintptr_t>(address);
    const auto regionEnd = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    return start + size <= regionEnd;
}

void Deliver(const CStackFrame& frame, TStackFrameCallback callback, void* context)
{
    if (callback != nullptr) {
        callback(frame, context);
        return;
    }
    Trace(0, 0, "%p %s:%u+%p %s", reinterpret_cast<void*>(frame.mReturnAddress), frame.mModuleName.c_str(),
          frame.mSection, reinterpret_cast<void*>(frame.mOffset), frame.mSymbolName.c_str());
}

CStackFrame DescribeFrame(std::uintptr_t returnAddress)
{
    CStackFrame frame;
    frame.mReturnAddress = returnAddress;
    char moduleName[kMaxModuleNameLength + 1] = {};
    if (FindModuleSection(reinterpret_cast<const void*>(returnAddress), moduleName, sizeof moduleName,
                          frame.mSection, frame.mOffset))
        frame.mModuleName = moduleName;
    return frame;
}

} // namespace

struct StackWalker::CImageHelpFunctions
{
    TSymInitialize mSymInitialize = nullptr;
    TSymCleanup mSymCleanup = nullptr;
    TStackWalk mStackWalk = nullptr;
    TSymFunctionTableAccess mSymFunctionTableAccess = nullptr;
    TSymGetModuleBase mSymGetModuleBase = nullptr;
    TSymGetSymFromAddr mSymGetSymFromAddr = nullptr;

    bool AreAllThere() const
    {
        return mSymInitialize != nullptr && mSymCleanup != nullptr && mStackWalk != nullptr &&
               mSymFunctionTableAccess != nullptr && mSymGetModuleBase != nullptr && mSymGetSymFromAddr != nullptr;
    }
};

StackWalker::StackWalker(HMODULE module)
    : mFunctions(std::make_unique<CImageHelpFunctions>())
{
    Init(module);
}

StackWalker::~StackWalker()
{
    Release();
}

void StackWalker::Init(HMODULE module)
{
    mLibrary = GetKernelTable().LoadLibraryA("IMAGEHLP.DLL");
    if (mLibrary == nullptr)
        return;
    CImageHelpFunctions& functions = *mFunctions;
    functions.mSymInitialize = TakeFunction<TSymInitialize>(mLibrary, kFunctionNames[0]);
    functions.mSymCleanup = TakeFunction<TSymCleanup>(mLibrary, kFunctionNames[1]);
    functions.mStackWalk = TakeFunction<TStackWalk>(mLibrary, kFunctionNames[2]);
    functions.mSymFunctionTableAccess = TakeFunction<TSymFunctionTableAccess>(mLibrary, kFunctionNames[3]);
    functions.mSymGetModuleBase = TakeFunction<TSymGetModuleBase>(mLibrary, kFunctionNames[4]);
    functions.mSymGetSymFromAddr = TakeFunction<TSymGetSymFromAddr>(mLibrary, kFunctionNames[5]);
    if (functions.AreAllThere()) {
        char folder[kMaxModuleNameLength + 1] = {};
        if (GetKernelTable().GetModuleFileNameA(module, folder, kMaxModuleNameLength) != 0) {
            char* cut = std::strrchr(folder, '\\');
            if (cut == nullptr)
                cut = std::strrchr(folder, '/');
            if (cut != nullptr)
                *cut = '\0';
            mSymbolsInitialised =
                functions.mSymInitialize(GetKernelTable().GetCurrentProcess(), folder, TRUE) != FALSE;
        }
    }
    if (!mSymbolsInitialised) {
        *mFunctions = CImageHelpFunctions();
        GetKernelTable().FreeLibrary(mLibrary);
        mLibrary = nullptr;
    }
}

void StackWalker::Release()
{
    if (mLibrary == nullptr)
        return;
    if (mSymbolsInitialised)
        mFunctions->mSymCleanup(GetKernelTable().GetCurrentProcess());
    mSymbolsInitialised = false;
    *mFunctions = CImageHelpFunctions();
    GetKernelTable().FreeLibrary(mLibrary);
    mLibrary = nullptr;
}

// Kept out of line so that the captured context is this function's own frame, which the walk then leaves.
[[gnu::noinline]] void StackWalker::WalkCurrentThread(TStackFrameCallback callback, void* context) const
{
    CONTEXT registers{};
    GetKernelTable().RtlCaptureContext(&registers);
    if (mSymbolsInitialised) {
        const HANDLE process = GetKernelTable().GetCurrentProcess();
        const HANDLE thread = GetKernelTable().GetCurrentThread();
        TStackFrameRecord record{};
#if defined(_WIN64)
        record.AddrPC.Offset = registers.Rip;
        record.AddrFrame.Offset = registers.Rbp;
        record.AddrStack.Offset = registers.Rsp;
#else
        record.AddrPC.Offset = registers.Eip;
        record.AddrFrame.Offset = registers.Ebp;
        record.AddrStack.Offset = registers.Esp;
#endif
        record.AddrPC.Mode = AddrModeFlat;
        record.AddrFrame.Mode = AddrModeFlat;
        record.AddrStack.Mode = AddrModeFlat;
        std::vector<std::uint8_t> symbolBuffer(sizeof(TSymbolRecord) + kMaxSymbolNameLength);
        auto* symbol = reinterpret_cast<TSymbolRecord*>(symbolBuffer.data());
        for (int count = 0; count < kMaxStackFrames; ++count) {
            if (!mFunctions->mStackWalk(kMachineType, process, thread, &record, &registers, nullptr,
                                        mFunctions->mSymFunctionTableAccess, mFunctions->mSymGetModuleBase,
                                        nullptr) ||
                record.AddrPC.Offset == 0)
                break;
            CStackFrame frame = DescribeFrame(static_cast<std::uintptr_t>(record.AddrPC.Offset));
            std::memset(symbolBuffer.data(), 0, symbolBuffer.size());
            symbol->SizeOfStruct = sizeof(TSymbolRecord);
            symbol->MaxNameLength = kMaxSymbolNameLength;
            TAddress displacement = 0;
            if (mFunctions->mSymGetSymFromAddr(process, record.AddrPC.Offset, &displacement, symbol))
                frame.mSymbolName.assign(symbol->Name, strnlen(symbol->Name, kMaxSymbolNameLength));
            Deliver(frame, callback, context);
        }
        return;
    }
#if defined(_WIN64)
    // No frame-pointer chain on x86_64: unwind with the modules' own unwind tables, and a leaf function
    // (one without an entry) by its return address on top of the stack.
    for (int count = 0; count < kMaxStackFrames && registers.Rip != 0; ++count) {
        Deliver(DescribeFrame(static_cast<std::uintptr_t>(registers.Rip)), callback, context);
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION entry = GetKernelTable().RtlLookupFunctionEntry(registers.Rip, &imageBase, nullptr);
        if (entry != nullptr) {
            PVOID handlerData = nullptr;
            DWORD64 establisherFrame = 0;
            GetKernelTable().RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, registers.Rip, entry, &registers,
                                              &handlerData, &establisherFrame, nullptr);
        } else {
            const auto* top = reinterpret_cast<const DWORD64*>(registers.Rsp);
            if (!IsReadable(top, sizeof *top))
                break;
            registers.Rip = *top;
            registers.Rsp += sizeof *top;
        }
    }
#else
    // Each frame starts with the caller's frame pointer and the return address after it.
    std::uintptr_t framePointer = registers.Ebp;
    for (int count = 0; count < kMaxStackFrames; ++count) {
        const auto* frameWords = reinterpret_cast<const std::uint32_t*>(framePointer);
        if (framePointer % 4 != 0 || !IsReadable(frameWords, 8))
            break;
        Deliver(DescribeFrame(frameWords[1]), callback, context);
        const std::uintptr_t next = frameWords[0];
        if (next <= framePointer)
            break;
        framePointer = next;
    }
#endif
}

void AddStackWalkerUser(HMODULE module)
{
    if (gWalkerUsers == 0)
        gWalker = new StackWalker(module);
    ++gWalkerUsers;
}

void RemoveStackWalkerUser()
{
    if (gWalkerUsers == 1) {
        delete gWalker;
        gWalker = nullptr;
    }
    if (gWalkerUsers > 0)
        --gWalkerUsers;
}

StackWalker* GetStackWalker()
{
    return gWalker;
}

[[gnu::noinline]] void WalkCurrentThread(TStackFrameCallback callback, void* context)
{
    if (gWalker != nullptr)
        gWalker->WalkCurrentThread(callback, context);
}

bool FindModuleSection(const void* address, char* moduleName, std::uint32_t moduleNameLength,
                       std::uint32_t& section, std::uintptr_t& offset)
{
    MEMORY_BASIC_INFORMATION region{};
    if (GetKernelTable().VirtualQuery(address, &region, sizeof region) == 0 || region.AllocationBase == nullptr)
        return false;
    const auto module = static_cast<HMODULE>(region.AllocationBase);
    if (GetKernelTable().GetModuleFileNameA(module, moduleName, moduleNameLength) == 0)
        return false;
    const auto* base = static_cast<const std::uint8_t*>(region.AllocationBase);
    // The executable header: the section count at 6, the optional header's size at 20, the section table
    // after both, 40 bytes a section.
    std::uint32_t headerOffset = 0;
    std::memcpy(&headerOffset, base + 0x3C, sizeof headerOffset);
    const std::uint8_t* header = base + headerOffset;
    std::uint16_t sectionCount = 0;
    std::uint16_t optionalHeaderSize = 0;
    std::memcpy(&sectionCount, header + 6, sizeof sectionCount);
    std::memcpy(&optionalHeaderSize, header + 20, sizeof optionalHeaderSize);
    const std::uint8_t* sections = header + 24 + optionalHeaderSize;
    const std::uintptr_t rva = reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(base);
    for (std::uint16_t index = 0; index < sectionCount; ++index) {
        const std::uint8_t* entry = sections + std::size_t{index} * 40;
        std::uint32_t virtualSize = 0;
        std::uint32_t virtualAddress = 0;
        std::uint32_t rawSize = 0;
        std::memcpy(&virtualSize, entry + 8, sizeof virtualSize);
        std::memcpy(&virtualAddress, entry + 12, sizeof virtualAddress);
        std::memcpy(&rawSize, entry + 16, sizeof rawSize);
        const std::uintptr_t size = virtualSize > rawSize ? virtualSize : rawSize;
        if (virtualAddress <= rva && rva < virtualAddress + size) {
            section = index + 1u;
            offset = rva - virtualAddress;
            return true;
        }
    }
    return false;
}

} // namespace NSTramvell
