#include "framework/foundation/platform/win32/PlatformCallsWin32.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {
namespace {

// The atomic entries take the platform's LONG; they treat the address as the std::int32_t it is.
LONG volatile* AsPlatformWord(std::int32_t* word)
{
    static_assert(sizeof(LONG) == sizeof(std::int32_t));
    return reinterpret_cast<LONG volatile*>(word);
}

} // namespace

bool DisposeSystemHandle(void* handle)
{
    return GetKernelTable().CloseHandle(handle) != FALSE;
}

std::uint32_t GetCurrentThreadIdentifier()
{
    return GetKernelTable().GetCurrentThreadId();
}

void CallTableFunction1(std::uint32_t milliseconds)
{
    GetKernelTable().Sleep(milliseconds);
}

void PauseThread(std::uint32_t milliseconds)
{
    GetKernelTable().Sleep(milliseconds);
}

std::int32_t AtomicExchange(std::int32_t* word, std::int32_t value)
{
    return GetKernelTable().InterlockedExchange(AsPlatformWord(word), value);
}

std::int32_t AtomicExchange2(std::int32_t* word, std::int32_t value)
{
    return GetKernelTable().InterlockedExchange(AsPlatformWord(word), value);
}

std::int32_t CallTableFunction2(std::int32_t* word, std::int32_t amount)
{
    return GetKernelTable().InterlockedExchangeAdd(AsPlatformWord(word), amount);
}

std::int32_t AtomicAdd(std::int32_t* word, std::int32_t amount)
{
    return GetKernelTable().InterlockedExchangeAdd(AsPlatformWord(word), amount);
}

std::uint32_t WaitForObject(void* handle, std::int32_t timeoutMs)
{
    return GetKernelTable().WaitForSingleObject(handle, static_cast<DWORD>(timeoutMs));
}

bool ReleaseLockObject(void* handle)
{
    return GetKernelTable().ReleaseMutex(handle) != FALSE;
}

std::uint32_t ResumeThreadObject(void* handle)
{
    return GetKernelTable().ResumeThread(handle);
}

bool SignalEventObject(void* handle)
{
    return GetKernelTable().SetEvent(handle) != FALSE;
}

HANDLE CreateLockObject(LPSECURITY_ATTRIBUTES security, BOOL initiallyOwned, LPCSTR name)
{
    return GetKernelTable().CreateMutexA(security, initiallyOwned, name);
}

HANDLE CreateThreadObject(LPSECURITY_ATTRIBUTES security, SIZE_T stackSizeInBytes, LPTHREAD_START_ROUTINE entry,
                          LPVOID parameter, DWORD flags, LPDWORD identifier)
{
    return GetKernelTable().CreateThread(security, stackSizeInBytes, entry, parameter, flags, identifier);
}

HANDLE CreateEventObject(LPSECURITY_ATTRIBUTES security, BOOL manualReset, BOOL initiallySignalled, LPCSTR name)
{
    return GetKernelTable().CreateEventA(security, manualReset, initiallySignalled, name);
}

DWORD GetFileSizeOf(HANDLE file, LPDWORD highPart)
{
    return GetKernelTable().GetFileSize(file, highPart);
}

BOOL WriteFileData(HANDLE file, LPCVOID data, DWORD lengthInBytes, LPDWORD writtenInBytes, LPOVERLAPPED overlapped)
{
    return GetKernelTable().WriteFile(file, data, lengthInBytes, writtenInBytes, overlapped);
}

BOOL ReadFileData(HANDLE file, LPVOID buffer, DWORD lengthInBytes, LPDWORD readInBytes, LPOVERLAPPED overlapped)
{
    return GetKernelTable().ReadFile(file, buffer, lengthInBytes, readInBytes, overlapped);
}

DWORD MoveFilePointer(HANDLE file, LONG distance, PLONG highPart, DWORD method)
{
    return GetKernelTable().SetFilePointer(file, distance, highPart, method);
}

ATOM RegisterWindowClassRecord(const WNDCLASSA* classRecord)
{
    return GetWindowTable().RegisterClassA(classRecord);
}

BOOL PostWindowMessage(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter)
{
    return GetWindowTable().PostMessageA(window, message, firstParameter, secondParameter);
}

LRESULT CallTableFunction4(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter)
{
    return GetWindowTable().DefWindowProcA(window, message, firstParameter, secondParameter);
}

HWND CallWindowManager12(DWORD extendedStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID parameter)
{
    return GetWindowTable().CreateWindowExA(extendedStyle, className, windowName, style, x, y, width, height,
                                            parent, menu, instance, parameter);
}

} // namespace NSTramvell
