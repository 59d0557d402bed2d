// Programs and samples saved by a real Akai sampler, parsed and converted into patch files.

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"
#include "conversion/patch/PatchAssembly.h"
#include "conversion/patch/PatchFileWriter.h"
#include "conversion/patch/ZoneSamples.h"
#include "conversion/patch/tests/PatchFileExpectation.h"
#include "conversion/patch/tests/PatchTestFakes.h"

#include <gtest/gtest.h>

#include <memory>

using namespace NSAkaiConversion;
using namespace NSConverterImplementation;
using NSPatchTests::CPatchExpectation;
using NSPatchTests::CZoneExpectation;

namespace {

// The sampler's long header layout, which these files use.
constexpr std::int32_t kLongHeaderFormat = 8;

// The program's polyphony, which these files keep within the patch's range 1..99.
std::int32_t PolyphonyOf(const NSAkaiParser::IAkaiProgram& program)
{
    const std::int32_t polyphony = program.GetPolyphony();
    EXPECT_GE(polyphony, 1);
    EXPECT_LE(polyphony, 99);
    return polyphony;
}

struct CSampleFile
{
    const char* fileName;
    const char* name;
};

class PatchRealFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        NSAkaiTestSupport::InstallParserStrings();
        NSPatchTests::UseConverterTestStrings();
    }

    void ReadSamples(const std::vector<CSampleFile>& files)
    {
        for (const CSampleFile& file : files) {
            NSAkaiTestSupport::CRecordingFileMedia media(NSAkaiTestSupport::ReadWholeFile(
                NSAkaiTestSupport::TestDataPath(std::string("instruments/") + file.fileName)));
            std::vector<std::string> reports;
            mSamples.push_back(NSAkaiParser::CreateAkaiSample(media, kLongHeaderFormat, reports, file.name));
            mParsedSamples.push_back(mSamples.back().get());
        }
    }

    std::unique_ptr<NSAkaiParser::IAkaiProgram> ReadProgram(const std::string& fileName)
    {
        NSAkaiTestSupport::CRecordingFileMedia media(NSAkaiTestSupport::ReadWholeFile(
            NSAkaiTestSupport::TestDataPath("instruments/" + fileName)));
        std::vector<std::string> reports;
        return NSAkaiParser::CreateAkaiProgram(media, kLongHeaderFormat, reports);
    }

    // Analyses the program's samples as the volume conversion does, marks every record written and writes
    // the patch in folder mode.
    void Convert(const NSAkaiParser::IAkaiProgram& program, const std::string& caseName,
                 const CPatchExpectation& expected)
    {
        for (const NSAkaiParser::IKeyGroup* keyGroup : program.GetKeyGroups())
            AddKeyGroupSamples(program, *keyGroup, mParsedSamples, mRecords, mTable);
        AddLeftOverSamples(mParsedSamples, mRecords);
        for (COutputSampleRecord& record : mRecords)
            record.SetWritten(record.GetLeftSample() != nullptr);

        std::vector<std::string> references;
        std::vector<std::string> missing;
        const std::unique_ptr<COutputFileMemoryMedia> file =
            WritePatchFile(program, mRecords, mTable, references, missing, kOutputModeFolder);
        EXPECT_EQ(references, expected.references);
        EXPECT_TRUE(missing.empty());
        NSPatchTests::SavePatchFile(caseName, *file, &expected);
    }

    std::vector<std::unique_ptr<NSAkaiParser::IAkaiSample>> mSamples;
    CParsedSamples mParsedSamples;
    COutputSampleRecords mRecords;
    CZoneTable mTable;
};

} // namespace

TEST_F(PatchRealFiles, FourKeyGroupsOfShortLoopedWaves)
{
    ReadSamples({{"sine.a3s", "SINE"}, {"square.a3s", "SQUARE"}, {"sawtooth.a3s", "SAWTOOTH"},
                 {"pulse.a3s", "PULSE"}});
    const std::unique_ptr<NSAkaiParser::IAkaiProgram> program = ReadProgram("test_4_kgs.a3p");
    ASSERT_EQ(program->GetKeyGroups().size(), 4u);

    CPatchExpectation expected;
    expected.programName = "TEST 4 KGS";
    expected.parameters = {{PolyphonyOf(*program), 47, 0, -536}};
    expected.references = {"SINE.wav", "SQUARE.wav", "SAWTOOTH.wav", "PULSE.wav"};
    expected.slots = expected.references;
    for (std::int32_t i = 0; i < 4; ++i) {
        CZoneExpectation& zone = expected.zones.emplace_back();
        zone.Put("slotIndex", i);
        zone.Put("lowKey", 24);
        zone.Put("highKey", 127);
        zone.Put("lowVelocity", 1);
        zone.Put("highVelocity", 127);
        zone.Put("rootKey", 60);
        zone.Put("fineTune", 0);
        zone.Put("sampleStart", 22);
        zone.Put("sampleEnd", 255);
        zone.Put("loopStart", 24);
        zone.Put("loopEnd", 192);
        zone.Put("frameCount", 256);
        zone.Put("loopMode", 1);
    }
    Convert(*program, "real_test_4_kgs", expected);
    EXPECT_EQ(mRecords.size(), 4u);
}

TEST_F(PatchRealFiles, LayeredZonesOnLongSamples)
{
    ReadSamples({{"arp_c1.a3s", "ARP C1"}, {"arp_c2.a3s", "ARP C2"}, {"arp_g2.a3s", "ARP G2"}});
    const std::unique_ptr<NSAkaiParser::IAkaiProgram> program = ReadProgram("arp________m.a3p");
    ASSERT_EQ(program->GetKeyGroups().size(), 2u);

    CPatchExpectation expected;
    expected.programName = "ARP        M";
    expected.parameters = {{PolyphonyOf(*program), 47, 0, -536}};
    expected.references = {"ARP C1.wav", "ARP C2.wav"};
    expected.slots = {"ARP C1.wav", "ARP C1.wav", "ARP C2.wav", "ARP C2.wav"};
    const struct
    {
        std::int32_t lowKey;
        std::int32_t highKey;
        std::int32_t rootKey;
    } kZones[] = {{36, 71, 36}, {36, 71, 36}, {72, 127, 48}, {72, 127, 48}};
    for (std::int32_t i = 0; i < 4; ++i) {
        CZoneExpectation& zone = expected.zones.emplace_back();
        zone.Put("slotIndex", i);
        zone.Put("lowKey", kZones[i].lowKey);
        zone.Put("highKey", kZones[i].highKey);
        zone.Put("rootKey", kZones[i].rootKey);
        zone.Put("sampleStart", 2000);
        zone.Put("sampleEnd", 44100);
        zone.Put("loopStart", 30317);
        zone.Put("loopEnd", 33024);
        zone.Put("frameCount", 44101);
    }
    Convert(*program, "real_arp_m", expected);
    // The sample that no program names still gets its file.
    ASSERT_EQ(mRecords.size(), 3u);
    EXPECT_EQ(mRecords[2].GetName(), "ARP G2.wav");
}
