#pragma once

// Six time-code formats (0 to 5: 24, 25 and four kinds of 30 frames per second) with their rates, and
// tick counts split into clock fields and back. A time-code tick is 1/80 of a frame. The table getters
// throw XBase for a format outside 0 to 5; the frame conversions answer 0 for one.

#include <cstdint>

namespace NSTramvell {

constexpr std::int32_t kTimeCodeFormatCount = 6;
constexpr std::int32_t kTimeCodeTicksPerFrame = 80;

bool IsValidTimeCodeFormat(std::int32_t format) noexcept;
// True for formats 2 and 5.
bool IsTimeCodeFormatTwoOrFive(std::int32_t format) noexcept;

std::int32_t GetFramesPerSecond(std::int32_t format);
std::int32_t GetFramesPerMinute(std::int32_t format);
std::int32_t GetFramesPerHour(std::int32_t format);
std::int32_t GetTicksPerTenthSecond(std::int32_t format);
std::int32_t GetTicksPerSecond(std::int32_t format);
std::int32_t GetTicksPerMinute(std::int32_t format);
std::int32_t GetTicksPerHour(std::int32_t format);
std::int32_t GetTicksPerDay(std::int32_t format);
// Formats 2 and 4 run slow: their 65536 seconds hold fewer ticks.
std::int32_t GetTicksIn65536Seconds(std::int32_t format);

// Frame counts through the 30-frame base; each step truncates toward zero.
std::int32_t ConvertFramesTo30(std::int32_t format, std::int32_t frames) noexcept;
std::int32_t ConvertFramesFrom30(std::int32_t format, std::int32_t frames) noexcept;
std::int32_t ConvertFrames(std::int32_t fromFormat, std::int32_t toFormat, std::int32_t frames) noexcept;

struct CClockFields
{
    std::int8_t days = 0;
    std::int8_t hours = 0;
    std::int8_t minutes = 0;
    std::int8_t seconds = 0;
    std::int8_t tenths = 0;
};

struct CFrameFields
{
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t frames = 0;
    std::int32_t ticks = 0;
};

// Tick counts are 32-bit: a sum beyond that range wraps, as counts of the 32-bit tick clock do.
std::int32_t ComposeClockTicks(std::int32_t format, const CClockFields& fields);
// Negative ticks give negative fields (division truncates toward zero). Wide enough for the magnitude of
// any 32-bit count.
CClockFields SplitClockTicks(std::int32_t format, std::int64_t ticks);
std::int32_t ComposeFrameTicks(std::int32_t format, const CFrameFields& fields);
CFrameFields SplitFrameTicks(std::int32_t format, std::int32_t ticks);

} // namespace NSTramvell
