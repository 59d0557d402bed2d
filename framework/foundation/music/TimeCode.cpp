#include "framework/foundation/music/TimeCode.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/music/MusicArithmetic.h"

namespace NSTramvell {

namespace {

using NSMusicArithmetic::TruncatedToInt32;
using NSMusicArithmetic::Wrapped;
using CFormatTable = std::int32_t[kTimeCodeFormatCount];

// Frame counts convert through 30 frames per second; a 30-frame format's count scales by 30 / 30, exactly.
constexpr std::int32_t kBaseFrameRate = 30;
constexpr CFormatTable kFramesPerSecond = {24, 25, 30, 30, 30, 30};
constexpr CFormatTable kFramesPerMinute = {1440, 1500, 1800, 1800, 1800, 1800};
constexpr CFormatTable kFramesPerHour = {86400, 90000, 108000, 108000, 108000, 108000};
constexpr CFormatTable kTicksPerTenthSecond = {192, 200, 240, 240, 240, 240};
constexpr CFormatTable kTicksPerSecond = {1920, 2000, 2400, 2400, 2400, 2400};
constexpr CFormatTable kTicksPerMinute = {115200, 120000, 144000, 144000, 144000, 144000};
constexpr CFormatTable kTicksPerHour = {6912000, 7200000, 8640000, 8640000, 8640000, 8640000};
constexpr CFormatTable kTicksPerDay = {165888000, 172800000, 207360000, 207360000, 207360000, 207360000};
constexpr CFormatTable kTicksIn65536Seconds = {125829120, 131072000, 157129110, 157286400, 157129110, 157286400};

std::int32_t Look(const CFormatTable& table, std::int32_t format)
{
    if (!IsValidTimeCodeFormat(format))
        throw XBase();
    return table[format];
}

std::int32_t Scaled(std::int32_t value, std::int32_t numerator, std::int32_t denominator) noexcept
{
    return TruncatedToInt32(static_cast<double>(value) * numerator / denominator);
}

} // namespace

bool IsValidTimeCodeFormat(std::int32_t format) noexcept
{
    return format >= 0 && format < kTimeCodeFormatCount;
}

bool IsTimeCodeFormatTwoOrFive(std::int32_t format) noexcept
{
    return format == 2 || format == 5;
}

std::int32_t GetFramesPerSecond(std::int32_t format) { return Look(kFramesPerSecond, format); }
std::int32_t GetFramesPerMinute(std::int32_t format) { return Look(kFramesPerMinute, format); }
std::int32_t GetFramesPerHour(std::int32_t format) { return Look(kFramesPerHour, format); }
std::int32_t GetTicksPerTenthSecond(std::int32_t format) { return Look(kTicksPerTenthSecond, format); }
std::int32_t GetTicksPerSecond(std::int32_t format) { return Look(kTicksPerSecond, format); }
std::int32_t GetTicksPerMinute(std::int32_t format) { return Look(kTicksPerMinute, format); }
std::int32_t GetTicksPerHour(std::int32_t format) { return Look(kTicksPerHour, format); }
std::int32_t GetTicksPerDay(std::int32_t format) { return Look(kTicksPerDay, format); }
std::int32_t GetTicksIn65536Seconds(std::int32_t format) { return Look(kTicksIn65536Seconds, format); }

std::int32_t ConvertFramesTo30(std::int32_t format, std::int32_t frames) noexcept
{
    return IsValidTimeCodeFormat(format) ? Scaled(frames, kBaseFrameRate, kFramesPerSecond[format]) : 0;
}

std::int32_t ConvertFramesFrom30(std::int32_t format, std::int32_t frames) noexcept
{
    return IsValidTimeCodeFormat(format) ? Scaled(frames, kFramesPerSecond[format], kBaseFrameRate) : 0;
}

std::int32_t ConvertFrames(std::int32_t fromFormat, std::int32_t toFormat, std::int32_t frames) noexcept
{
    return ConvertFramesFrom30(toFormat, ConvertFramesTo30(fromFormat, frames));
}

std::int32_t ComposeClockTicks(std::int32_t format, const CClockFields& fields)
{
    return Wrapped(std::int64_t{fields.days} * GetTicksPerDay(format) +
                   std::int64_t{fields.hours} * GetTicksPerHour(format) +
                   std::int64_t{fields.minutes} * GetTicksPerMinute(format) +
                   std::int64_t{fields.seconds} * GetTicksPerSecond(format) +
                   std::int64_t{fields.tenths} * GetTicksPerTenthSecond(format));
}

CClockFields SplitClockTicks(std::int32_t format, std::int64_t ticks)
{
    CClockFields fields;
    std::int64_t rest = ticks;
    const auto take = [&rest](std::int32_t unit) {
        const std::int64_t count = rest / unit;
        rest -= count * unit;
        return static_cast<std::int8_t>(count);
    };
    fields.days = take(GetTicksPerDay(format));
    fields.hours = take(GetTicksPerHour(format));
    fields.minutes = take(GetTicksPerMinute(format));
    fields.seconds = take(GetTicksPerSecond(format));
    fields.tenths = take(GetTicksPerTenthSecond(format));
    return fields;
}

std::int32_t ComposeFrameTicks(std::int32_t format, const CFrameFields& fields)
{
    return Wrapped(std::int64_t{fields.hours} * GetTicksPerHour(format) +
                   std::int64_t{fields.minutes} * GetTicksPerMinute(format) +
                   std::int64_t{fields.seconds} * GetTicksPerSecond(format) +
                   std::int64_t{fields.frames} * kTimeCodeTicksPerFrame + fields.ticks);
}

CFrameFields SplitFrameTicks(std::int32_t format, std::int32_t ticks)
{
    CFrameFields fields;
    std::int32_t rest = ticks;
    const auto take = [&rest](std::int32_t unit) {
        const std::int32_t count = rest / unit;
        rest -= count * unit;
        return count;
    };
    fields.hours = take(GetTicksPerHour(format));
    fields.minutes = take(GetTicksPerMinute(format));
    fields.seconds = take(GetTicksPerSecond(format));
    fields.frames = take(kTimeCodeTicksPerFrame);
    fields.ticks = rest;
    return fields;
}

} // namespace NSTramvell
