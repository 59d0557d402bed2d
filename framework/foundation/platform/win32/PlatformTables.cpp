#include "framework/foundation/platform/win32/PlatformTables.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/TimeBase.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <atomic>
#include <cstdint>
#include <type_traits>

namespace NSTramvell {
namespace {

[[noreturn]] void ThrowUnboundPlatformCall()
{
    throw XBase();
}

template <typename TEntry>
struct TEntryStub;

template <typename TResult, typename... TParameters>
struct TEntryStub<TResult (*)(TParameters...)>
{
    static TResult Call(TParameters...) { ThrowUnboundPlatformCall(); }
};

#define DRAVIM_STUB_TABLE_ENTRY(result, name, parameters) table.name = &TEntryStub<decltype(table.name)>::Call;

constexpr CKernelTable MakeStubbedKernelTable()
{
    CKernelTable table{};
    DRAVIM_KERNEL_ENTRIES(DRAVIM_STUB_TABLE_ENTRY, DRAVIM_STUB_TABLE_ENTRY)
    return table;
}

constexpr CWindowTable MakeStubbedWindowTable()
{
    CWindowTable table{};
    DRAVIM_WINDOW_ENTRIES(DRAVIM_STUB_TABLE_ENTRY, DRAVIM_STUB_TABLE_ENTRY)
    return table;
}

// Constant-initialised, so that a static initialiser that calls a wrapper meets the stubs, never null.
constinit CKernelTable gKernelTable = MakeStubbedKernelTable();
constinit CWindowTable gWindowTable = MakeStubbedWindowTable();

// The adapter that binds an entry: a generic lambda converts to the entry's own pointer type, which
// turns the platform's calling convention into the default one.
#define DRAVIM_BIND_TABLE_ENTRY(result, name, parameters)                                                   \
    table.name = [](auto... arguments) -> result { return ::name(arguments...); };
#define DRAVIM_BIND_OWN_TABLE_ENTRY(result, name, parameters) table.name = &NSOwnEntries::name;

using TSystemTickCount64 = ULONGLONG(WINAPI*)();
std::atomic<TSystemTickCount64> gSystemTickCount64{nullptr};
CTickCountWidener gTickCountWidener;

namespace NSOwnEntries {

// Bound only when the system has the function; TickCount64FromTickCount stands in otherwise.
ULONGLONG GetTickCount64()
{
    return gSystemTickCount64.load(std::memory_order_relaxed)();
}

// kernel32 exports no InterlockedExchange on x86_64, and the standard atomics give the same full-barrier
// step on both architectures. Every caller passes the address of a std::int32_t (see the wrappers), so the
// round trip through LONG* leaves the object accessed as what it is.
LONG InterlockedExchange(LONG volatile* target, LONG value)
{
    std::atomic_ref<std::int32_t> word(*reinterpret_cast<std::int32_t*>(const_cast<LONG*>(target)));
    return word.exchange(value);
}

LONG InterlockedExchangeAdd(LONG volatile* addend, LONG amount)
{
    std::atomic_ref<std::int32_t> word(*reinterpret_cast<std::int32_t*>(const_cast<LONG*>(addend)));
    return word.fetch_add(amount);
}

// Not exported by every system the 32-bit program runs on: looked up by name on first use. Where the
// system lacks one, the entry fails as such a system's own stub would (ERROR_CALL_NOT_IMPLEMENTED), and
// the callers take their other road.
template <typename TFunction>
TFunction LookUpKernelFunction(const char* name)
{
    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(::GetProcAddress(kernel, name)));
}

DWORD GetLongPathNameA(LPCSTR shortPath, LPSTR longPath, DWORD sizeInChars)
{
    using TGetLongPathName = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    static const TGetLongPathName systemFunction = LookUpKernelFunction<TGetLongPathName>("GetLongPathNameA");
    if (systemFunction == nullptr) {
        ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return 0;
    }
    return systemFunction(shortPath, longPath, sizeInChars);
}

BOOL GetDiskFreeSpaceExA(LPCSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total, PULARGE_INTEGER free)
{
    using TGetDiskFreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    static const TGetDiskFreeSpaceEx systemFunction =
        LookUpKernelFunction<TGetDiskFreeSpaceEx>("GetDiskFreeSpaceExA");
    if (systemFunction == nullptr) {
        ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return FALSE;
    }
    return systemFunction(root, freeToCaller, total, free);
}

// The monitor services came with Windows 98 and 2000; the three are looked up together, and where one
// is missing all of them fail, so that the screen code takes its one-screen road.
struct CMonitorServices
{
    BOOL(WINAPI* enumDisplayMonitors)(HDC, LPCRECT, MONITORENUMPROC, LPARAM) = nullptr;
    BOOL(WINAPI* getMonitorInfo)(HMONITOR, LPMONITORINFO) = nullptr;
    HMONITOR(WINAPI* monitorFromRect)(LPCRECT, DWORD) = nullptr;
};

CMonitorServices LookUpMonitorServices()
{
    CMonitorServices services;
    const HMODULE user = ::GetModuleHandleA("user32.dll");
    if (user == nullptr)
        return services;
    const auto lookUp = [user](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            reinterpret_cast<void (*)()>(::GetProcAddress(user, name)));
    };
    lookUp(services.enumDisplayMonitors, "EnumDisplayMonitors");
    lookUp(services.getMonitorInfo, "GetMonitorInfoA");
    lookUp(services.monitorFromRect, "MonitorFromRect");
    if (services.enumDisplayMonitors == nullptr || services.getMonitorInfo == nullptr ||
        services.monitorFromRect == nullptr)
        return CMonitorServices();
    return services;
}

const CMonitorServices& GetMonitorServices()
{
    static const CMonitorServices services = LookUpMonitorServices();
    return services;
}

BOOL EnumDisplayMonitors(HDC dc, LPCRECT clip, MONITORENUMPROC callback, LPARAM data)
{
    const CMonitorServices& services = GetMonitorServices();
    return services.enumDisplayMonitors != nullptr ? services.enumDisplayMonitors(dc, clip, callback, data) : FALSE;
}

BOOL GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info)
{
    const CMonitorServices& services = GetMonitorServices();
    return services.getMonitorInfo != nullptr ? services.getMonitorInfo(monitor, info) : FALSE;
}

HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags)
{
    const CMonitorServices& services = GetMonitorServices();
    return services.monitorFromRect != nullptr ? services.monitorFromRect(rect, flags) : nullptr;
}

// The help engine is no part of the system on every machine: loaded on first use and kept; without it
// every request answers no window, as a failed request does.
HWND HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    using THtmlHelp = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static const THtmlHelp systemFunction = []() -> THtmlHelp {
        const HMODULE engine = ::LoadLibraryA("hhctrl.ocx");
        if (engine == nullptr)
            return nullptr;
        return reinterpret_cast<THtmlHelp>(reinterpret_cast<void (*)()>(::GetProcAddress(engine, "HtmlHelpA")));
    }();
    return systemFunction != nullptr ? systemFunction(caller, file, command, data) : nullptr;
}

// The pointer-sized window words: on x86_64 the system's own calls; on i686, where a pointer is 32 bits
// wide and <windows.h> only renames them, the 32-bit calls.
LONG_PTR GetWindowLongPtrA(HWND window, int index)
{
#if defined(_WIN64)
    return ::GetWindowLongPtrA(window, index);
#else
    return ::GetWindowLongA(window, index);
#endif
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value)
{
#if defined(_WIN64)
    return ::SetWindowLongPtrA(window, index, value);
#else
    return ::SetWindowLongA(window, index, value);
#endif
}

} // namespace NSOwnEntries

TSystemTickCount64 LookUpSystemTickCount64()
{
    // Looked up at run time: the 32-bit program must still load on Windows XP, which lacks it.
    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    const FARPROC procedure = ::GetProcAddress(kernel, "GetTickCount64");
    return reinterpret_cast<TSystemTickCount64>(reinterpret_cast<void (*)()>(procedure));
}

} // namespace

CKernelTable& GetKernelTable()
{
    return gKernelTable;
}

CWindowTable& GetWindowTable()
{
    return gWindowTable;
}

void BindPlatformTables()
{
    gSystemTickCount64.store(LookUpSystemTickCount64(), std::memory_order_relaxed);
    {
        CKernelTable& table = gKernelTable;
        DRAVIM_KERNEL_ENTRIES(DRAVIM_BIND_TABLE_ENTRY, DRAVIM_BIND_OWN_TABLE_ENTRY)
        if (gSystemTickCount64.load(std::memory_order_relaxed) == nullptr)
            table.GetTickCount64 = &TickCount64FromTickCount;
    }
    {
        CWindowTable& table = gWindowTable;
        DRAVIM_WINDOW_ENTRIES(DRAVIM_BIND_TABLE_ENTRY, DRAVIM_BIND_OWN_TABLE_ENTRY)
    }
}

void ReleasePlatformTables()
{
    gKernelTable = MakeStubbedKernelTable();
    gWindowTable = MakeStubbedWindowTable();
    gSystemTickCount64.store(nullptr, std::memory_order_relaxed);
}

ULONGLONG TickCount64FromTickCount()
{
    return gTickCountWidener.Widen(gKernelTable.GetTickCount());
}

namespace NSPlatformTablesInternal {

void ResetTickCountWidening()
{
    gTickCountWidener.Reset();
}

} // namespace NSPlatformTablesInternal

} // namespace NSTramvell
