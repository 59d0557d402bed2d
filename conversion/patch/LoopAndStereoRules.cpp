#include "conversion/patch/LoopAndStereoRules.h"

#include "akai/parsers/AkaiLoop.h"
#include "akai/parsers/AkaiSample.h"
#include "conversion/patch/ConverterStrings.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <limits>

namespace NSAkaiConversion {
namespace {

constexpr std::size_t kAkaiNameLength = 12;
constexpr std::size_t kStereoStemLength = 10;

bool HasSuffix(const std::string& name, const std::string& suffix)
{
    return name.size() == kAkaiNameLength && name.compare(kAkaiNameLength - 1, 1, suffix) == 0;
}

bool LoopsAgree(const std::vector<NSAkaiParser::CAkaiLoop>& aLoops, const std::vector<NSAkaiParser::CAkaiLoop>& bLoops)
{
    const std::int32_t a = FindHoldLoop(aLoops);
    const std::int32_t b = FindHoldLoop(bLoops);
    if (a < 0 || b < 0)
        return a < 0 && b < 0;
    const NSAkaiParser::CAkaiLoop& aLoop = aLoops[static_cast<std::size_t>(a)];
    const NSAkaiParser::CAkaiLoop& bLoop = bLoops[static_cast<std::size_t>(b)];
    return aLoop.GetLoopAt() == bLoop.GetLoopAt() && aLoop.GetLengthFraction() == bLoop.GetLengthFraction() &&
           aLoop.GetLength() == bLoop.GetLength() && aLoop.GetDwellTime() == bLoop.GetDwellTime() &&
           aLoop.IsHold() == bLoop.IsHold();
}

} // namespace

const std::string kLeftNameSuffix = "L";
const std::string kRightNameSuffix = "R";

std::int32_t FindHoldLoop(const std::vector<NSAkaiParser::CAkaiLoop>& loops)
{
    for (std::size_t i = 0; i < loops.size(); ++i) {
        if (loops[i].IsHold())
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::uint32_t GetLoopPoints(const NSAkaiParser::CAkaiLoop& loop, std::uint32_t& start, std::uint32_t& end)
{
    end = loop.GetLoopAt();
    start = loop.GetLength() <= end ? end - loop.GetLength() : 0;
    return end;
}

bool IsLeftName(const std::string& name)
{
    return HasSuffix(name, kLeftNameSuffix);
}

bool IsRightName(const std::string& name)
{
    return HasSuffix(name, kRightNameSuffix);
}

bool IsStereoName(const std::string& name)
{
    return IsLeftName(name) || IsRightName(name);
}

bool IsStereoNamePair(const std::string& a, const std::string& b)
{
    if (a.size() != kAkaiNameLength || b.size() != kAkaiNameLength ||
        a.compare(0, kAkaiNameLength - 1, b, 0, kAkaiNameLength - 1) != 0)
        return false;
    return (IsLeftName(a) && IsRightName(b)) || (IsRightName(a) && IsLeftName(b));
}

bool IsStereoPair(const NSAkaiParser::IAkaiSample& a, const NSAkaiParser::IAkaiSample& b)
{
    return IsStereoNamePair(a.GetName(), b.GetName()) && a.GetMIDIRootNote() == b.GetMIDIRootNote() &&
           a.GetLoopMode() == b.GetLoopMode() && a.GetTuneCents() == b.GetTuneCents() &&
           a.GetSampleLength() == b.GetSampleLength() && a.GetSampleStart() == b.GetSampleStart() &&
           a.GetSampleEnd() == b.GetSampleEnd() && a.GetSampleRate() == b.GetSampleRate() &&
           a.GetLoopTuneOffset() == b.GetLoopTuneOffset() && LoopsAgree(a.GetLoops(), b.GetLoops());
}

std::string MakeSampleFileName(const std::string& name)
{
    return name + ".wav";
}

std::string MakeStereoSampleFileName(const std::string& name)
{
    std::string stem = name.substr(0, kStereoStemLength);
    NSTramvell::TrimRight(stem, " ");
    return NSTramvell::ReplaceParameters(NSConverter::GetConverterString(NSConverter::kStereoSampleNameStringId), stem) +
           NSConverter::GetConverterString(NSConverter::kSampleFileExtensionStringId);
}

std::int32_t GetZoneLoopMode(std::int32_t zoneLoopMode, const NSAkaiParser::IAkaiSample& sample)
{
    switch (zoneLoopMode) {
    case 0: {
        const bool hasLoops = !sample.GetLoops().empty();
        const std::int32_t sampleLoopMode = sample.GetLoopMode();
        if (sampleLoopMode == 0)
            return hasLoops ? 1 : 0;
        if (sampleLoopMode == 1)
            return hasLoops ? 3 : 0;
        return 0;
    }
    case 1:
        return 1;
    case 2:
        return 3;
    default:
        return 0;
    }
}

std::int32_t GetFrameCount(const NSAkaiParser::IAkaiSample& sample)
{
    const NSAkaiParser::CSampleData* data = sample.GetSampleData();
    const std::size_t count = data == nullptr ? 0 : data->size();
    return static_cast<std::int32_t>(std::min<std::size_t>(count, std::numeric_limits<std::int32_t>::max()));
}

CLoopWindow GetZoneLoopWindow(const NSAkaiParser::IAkaiSample& sample)
{
    const std::int64_t frameCount = GetFrameCount(sample);
    std::int64_t start = sample.GetSampleStart();
    std::int64_t end = sample.GetSampleEnd();
    const std::vector<NSAkaiParser::CAkaiLoop> loops = sample.GetLoops();
    const std::int32_t holdLoop = FindHoldLoop(loops);
    if (holdLoop >= 0) {
        std::uint32_t loopStart = 0;
        std::uint32_t loopEnd = 0;
        GetLoopPoints(loops[static_cast<std::size_t>(holdLoop)], loopStart, loopEnd);
        start = loopStart;
        end = loopEnd;
        if (start >= end) {
            start = 0;
            end = frameCount;
        }
    }
    return CLoopWindow{static_cast<std::int32_t>(std::clamp<std::int64_t>(start, 0, frameCount)),
                       static_cast<std::int32_t>(std::clamp<std::int64_t>(end, 0, frameCount))};
}

} // namespace NSAkaiConversion
