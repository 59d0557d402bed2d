#pragma once

// Synthetic Akai discs for the conversion tests, the end-to-end check and the benchmark: samples and
// programs made with the parser tests' record builder, laid out with the disc-image builder, and a
// description of the output the conversion must write (a JSON manifest for the independent checker).

#include "akai/filesystem/tests/support/DiscImageBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSConversionTestSupport {

constexpr std::uint8_t kShortProgramType = 112;   // 150-byte records
constexpr std::uint8_t kShortSampleType = 115;
constexpr std::uint8_t kLongProgramType = 240;    // 192-byte records
constexpr std::uint8_t kLongSampleType = 243;
constexpr std::uint8_t kOtherFileType = 120;
constexpr std::uint16_t kHoldDwellTime = 9999;

struct CSampleSpec
{
    std::string name;                   // at most 12 Akai characters
    std::vector<std::int16_t> data;
    std::int32_t akaiLoopMode = 2;      // 0 loop in release, 1 loop until release, 2 none, 3 play to end
    bool holdLoop = false;              // one loop with dwell time 9999
    std::uint32_t loopAt = 0;
    std::uint32_t loopLength = 0;
};

struct CZoneSpec
{
    std::string sampleName;
    std::int32_t pan = 0;               // -50 ... 50
};

struct CProgramSpec
{
    std::string name;
    std::vector<std::vector<CZoneSpec>> keyGroups;   // up to four zones each
};

// The bytes of an Akai sample or program file in the layout of the file type.
std::vector<std::uint8_t> MakeSampleFile(const CSampleSpec& sample, std::uint8_t type);
std::vector<std::uint8_t> MakeProgramFile(const CProgramSpec& program, std::uint8_t type);
// A sample file the parser refuses (too many values out of range), and a program without keygroups.
std::vector<std::uint8_t> MakeBadSampleFile(std::uint8_t type);
std::vector<std::uint8_t> MakeBadProgramFile(const std::string& name, std::uint8_t type);

// Deterministic 16-bit data.
std::vector<std::int16_t> MakeSampleData(std::size_t frameCount, std::int32_t seed);

// A disc with its expected output.
struct CTestDisc
{
    NSAkaiTestSupport::CDiscImage image;
    std::string manifest;               // JSON
};

// The disc of the end-to-end check: S1000 and S3000 volumes in both file layouts, mono and stereo
// samples, looped and unlooped, a program naming a missing sample, two programs and two samples of one
// name, an empty volume, a partition whose volume holds nothing to convert, a blank volume name and
// three damaged files (a bad sample header, a bad program header, a broken block chain).
CTestDisc MakeAcceptanceDisc();

// The acceptance disc followed by a partition of four long mono samples (1 MB each): read slowly, it
// is still being read well after its first files are written, so a conversion of it can be stopped midway.
CTestDisc MakeStopDisc();

// About sizeInBytes of mono samples (2 MB each, no loops) over as many partitions as they need, with one
// program per volume naming its samples.
NSAkaiTestSupport::CDiscImage MakeBenchmarkDisc(std::uint64_t sizeInBytes);

void WriteBytesToFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteTextToFile(const std::string& path, const std::string& text);

} // namespace NSConversionTestSupport
