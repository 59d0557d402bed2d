// Patch files: written whole, left for the independent checker, and read back.

#include "conversion/patch/OutputFileMemoryMedia.h"
#include "conversion/patch/PatchAssembly.h"
#include "conversion/patch/PatchFileWriter.h"
#include "conversion/patch/PatchModelReader.h"
#include "conversion/patch/tests/PatchFileExpectation.h"
#include "conversion/patch/tests/PatchTestFakes.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/chunks/IFFFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using namespace NSConverterImplementation;
using namespace NSAkaiConversion;
using NSPatchTests::CFakeAkaiProgram;
using NSPatchTests::CFakeAkaiSample;
using NSPatchTests::CFakeKeyGroup;
using NSPatchTests::CPatchExpectation;
using NSPatchTests::CZoneExpectation;
using NSPatchTests::MakeSample;
using NSPatchTests::MakeZones;
using NSPatchTests::SavePatchFile;

namespace {

using TNames = std::vector<std::string>;

// The model of the "BODY" chunk, found as any reader of the file would find it.
CPatchModel ReadBackModel(COutputFileMemoryMedia& file)
{
    NSTramvell::CIFFFileReader reader(file, 0);
    reader.RequireFORM("PTCH");
    const std::unique_ptr<NSTramvell::CMedia> body = reader.OpenChunk("BODY");
    if (body == nullptr)
        throw std::runtime_error("no BODY chunk");
    body->SetPosition(5); // the chunk's own version comes before the model
    return ReadPatchModel(*body);
}

// Writes a model as the file writer does, chunk by chunk.
std::unique_ptr<COutputFileMemoryMedia> WriteModelFile(const std::string& programName, const CPatchModel& model,
                                                       const TNames& slots, const TNames& references)
{
    auto file = std::make_unique<COutputFileMemoryMedia>(kPatchFileInitialCapacityInBytes);
    NSTramvell::CIFFFileWriter writer(*file, 0);
    writer.BeginFORM("PTCH");
    WriteReferenceGroup(writer, references);
    WriteDescriptionChunk(writer, programName);
    WritePatchInfoChunk(writer);
    WriteParameterChunk(writer);
    WriteSampleTableChunk(writer, model, slots, references);
    writer.EndChunk();
    return file;
}

// Every field its own value, each set through its own setter under the checker's name for it.
CPatchZone MakeDistinctZone(CZoneExpectation& e)
{
    e.Put("slotIndex", 0);
    CSampleMapBlock map;
    map.SetLowKey(e.Put("lowKey", 10));
    map.SetHighKey(e.Put("highKey", 11));
    map.SetLowVelocity(e.Put("lowVelocity", 12));
    map.SetHighVelocity(e.Put("highVelocity", 13));
    map.SetRootKey(e.Put("rootKey", 14));
    map.SetFineTune(e.Put("fineTune", -15));
    map.SetSampleStart(e.Put("sampleStart", 100001));
    map.SetSampleEnd(e.Put("sampleEnd", 100002));
    map.SetLoopStart(e.Put("loopStart", 100003));
    map.SetLoopEnd(e.Put("loopEnd", 100004));
    map.SetFrameCount(e.Put("frameCount", 100005));
    map.SetLoopMode(e.Put("loopMode", 2));
    map.SetFirstReserved(e.Put("firstReserved", 17));
    map.SetVelocityFadeLow(e.Put("velocityFadeLow", 18));
    map.SetVelocityFadeHigh(e.Put("velocityFadeHigh", 19));
    map.SetSecondReserved(e.Put("secondReserved", 20));

    CModulationBlock modulation;
    for (std::size_t i = 0; i < CModulationBlock::kAmountCount; ++i)
        modulation.SetAmount(i, e.Put("amount" + std::to_string(i + 1), -101 - static_cast<std::int32_t>(i)));
    for (std::size_t i = 0; i < CModulationBlock::kSwitchCount; ++i)
        modulation.SetSwitch(i, e.Put("switch" + std::to_string(i + 1), 21 + static_cast<std::int32_t>(i)));

    CPitchLfoBlock pitchLfo;
    pitchLfo.SetTypeByte(e.Put("lfo1.typeByte", 33));
    pitchLfo.SetRate(e.Put("lfo1.rate", -1234));
    pitchLfo.SetStepByte(e.Put("lfo1.stepByte", 3));
    pitchLfo.SetDelay(e.Put("lfo1.delay", -2345));
    pitchLfo.SetTargetByte(e.Put("lfo1.targetByte", 34));
    pitchLfo.SetPitchAmount(e.Put("lfo1.pitchAmount", 1201));
    pitchLfo.SetFirstAmount(e.Put("lfo1.firstAmount", 301));
    pitchLfo.SetSecondAmount(e.Put("lfo1.secondAmount", -302));
    pitchLfo.SetEndByte(e.Put("lfo1.endByte", 35));

    CPanLfoBlock panLfo;
    panLfo.SetRate(e.Put("lfo2.rate", 2222));
    panLfo.SetDelay(e.Put("lfo2.delay", -3456));
    panLfo.SetPitchAmount(e.Put("lfo2.pitchAmount", -1202));
    panLfo.SetAmount(e.Put("lfo2.amount", 303));

    CModulationEnvelopeBlock modulationEnvelope;
    modulationEnvelope.SetDelay(e.Put("modEnv.delay", -4567));
    modulationEnvelope.SetAttack(e.Put("modEnv.attack", -5678));
    modulationEnvelope.SetHold(e.Put("modEnv.hold", -6789));
    modulationEnvelope.SetDecay(e.Put("modEnv.decay", 1234));
    modulationEnvelope.SetSustain(e.Put("modEnv.sustain", 401));
    modulationEnvelope.SetRelease(e.Put("modEnv.release", 2345));
    modulationEnvelope.SetCurve(e.Put("modEnv.curve", -150));
    modulationEnvelope.SetAmount(e.Put("modEnv.amount", -304));
    modulationEnvelope.SetPitchAmount(e.Put("modEnv.pitchAmount", 3456));

    CTuningBlock tuning;
    tuning.SetBendRange(e.Put("bendRange", 9));
    tuning.SetOctave(e.Put("octave", -4));
    tuning.SetSemitone(e.Put("semitone", -11));
    tuning.SetCents(e.Put("cents", 49));
    tuning.SetKeyTracking(e.Put("pitchKeyTracking", 1111));

    CFilterBlock filter;
    filter.SetMode(e.Put("filter.mode", 36));
    filter.SetFrequency(e.Put("filter.frequency", 7777));
    filter.SetResonance(e.Put("filter.resonance", 555));
    filter.SetTypeByte(e.Put("filter.typeByte", 37));
    filter.SetKeyTracking(e.Put("filter.keyTracking", 1199));

    CAmplitudeEnvelopeBlock amplitudeEnvelope;
    amplitudeEnvelope.SetDelay(e.Put("ampEnv.delay", 3985));
    amplitudeEnvelope.SetAttack(e.Put("ampEnv.attack", 6773));
    amplitudeEnvelope.SetHold(e.Put("ampEnv.hold", -14399));
    amplitudeEnvelope.SetDecay(e.Put("ampEnv.decay", -7000));
    amplitudeEnvelope.SetSustainGain(e.Put("ampEnv.sustainGain", -1439));
    amplitudeEnvelope.SetRelease(e.Put("ampEnv.release", 6000));
    amplitudeEnvelope.SetCurve(e.Put("ampEnv.curve", 199));
    amplitudeEnvelope.SetLevel(e.Put("level", 845));

    CPanBlock pan;
    pan.SetPan(e.Put("pan", 999));
    pan.SetTypeByte(e.Put("panTypeByte", 38));
    pan.SetAmount(e.Put("panAmount", 998));

    return CPatchZone(map, modulation, pitchLfo, panLfo, modulationEnvelope, tuning, filter, amplitudeEnvelope, pan);
}

// The eight values that a flag byte follows, all at their minimum or all one above it.
CPatchZone MakeFlagZone(CZoneExpectation& e, std::int32_t position, std::int32_t aboveMinimum)
{
    CPatchZone zone;
    zone.SetSampleSlotIndex(e.Put("slotIndex", position));
    CPitchLfoBlock pitchLfo;
    pitchLfo.SetDelay(e.Put("lfo1.delay", -10500 + aboveMinimum));
    zone.SetPitchLfo(pitchLfo);
    CPanLfoBlock panLfo;
    panLfo.SetDelay(e.Put("lfo2.delay", -10500 + aboveMinimum));
    zone.SetPanLfo(panLfo);
    CModulationEnvelopeBlock modulationEnvelope;
    modulationEnvelope.SetDelay(e.Put("modEnv.delay", -10500 + aboveMinimum));
    modulationEnvelope.SetAttack(e.Put("modEnv.attack", -14400 + aboveMinimum));
    modulationEnvelope.SetHold(e.Put("modEnv.hold", -14400 + aboveMinimum));
    zone.SetModulationEnvelope(modulationEnvelope);
    CAmplitudeEnvelopeBlock amplitudeEnvelope;
    amplitudeEnvelope.SetDelay(e.Put("ampEnv.delay", -10500 + aboveMinimum));
    amplitudeEnvelope.SetAttack(e.Put("ampEnv.attack", -14400 + aboveMinimum));
    amplitudeEnvelope.SetHold(e.Put("ampEnv.hold", -14400 + aboveMinimum));
    zone.SetAmplitudeEnvelope(amplitudeEnvelope);
    return zone;
}

// A program of one keygroup 24..127 whose zones play A (written) and B (not written).
class PatchFileWriting : public testing::Test
{
protected:
    PatchFileWriting()
    {
        mProgram.name = "TEST PROGRAM";
        mProgram.headerFormat = 8;
        mProgram.polyphony = 16;
        mKeyGroup.lowKey = 24;
        mKeyGroup.highKey = 127;
        mKeyGroup.filter = 99;
        mKeyGroup.sampleParameters = MakeZones({{.sampleName = "A"}, {.sampleName = "B"}});
        mTable = {{&mKeyGroup, 0, 0}, {&mKeyGroup, 1, 1}};
        mProgram.keyGroups = {&mKeyGroup};
        mExpected.programName = mProgram.name;
        mExpected.parameters = {{16, 47, 0, -536}};
    }

    // Writes the file, leaves it for the checker and reads its model back against the assembly's.
    void WriteAndCheck(const std::string& caseName, std::uint8_t outputMode)
    {
        TNames references;
        TNames missing;
        std::unique_ptr<COutputFileMemoryMedia> file =
            WritePatchFile(mProgram, mRecords, mTable, references, missing, outputMode);
        EXPECT_EQ(references, mExpected.references);
        mMissing = missing;
        SavePatchFile(caseName, *file, &mExpected);

        TNames assembledReferences;
        TNames assembledMissing;
        TNames slots;
        const CPatchModel assembled = AssemblePatch(mProgram, mRecords, mTable, assembledReferences, assembledMissing,
                                                    slots, outputMode);
        EXPECT_EQ(slots, mExpected.slots);
        EXPECT_EQ(ReadBackModel(*file), assembled);
    }

    // The fields each zone of the default keygroup must hold.
    CZoneExpectation& ExpectZone(std::int32_t position, std::int32_t lowVelocity = 1, std::int32_t highVelocity = 127)
    {
        CZoneExpectation& zone = mExpected.zones.emplace_back();
        zone.Put("slotIndex", position);
        zone.Put("lowKey", 24);
        zone.Put("highKey", 127);
        zone.Put("lowVelocity", lowVelocity);
        zone.Put("highVelocity", highVelocity);
        zone.Put("rootKey", 60);
        zone.Put("frameCount", 100);
        zone.Put("sampleEnd", 100);
        return zone;
    }

    CFakeAkaiProgram mProgram;
    CFakeKeyGroup mKeyGroup;
    CFakeAkaiSample mSampleA = MakeSample("A");
    CFakeAkaiSample mSampleB = MakeSample("B");
    COutputSampleRecords mRecords{{&mSampleA, nullptr, "A.wav", true}, {&mSampleB, nullptr, "B.wav", false}};
    CZoneTable mTable;
    CPatchExpectation mExpected;
    TNames mMissing;
};

} // namespace

TEST(PatchFile, DistinctValueModelSurvivesTheChunkWriters)
{
    CPatchExpectation expected;
    expected.programName = "DISTINCT \"VALUES\"";
    expected.references = {"A sample.wav"};
    expected.slots = {"A sample.wav"};
    expected.parameters = {{5, 46, 100, 4499}, {98, 47, 1, -9699}};
    const CPatchModel model({CPatchParameterRecord(5, 46, 100, 4499), CPatchParameterRecord(98, 47, 1, -9699)},
                            {MakeDistinctZone(expected.zones.emplace_back())});

    std::unique_ptr<COutputFileMemoryMedia> file =
        WriteModelFile(expected.programName, model, expected.slots, expected.references);
    SavePatchFile("distinct_values", *file, &expected);
    EXPECT_EQ(ReadBackModel(*file), model);
}

TEST(PatchFile, FlagBytesMarkValuesAtTheirMinimum)
{
    CPatchExpectation expected;
    expected.programName = "FLAGS";
    expected.references = {"ONE.wav", "TWO.wav"};
    expected.slots = {"TWO.wav", ""};
    expected.parameters = {{8, 47, 0, -536}};
    const CPatchModel model({CPatchParameterRecord()}, {MakeFlagZone(expected.zones.emplace_back(), 0, 0),
                                                        MakeFlagZone(expected.zones.emplace_back(), 1, 1)});

    std::unique_ptr<COutputFileMemoryMedia> file =
        WriteModelFile(expected.programName, model, expected.slots, expected.references);
    SavePatchFile("flags", *file, &expected);
    EXPECT_EQ(ReadBackModel(*file), model);
}

TEST(PatchFile, SlotNameWithoutReferenceIsRefused)
{
    const CPatchModel model({CPatchParameterRecord()}, {CPatchZone()});
    EXPECT_THROW(WriteModelFile("X", model, {"NOWHERE.wav"}, {"A.wav"}), std::invalid_argument);
}

TEST_F(PatchFileWriting, ArchiveModeEmptiesTheSlotOfAMissingSample)
{
    mExpected.references = {"A.wav"};
    mExpected.slots = {"A.wav", ""};
    ExpectZone(0);
    ExpectZone(1);
    WriteAndCheck("archive_missing", kOutputModeArchive);
    EXPECT_EQ(mMissing, (TNames{"B.wav"}));
}

TEST_F(PatchFileWriting, FolderModeKeepsTheNameOfAMissingSample)
{
    mExpected.references = {"A.wav", "B.wav"};
    mExpected.slots = {"A.wav", "B.wav"};
    ExpectZone(0);
    ExpectZone(1);
    WriteAndCheck("folder_missing", kOutputModeFolder);
    EXPECT_EQ(mMissing, (TNames{"B.wav"}));
}

TEST_F(PatchFileWriting, NoWrittenSampleLeavesTheReferencesEmpty)
{
    mRecords[0].SetWritten(false);
    mExpected.references = {};
    mExpected.slots = {"", ""};
    ExpectZone(0);
    ExpectZone(1);
    WriteAndCheck("no_references", kOutputModeArchive);
}

TEST_F(PatchFileWriting, ProgramWithoutKeyGroupsHasOneDefaultZone)
{
    mProgram.keyGroups.clear();
    mProgram.polyphony = 0;
    mExpected.parameters = {{1, 47, 0, -536}};
    mExpected.slots = {""};
    CZoneExpectation& zone = mExpected.zones.emplace_back();
    zone.Put("slotIndex", 0);
    zone.Put("lowKey", 36);
    zone.Put("highKey", 96);
    zone.Put("rootKey", 60);
    zone.Put("modEnv.attack", -13159);
    zone.Put("ampEnv.decay", -7271);
    zone.Put("filter.frequency", 14100);
    WriteAndCheck("no_keygroups", kOutputModeArchive);
}

TEST_F(PatchFileWriting, CrossfadedVelocityZonesCarryTheirFades)
{
    CFakeKeyGroup plain = mKeyGroup;
    mKeyGroup.velocityZoneCrossfade = true;
    mKeyGroup.sampleParameters = MakeZones({{.sampleName = "A", .lowVelocity = 1, .highVelocity = 80},
                                            {.sampleName = "B", .lowVelocity = 60, .highVelocity = 127}});
    plain.sampleParameters = mKeyGroup.sampleParameters;
    mProgram.keyGroups = {&mKeyGroup, &plain};
    mTable.push_back({&plain, 0, 0});
    mTable.push_back({&plain, 1, 1});
    mExpected.references = {"A.wav", "B.wav"};
    mExpected.slots = {"A.wav", "B.wav", "A.wav", "B.wav"};
    const std::int32_t fades[4][2] = {{0, 60}, {80, 128}, {0, 128}, {0, 128}};
    for (std::int32_t i = 0; i < 4; ++i) {
        CZoneExpectation& zone = ExpectZone(i, i % 2 == 0 ? 1 : 60, i % 2 == 0 ? 80 : 127);
        zone.Put("velocityFadeLow", fades[i][0]);
        zone.Put("velocityFadeHigh", fades[i][1]);
    }
    WriteAndCheck("velocity_fades", kOutputModeFolder);
}

TEST_F(PatchFileWriting, OpenFiltersGetTheTopFrequency)
{
    // Kind 7 puts the cutoff 99 below the top, so only the open-filter rule can give 14100.
    mProgram.headerFormat = 7;
    mExpected.references = {"A.wav", "B.wav"};
    mExpected.slots = {"A.wav", "B.wav"};
    ExpectZone(0).Put("filter.frequency", 14100);
    ExpectZone(1).Put("filter.frequency", 14100);
    WriteAndCheck("open_filters", kOutputModeFolder);
}

TEST_F(PatchFileWriting, AFailingProgramLeavesNothingBehind)
{
    class CThrowingProgram : public CFakeAkaiProgram
    {
    public:
        std::string GetName() const override { throw std::runtime_error("no name"); }
    };
    CThrowingProgram program;
    program.keyGroups = {&mKeyGroup};
    TNames references;
    TNames missing;
    // The partly written memory file must be freed; the sanitizer build reports it otherwise.
    EXPECT_THROW(WritePatchFile(program, mRecords, mTable, references, missing, kOutputModeFolder), std::runtime_error);
}

TEST(PatchModelReader, MajorOneListsCarryAnExtraWord)
{
    NSTramvell::COwnedMemoryMedia media;
    const std::uint8_t stored[] = {0xBC, 1, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF, 0, 0, 0, 1, 12, 46, 127, 0xFF, 0xFF, 0xDA,
                                   0x3C, 0xBC, 1, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    media.Write(sizeof stored, stored);
    media.SetPosition(0);
    const CPatchModel model = ReadPatchModel(media);
    ASSERT_EQ(model.GetParameters().size(), 1u);
    EXPECT_EQ(model.GetParameters()[0], CPatchParameterRecord(12, 46, 127, -9668));
    EXPECT_EQ(model.GetParameters()[0].GetIdentifier(), 666);
    EXPECT_TRUE(model.GetZones().empty());
}

TEST(PatchModelReader, DamagedModelsAreRefused)
{
    // A written model of one parameter record and one zone, then damaged at one place per case.
    NSTramvell::COwnedMemoryMedia written;
    WritePatchModel(written, CPatchModel({CPatchParameterRecord()}, {CPatchZone()}));
    constexpr std::int32_t kZoneListStart = 5 + 4 + 7;
    constexpr std::int32_t kZoneStart = kZoneListStart + 5 + 4;
    const struct
    {
        const char* what;
        std::int32_t offset;
        std::vector<std::uint8_t> bytes;
    } kCases[] = {
        {"parameter list marker", 0, {0xBD}},
        {"parameter list major 3", 1, {3}},
        {"zone list major 0", kZoneListStart + 1, {0}},
        {"kind 48", 5 + 4 + 1, {48}},
        {"kind 45", 5 + 4 + 1, {45}},
        {"negative sample start", kZoneStart + 11, {0x80}},
        {"negative frame count", kZoneStart + 27, {0xFF}},
        {"parameter count past the end", 5, {0x00, 0x00, 0x01, 0x00}},
        {"zone count of 4 GB", kZoneListStart + 5, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"zone count one too many", kZoneListStart + 5, {0x00, 0x00, 0x00, 0x02}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        NSTramvell::COwnedMemoryMedia damaged(written);
        damaged.WriteAt(c.offset, static_cast<std::int32_t>(c.bytes.size()), c.bytes.data());
        damaged.SetPosition(0);
        EXPECT_THROW(ReadPatchModel(damaged), NSTramvell::XBadFormat);
    }
    NSTramvell::COwnedMemoryMedia cut(written.GetSize() - 1, written.GetBuffer());
    EXPECT_THROW(ReadPatchModel(cut), NSTramvell::XBadFormat);
    written.SetPosition(0);
    EXPECT_NO_THROW(ReadPatchModel(written));
}

TEST(PatchModelReader, OutOfRangeValuesComeBackClamped)
{
    CPatchZone zone;
    CSampleMapBlock map;
    map.SetLowKey(200);
    map.SetLowVelocity(0);
    map.SetFineTune(-51);
    map.SetVelocityFadeHigh(129);
    zone.SetSampleMap(map);
    CTuningBlock tuning;
    tuning.SetOctave(-6);
    tuning.SetSemitone(13);
    tuning.SetCents(-32768);
    zone.SetTuning(tuning);
    CAmplitudeEnvelopeBlock envelope;
    envelope.SetLevel(5000);
    envelope.SetSustainGain(1);
    zone.SetAmplitudeEnvelope(envelope);
    NSTramvell::COwnedMemoryMedia media;
    WritePatchModel(media, CPatchModel({CPatchParameterRecord(0, 47, 200, 9999)}, {zone}));
    media.SetPosition(0);

    const CPatchModel model = ReadPatchModel(media);
    EXPECT_EQ(model.GetParameters()[0], CPatchParameterRecord(1, 47, 127, 4500));
    const CPatchZone& read = model.GetZones().at(0);
    EXPECT_EQ(read.GetSampleMap().GetLowKey(), 127);
    EXPECT_EQ(read.GetSampleMap().GetLowVelocity(), 1);
    EXPECT_EQ(read.GetSampleMap().GetFineTune(), -50);
    EXPECT_EQ(read.GetSampleMap().GetVelocityFadeHigh(), 128);
    EXPECT_EQ(read.GetTuning().GetOctave(), -5);
    EXPECT_EQ(read.GetTuning().GetSemitone(), 12);
    EXPECT_EQ(read.GetTuning().GetCents(), -50);
    EXPECT_EQ(read.GetAmplitudeEnvelope().GetLevel(), 846);
    EXPECT_EQ(read.GetAmplitudeEnvelope().GetSustainGain(), 0);
}

TEST(OutputFileMemoryMedia, ReadsOnlyWithinItsBytes)
{
    auto file = std::make_unique<COutputFileMemoryMedia>(4);
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5, 6};
    file->Write(sizeof bytes, bytes);
    std::unique_ptr<NSConverter::IOutputFileMedia> output(file.release());
    EXPECT_EQ(output->GetSize(), 6);

    std::uint8_t read[3] = {};
    output->Read(3, 3, read);
    EXPECT_EQ(read[0], 4);
    EXPECT_EQ(read[2], 6);
    output->Read(6, 0, read);

    const struct
    {
        std::int64_t position;
        std::int64_t length;
    } kRefused[] = {{-1, 1}, {0, -1}, {4, 3}, {7, 0}, {0x100000000LL, 1}, {1, 0x100000001LL},
                    {INT64_MAX, INT64_MAX}};
    for (const auto& c : kRefused) {
        SCOPED_TRACE(testing::Message() << c.position << "+" << c.length);
        EXPECT_THROW(output->Read(c.position, c.length, read), NSTramvell::XRead);
    }
}
