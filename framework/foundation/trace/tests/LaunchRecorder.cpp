// A program for the process-start test: records how it was started. It writes its command line and its
// working directory, one per line, to the file that DRAVIM_LAUNCH_RECORD names, then signals the event
// that DRAVIM_LAUNCH_RECORD_EVENT names so that the test need not poll.

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <cstdio>

namespace {

bool ReadVariable(const char* name, char* value, DWORD size)
{
    const DWORD length = ::GetEnvironmentVariableA(name, value, size);
    return length != 0 && length < size;
}

} // namespace

int main()
{
    char recordPath[MAX_PATH];
    char eventName[MAX_PATH];
    char workingDirectory[MAX_PATH];
    if (!ReadVariable("DRAVIM_LAUNCH_RECORD", recordPath, sizeof recordPath)
        || !ReadVariable("DRAVIM_LAUNCH_RECORD_EVENT", eventName, sizeof eventName))
        return 2;
    const DWORD length = ::GetCurrentDirectoryA(sizeof workingDirectory, workingDirectory);
    if (length == 0 || length >= sizeof workingDirectory)
        return 3;
    std::FILE* const record = std::fopen(recordPath, "wb");
    if (record == nullptr)
        return 4;
    std::fprintf(record, "%s\n%s\n", ::GetCommandLineA(), workingDirectory);
    std::fclose(record);
    const HANDLE done = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName);
    if (done == nullptr)
        return 5;
    ::SetEvent(done);
    ::CloseHandle(done);
    return 0;
}
