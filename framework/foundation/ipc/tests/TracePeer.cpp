// The other process of the shared-memory and com-port tests. Modes:
//     serve <signature> <user-area size> <end event>   serves a connectable block until the event is set
//     client <signature> <end event>                   stays connected until the event is set
//     client-exit <signature>                          connects and ends without disconnecting
// The exit code tells how far it came: 0 done, 2 bad arguments, 3 could not serve or connect.

#include "framework/foundation/ipc/ConnectableSharedMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>

using namespace NSTramvell;

namespace {

void WaitForEnd(const char* eventName)
{
    const HANDLE end = ::OpenEventA(SYNCHRONIZE, FALSE, eventName);
    if (end == nullptr)
        return;
    ::WaitForSingleObject(end, INFINITE);
    ::CloseHandle(end);
}

// The test's own questions to the server (IsClientConnected) hold the mutex for a moment: a connection that
// meets one of them is tried again.
void ConnectWithinDeadline(CConnectableSharedMemory& client)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        try {
            client.Connect();
            return;
        } catch (const std::exception&) {
            if (::GetTickCount() - start > 20000)
                throw;
        }
        ::Sleep(2);
    }
}

int Run(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "serve") == 0) {
        CConnectableSharedMemory server(argv[2]);
        server.Create(static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)));
        WaitForEnd(argv[4]);
        server.Close();
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "client") == 0) {
        CConnectableSharedMemory client(argv[2]);
        ConnectWithinDeadline(client);
        WaitForEnd(argv[3]);
        client.Disconnect();
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "client-exit") == 0) {
        // Left connected on purpose: the process ends holding the connection mutex.
        auto* const memory = new CConnectableSharedMemory(argv[2]);
        ConnectWithinDeadline(*memory);
        ::ExitProcess(0);
    }
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    BindPlatformTables();
    int result = 3;
    try {
        result = Run(argc, argv);
    } catch (const std::exception&) {
        result = 3;
    }
    ReleasePlatformTables();
    return result;
}
