#pragma once

// What the Windows tests of the shared memory, com ports and trace client share: signatures of their own,
// the peer process, and waits with a deadline.

#include "framework/foundation/strings/RulingString.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <functional>
#include <string>

namespace NSIpcTestSupport {

// A signature no other test process uses at the same time: the letter marks the test.
NSTramvell::CApplicationDefinedSignature MakeTestSignature(char letter);

// Polls the condition until it holds or the deadline passes; answers whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD deadlineMs = 20000);

// Whether another thread takes the signature's mutex without waiting (and gives it back): nobody holds it.
bool CanOtherThreadTakeMutex(const NSTramvell::CApplicationDefinedSignature& signature);

// The test's peer program (foundation_trace_peer), started with the arguments; modes that wait get the
// name of an end event as their last argument. It is always ended: End sets the event and waits, and the
// destructor ends it by force when it is still running.
class CPeerProcess
{
public:
    explicit CPeerProcess(const std::string& arguments, bool waitsForEnd = true);
    ~CPeerProcess();
    CPeerProcess(const CPeerProcess&) = delete;
    CPeerProcess& operator=(const CPeerProcess&) = delete;

    bool IsRunning() const;
    // Sets the end event and waits for the process to end; answers its exit code (or 259 still running).
    DWORD End();
    // Waits for the process to end by itself.
    DWORD WaitForExit();

private:
    HANDLE mEndEvent = nullptr;
    HANDLE mProcess = nullptr;
};

} // namespace NSIpcTestSupport
