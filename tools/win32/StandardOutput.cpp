#include "tools/StandardOutput.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

bool IsStandardOutputAConsole()
{
    // Only a console handle has a console mode; under Wine that includes a terminal the program runs in.
    DWORD mode = 0;
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output != nullptr && output != INVALID_HANDLE_VALUE && GetConsoleMode(output, &mode) != 0;
}
