#pragma once

// Small rules that the zone conversion, the stereo pairing and the WAVE writing share: which loop of an
// Akai sample is used and where it lies, how a zone's loop mode follows from the Akai loop modes, which
// two Akai samples form a stereo pair, and how sample files are named.

#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiParser {
class CAkaiLoop;
class IAkaiSample;
} // namespace NSAkaiParser

namespace NSAkaiConversion {

// The last character of the two halves' 12-character Akai names.
extern const std::string kLeftNameSuffix;
extern const std::string kRightNameSuffix;

// The index of the first loop that holds, or -1: a sample without one plays unlooped.
std::int32_t FindHoldLoop(const std::vector<NSAkaiParser::CAkaiLoop>& loops);
// The loop ends at its loop point and starts length frames before it, or at 0 when it is longer.
std::uint32_t GetLoopPoints(const NSAkaiParser::CAkaiLoop& loop, std::uint32_t& start, std::uint32_t& end);

bool IsLeftName(const std::string& name);
bool IsRightName(const std::string& name);
bool IsStereoName(const std::string& name);
// Two 12-character names that differ only in their last character, one a left and one a right name.
bool IsStereoNamePair(const std::string& a, const std::string& b);
// Two halves that can share one two-channel file: a name pair, equal in every play parameter, and with
// hold loops that agree (or neither with one).
bool IsStereoPair(const NSAkaiParser::IAkaiSample& a, const NSAkaiParser::IAkaiSample& b);

std::string MakeSampleFileName(const std::string& name);
// The left half's name cut to 10 characters without trailing blanks, in the converter's "^0 (S)", with
// its ".wav". Throws std::range_error when the converter's strings lack either text.
std::string MakeStereoSampleFileName(const std::string& name);

// The zone's loop mode (0 none, 1 loop, 3 loop and release) from the zone's Akai loop mode (0..4) and,
// when that is 0, the sample's (0..3).
std::int32_t GetZoneLoopMode(std::int32_t zoneLoopMode, const NSAkaiParser::IAkaiSample& sample);

struct CLoopWindow
{
    std::int32_t start;
    std::int32_t end;
};
// The sample's play range, replaced by its hold loop when it has one; a loop that ends before it starts
// becomes the whole sample; both ends lie within the sample's frames.
CLoopWindow GetZoneLoopWindow(const NSAkaiParser::IAkaiSample& sample);
// The number of 16-bit values the sample holds.
std::int32_t GetFrameCount(const NSAkaiParser::IAkaiSample& sample);

} // namespace NSAkaiConversion
