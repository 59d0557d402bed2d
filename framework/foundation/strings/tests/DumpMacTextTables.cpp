// Prints both character tables, Mac to Windows then Windows to Mac, as 256 hexadecimal bytes, for
// check_mac_text_tables.py to compare with the tables it derives on its own.

#include "framework/foundation/strings/MacText.h"

#include <cstdio>

int main()
{
    for (int c = 0x80; c <= 0xFF; ++c)
        std::printf("%02X\n", NSTramvell::NSMacTextInternal::MacToWindowsChar(static_cast<std::uint8_t>(c)));
    for (int c = 0x80; c <= 0xFF; ++c)
        std::printf("%02X\n", NSTramvell::NSMacTextInternal::WindowsToMacChar(static_cast<std::uint8_t>(c)));
    return 0;
}
