#include "framework/foundation/platform/win32/PlatformWin32.h"

// The library keeps no state of its own to set up or tear down.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
