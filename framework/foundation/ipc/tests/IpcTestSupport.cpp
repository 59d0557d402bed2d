#include "framework/foundation/ipc/tests/IpcTestSupport.h"

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/ipc/ConnectableSharedMemory.h"
#include "framework/foundation/ipc/tests/BesideThread.h"

#include <gtest/gtest.h>

namespace NSIpcTestSupport {

using namespace NSTramvell;

namespace {

constexpr DWORD kPeerDeadlineMs = 20000;

} // namespace

CApplicationDefinedSignature MakeTestSignature(char letter)
{
    const DWORD process = ::GetCurrentProcessId();
    const std::string text = {'Q', static_cast<char>('a' + process % 26), static_cast<char>('a' + process / 26 % 26),
                              letter};
    return CApplicationDefinedSignature(text);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > deadlineMs)
            return false;
        ::Sleep(2);
    }
    return true;
}

bool CanOtherThreadTakeMutex(const CApplicationDefinedSignature& signature)
{
    bool taken = false;
    NSIpcTest::RunBeside(
        [&] {
            const HANDLE mutex = ::OpenMutexA(MUTEX_ALL_ACCESS, FALSE,
                                              CConnectableSharedMemory::MakeMutexName(signature).c_str());
            if (mutex == nullptr)
                return;
            taken = ::WaitForSingleObject(mutex, 0) == WAIT_OBJECT_0;
            if (taken)
                ::ReleaseMutex(mutex);
            ::CloseHandle(mutex);
        },
        [] {});
    return taken;
}

CPeerProcess::CPeerProcess(const std::string& arguments, bool waitsForEnd)
{
    static int peers = 0;
    std::string commandLine = "\"" + GetProgramFileSpec().GetDirectoryPath() + "foundation_trace_peer.exe\" "
                              + arguments;
    if (waitsForEnd) {
        const std::string eventName =
            "DravimIpcPeerEnd" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++peers);
        mEndEvent = ::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
        commandLine += " " + eventName;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        ADD_FAILURE() << "the peer did not start: " << commandLine;
        return;
    }
    ::CloseHandle(started.hThread);
    mProcess = started.hProcess;
}

CPeerProcess::~CPeerProcess()
{
    if (mProcess != nullptr) {
        if (End() == STILL_ACTIVE) {
            ::TerminateProcess(mProcess, 1);
            ::WaitForSingleObject(mProcess, kPeerDeadlineMs);
        }
        ::CloseHandle(mProcess);
    }
    if (mEndEvent != nullptr)
        ::CloseHandle(mEndEvent);
}

bool CPeerProcess::IsRunning() const
{
    return mProcess != nullptr && ::WaitForSingleObject(mProcess, 0) == WAIT_TIMEOUT;
}

DWORD CPeerProcess::End()
{
    if (mEndEvent != nullptr)
        ::SetEvent(mEndEvent);
    return WaitForExit();
}

DWORD CPeerProcess::WaitForExit()
{
    if (mProcess == nullptr)
        return 0;
    ::WaitForSingleObject(mProcess, kPeerDeadlineMs);
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(mProcess, &code);
    return code;
}

} // namespace NSIpcTestSupport
