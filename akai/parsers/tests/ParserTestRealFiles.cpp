// Program and sample files saved by a sampler, parsed whole: the values the files are documented to
// hold come out, and nothing is reported.

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace NSAkaiTestSupport;

namespace {

constexpr std::int32_t kSamplerFormat = 8;

struct CExpectedZone
{
    const char* sampleName;
    std::int32_t tuneCents;
    std::int8_t loudness;
    std::int8_t pan;
};

struct CExpectedKeyGroup
{
    std::uint8_t lowKey;
    std::uint8_t highKey;
    std::vector<CExpectedZone> zones;  // the used zones; the others are empty
};

struct CExpectedProgram
{
    const char* file;
    const char* name;
    std::vector<CExpectedKeyGroup> keyGroups;
};

std::unique_ptr<NSAkaiParser::IAkaiProgram> ParseProgramFile(const std::string& relativePath,
                                                             std::vector<std::string>& reports)
{
    CRecordingFileMedia file(ReadWholeFile(TestDataPath(relativePath)));
    return NSAkaiParser::CreateAkaiProgram(file, kSamplerFormat, reports);
}

void CheckProgram(const CExpectedProgram& expected)
{
    SCOPED_TRACE(expected.file);
    std::vector<std::string> reports;
    const auto program = ParseProgramFile(expected.file, reports);
    EXPECT_TRUE(reports.empty()) << reports.front();
    EXPECT_EQ(program->GetName(), expected.name);
    EXPECT_EQ(program->GetLowKey(), 24);
    EXPECT_EQ(program->GetHighKey(), 127);
    EXPECT_EQ(program->GetPanLFODepth(), 99);
    const auto keyGroups = program->GetKeyGroups();
    ASSERT_EQ(keyGroups.size(), expected.keyGroups.size());
    for (std::size_t k = 0; k < keyGroups.size(); ++k) {
        SCOPED_TRACE(k);
        const CExpectedKeyGroup& keyGroup = expected.keyGroups[k];
        EXPECT_EQ(keyGroups[k]->GetLowKey(), keyGroup.lowKey);
        EXPECT_EQ(keyGroups[k]->GetHighKey(), keyGroup.highKey);
        const auto zones = keyGroups[k]->GetSampleParameters();
        ASSERT_EQ(zones.size(), 4u);
        for (std::size_t z = 0; z < zones.size(); ++z) {
            SCOPED_TRACE(z);
            if (z < keyGroup.zones.size()) {
                EXPECT_EQ(zones[z].GetSampleName(), keyGroup.zones[z].sampleName);
                EXPECT_EQ(zones[z].GetTuneCents(), keyGroup.zones[z].tuneCents);
                EXPECT_EQ(zones[z].GetLoudness(), keyGroup.zones[z].loudness);
                EXPECT_EQ(zones[z].GetPan(), keyGroup.zones[z].pan);
                EXPECT_EQ(zones[z].GetLowVelocity(), 0);
                EXPECT_EQ(zones[z].GetHighVelocity(), 127);
            } else {
                EXPECT_EQ(zones[z].GetSampleName(), "");
                EXPECT_EQ(zones[z].GetHighVelocity(), 0);
            }
        }
    }
}

std::vector<CExpectedKeyGroup> ArpKeyGroups(const char* low, const char* high, std::int8_t pan)
{
    return {{36, 71, {{low, -10, 0, static_cast<std::int8_t>(-pan)}, {low, 0, -16, pan}}},
            {72, 127, {{high, 0, 0, static_cast<std::int8_t>(-pan)}, {high, -6, -16, pan}}}};
}

} // namespace

TEST(SamplerFiles, ProgramsGiveTheirKeyGroupsAndZones)
{
    const CExpectedKeyGroup kFullRange = {24, 127, {{"SINE", 0, 0, 0}}};
    const std::vector<CExpectedProgram> kPrograms = {
        {"instruments/test_program.a3p", "TEST PROGRAM", {kFullRange}},
        {"instruments/saw.a3p", "SAW", {{24, 127, {{"SAWTOOTH", 0, 0, 0}}}}},
        {"instruments/test_4_kgs.a3p",
         "TEST 4 KGS",
         {kFullRange, {24, 127, {{"SQUARE", 0, 0, 0}}}, {24, 127, {{"SAWTOOTH", 0, 0, 0}}},
          {24, 127, {{"PULSE", 0, 0, 0}}}}},
        {"instruments/arp________m.a3p", "ARP        M", ArpKeyGroups("ARP C1", "ARP C2", 0)},
        {"instruments/arp_2______m.a3p", "ARP 2      M", ArpKeyGroups("ARP 2 C1", "ARP 2 C2", 8)},
        {"instruments/arp_2_ld___m.a3p", "ARP 2 LD   M", ArpKeyGroups("ARP 2 C1", "ARP 2 C2", 8)},
        {"instruments/arp_2.1____m.a3p", "ARP 2.1    M", ArpKeyGroups("ARP 2 C1", "ARP 2 C2", 0)},
        {"instruments/arp_2.2____m.a3p", "ARP 2.2    M", ArpKeyGroups("ARP 2 C1", "ARP 2 C2", 0)},
    };
    for (const CExpectedProgram& program : kPrograms)
        CheckProgram(program);
    for (int count = 1; count <= 10; ++count) {
        const std::string number = (count < 10 ? "0" : "") + std::to_string(count);
        CheckProgram({("defaults/kg_" + number + ".a3p").c_str(), ("KG " + number).c_str(),
                      std::vector<CExpectedKeyGroup>(static_cast<std::size_t>(count), kFullRange)});
    }
}

TEST(SamplerFiles, SamplesGiveTheirPlayRangeLoopAndData)
{
    const struct
    {
        const char* file;
        const char* name;
        std::uint32_t frames;
        std::uint8_t rootNote;
        std::uint32_t start;
        std::uint32_t loopAt;
        std::uint32_t loopLength;
        std::uint16_t fraction;
    } kSamples[] = {
        {"instruments/sine.a3s", "SINE", 256, 60, 22, 192, 168, 36831},
        {"defaults/sine.a3s", "SINE", 256, 60, 22, 192, 168, 36831},
        {"instruments/square.a3s", "SQUARE", 256, 60, 22, 192, 168, 36831},
        {"instruments/sawtooth.a3s", "SAWTOOTH", 256, 60, 22, 192, 168, 36831},
        {"instruments/pulse.a3s", "PULSE", 256, 60, 22, 192, 168, 36831},
        {"instruments/arp_c1.a3s", "ARP C1", 44101, 36, 2000, 33024, 2707, 0},
        {"instruments/arp_c2.a3s", "ARP C2", 44101, 48, 2000, 33024, 2707, 0},
        {"instruments/arp_g2.a3s", "ARP G2", 44101, 36, 2000, 33024, 2710, 0},
        {"instruments/arp_2_c1.a3s", "ARP 2 C1", 44101, 60, 2000, 43987, 29114, 53084},
        {"instruments/arp_2_c2.a3s", "ARP 2 C2", 44101, 72, 2000, 33024, 23024, 0},
    };
    for (const auto& expected : kSamples) {
        SCOPED_TRACE(expected.file);
        const std::vector<std::uint8_t> bytes = ReadWholeFile(TestDataPath(expected.file));
        CRecordingFileMedia file(bytes);
        std::vector<std::string> reports;
        const auto sample = NSAkaiParser::CreateAkaiSample(file, kSamplerFormat, reports, expected.name);
        EXPECT_TRUE(reports.empty()) << reports.front();
        EXPECT_EQ(sample->GetName(), expected.name);
        EXPECT_EQ(sample->GetSampleRate(), 44100);
        EXPECT_EQ(sample->GetTuneCents(), 0);
        EXPECT_EQ(sample->GetMIDIRootNote(), expected.rootNote);
        EXPECT_EQ(sample->GetSampleLength(), expected.frames);
        EXPECT_EQ(sample->GetSampleStart(), expected.start);
        EXPECT_EQ(sample->GetSampleEnd(), expected.frames - 1);
        EXPECT_EQ(sample->GetLoops(), std::vector<NSAkaiParser::CAkaiLoop>{NSAkaiParser::CAkaiLoop(
                                          expected.loopAt, expected.fraction, expected.loopLength, 9999)});
        const NSAkaiParser::CSampleData& data = *sample->GetSampleData();
        ASSERT_EQ(data.size(), expected.frames);
        // The data is the rest of the file, little-endian.
        const std::size_t last = data.size() - 1;
        EXPECT_EQ(static_cast<std::uint16_t>(data[last]), bytes[192 + 2 * last] | (bytes[193 + 2 * last] << 8));
        EXPECT_NE(std::count(data.begin(), data.end(), 0), static_cast<std::ptrdiff_t>(data.size()));
    }
}
