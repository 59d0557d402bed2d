#include "framework/foundation/music/MusicalTexts.h"

#include "framework/foundation/music/MusicArithmetic.h"
#include "framework/foundation/music/TimeCode.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <cstdlib>

namespace NSTramvell {

namespace {

constexpr double kMicrosecondsToMinutesTimesThousand = 1.6666666666666667e-5;

const char* const kNamesFromC[12] = {"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B "};
const char* const kNamesFromA[12] = {"A ", "A#", "B ", "C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#"};

std::string Padded(std::int64_t value, std::size_t width, char fill)
{
    std::string text = RealToString(static_cast<double>(value), 0);
    PadLeft(text, width, fill);
    return text;
}

} // namespace

std::int32_t TempoFromBeatLength(std::int32_t lengthInMicroseconds) noexcept
{
    if (lengthInMicroseconds == 0)
        return 0;
    return NSMusicArithmetic::TruncatedToInt32(1000000 / (lengthInMicroseconds * kMicrosecondsToMinutesTimesThousand));
}

std::string FormatTempo(std::int32_t beatLengthInMicroseconds)
{
    return Padded(TempoFromBeatLength(beatLengthInMicroseconds), 7, ' ');
}

std::string FormatThousandths(std::int32_t thousandths)
{
    std::string text = Padded(thousandths / 1000, 3, ' ') + "." +
                       Padded(static_cast<std::int16_t>(thousandths % 1000), 3, '0');
    const std::size_t kept = text.find_last_not_of(" .");
    text.erase(kept == std::string::npos ? 0 : kept + 1);
    return text;
}

std::string FormatTime(std::int32_t ticks, std::int32_t format)
{
    const CClockFields fields = SplitClockTicks(format, std::llabs(std::int64_t{ticks}));
    return "s" + Padded(fields.days, 2, ' ') + "." + Padded(fields.hours, 2, ' ') + ":" +
           Padded(fields.minutes, 2, ' ') + ":" + Padded(fields.seconds, 2, ' ') + "." +
           Padded(fields.tenths, 1, ' ');
}

std::string FormatBars(std::int32_t, std::int32_t)
{
    return Padded(0, 4, ' ') + "." + Padded(0, 2, ' ');
}

std::string FormatNoteNameFromC(std::uint8_t note)
{
    return kNamesFromC[note % 12] + RealToString(note / 12 - 2, 0);
}

std::string FormatNoteNameFromA(std::uint8_t note)
{
    const std::int32_t shifted = (note + 3) % 256;
    std::int32_t octave = shifted / 12;
    if (octave > 9)
        octave -= 10;
    return kNamesFromA[shifted % 12] + RealToString(octave, 0);
}

} // namespace NSTramvell
