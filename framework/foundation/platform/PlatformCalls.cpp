// The platform calls that need no platform: plain reads and the C library.

#include "framework/foundation/platform/PlatformCalls.h"

#include <cstring>
#include <ctime>

namespace NSTramvell {

std::uint32_t GetWordAt(const void* address)
{
    std::uint32_t word;
    std::memcpy(&word, address, sizeof word);
    return word;
}

int FormatCurrentTimeLength()
{
    char text[80];
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr)
        return 0;
    return static_cast<int>(std::strftime(text, sizeof text, "%c", local));
}

} // namespace NSTramvell
