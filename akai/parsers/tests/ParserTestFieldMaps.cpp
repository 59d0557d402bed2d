// Every field of the program, keygroup and sample records, one table per record kind: an
// out-of-range value at the field's bytes is clamped to the nearer bound and reported once under the
// parameter's name; the bounds themselves pass unreported. The offsets and ranges come from the
// record layout and from the validator fixture, not from the parsers.

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/KeyGroup.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordBuilder.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace NSAkaiTestSupport;

namespace {

enum class EField
{
    kUnsigned8,
    kSigned8,
    kSigned16,
    kTune,   // fine byte at the offset, semitones at the offset + 1
    kFlag,
};

enum class EFormats
{
    kAll,
    kShortOnly,
    kLongOnly,
};

template <typename TParsed>
struct CFieldRow
{
    std::size_t offset;
    EField kind;
    std::size_t row;                 // validator row; for flags the entry of the flag's name
    std::function<std::int64_t(const TParsed&)> getter;
    EFormats formats = EFormats::kAll;
    bool flagDefault = false;
    bool flagInverted = false;
};

struct CProbe
{
    std::int32_t stored;
    std::int64_t expected;
    bool reported;
};

bool AppliesTo(EFormats formats, std::int32_t format)
{
    return formats == EFormats::kAll || (formats == EFormats::kShortOnly) == (format == kShortFormat);
}

// The stored values worth trying for one field: both bounds, and one step past each bound that the
// field's width can hold.
template <typename TParsed>
std::vector<CProbe> ProbesFor(const CFieldRow<TParsed>& field)
{
    if (field.kind == EField::kFlag) {
        const auto stored = [&](bool flag) { return static_cast<std::int64_t>(flag != field.flagInverted); };
        return {{0, stored(false), false}, {1, stored(true), false}, {2, stored(field.flagDefault), true}};
    }
    const CValidatorFixtureRow row = LoadValidatorFixture().at(field.row);
    std::int64_t lowest = 0;
    std::int64_t highest = 255;
    if (field.kind == EField::kSigned8) {
        lowest = -128;
        highest = 127;
    } else if (field.kind == EField::kSigned16) {
        lowest = -32768;
        highest = 32767;
    } else if (field.kind == EField::kTune) {
        lowest = -12800;
        highest = 12700;
    }
    std::vector<CProbe> probes = {{row.minimum, row.minimum, false}, {row.maximum, row.maximum, false}};
    // Tunes are stored in whole semitones here, so the steps past the bounds are 100 cents.
    const std::int32_t step = field.kind == EField::kTune ? 100 : 1;
    if (row.minimum - step >= lowest)
        probes.push_back({row.minimum - step, row.minimum, true});
    if (row.maximum + step <= highest)
        probes.push_back({row.maximum + step, row.maximum, true});
    return probes;
}

template <typename TParsed>
void StoreField(CRecordBuilder& record, const CFieldRow<TParsed>& field, std::int32_t value)
{
    switch (field.kind) {
    case EField::kSigned16:
        record.Set16(field.offset, value);
        break;
    case EField::kTune:
        ASSERT_EQ(value % 100, 0);
        record.Set8(field.offset, 0).Set8(field.offset + 1, value / 100);
        break;
    default:
        record.Set8(field.offset, value);
        break;
    }
}

template <typename TParsed>
std::string NameOf(const CFieldRow<TParsed>& field)
{
    return field.kind == EField::kFlag ? TestString(NSAkaiParser::ParserStringId(static_cast<std::uint32_t>(field.row)))
                                       : RowName(field.row);
}

// Runs every probe of every row that applies to the format. makeFile builds the file around the
// record; parse gives the parsed object and fills the reports.
template <typename TParsed>
void CheckFieldMap(const std::vector<CFieldRow<TParsed>>& fields, std::int32_t format,
                   const std::function<CRecordBuilder()>& makeRecord,
                   const std::function<std::vector<std::uint8_t>(const CRecordBuilder&)>& makeFile,
                   const std::function<void(CRecordingFileMedia&, std::vector<std::string>&,
                                            const std::function<void(const TParsed&)>&)>& parse,
                   const std::string& prefix)
{
    InstallParserStrings();
    std::size_t checkedRows = 0;
    for (const CFieldRow<TParsed>& field : fields) {
        if (!AppliesTo(field.formats, format))
            continue;
        ++checkedRows;
        for (const CProbe& probe : ProbesFor(field)) {
            SCOPED_TRACE(testing::Message() << "format " << format << ", byte " << field.offset << " ("
                                            << NameOf(field) << "), stored " << probe.stored);
            CRecordBuilder record = makeRecord();
            StoreField(record, field, probe.stored);
            CRecordingFileMedia file(makeFile(record));
            std::vector<std::string> reports;
            parse(file, reports, [&](const TParsed& parsed) { EXPECT_EQ(field.getter(parsed), probe.expected); });
            if (probe.reported) {
                ASSERT_EQ(reports.size(), 1u);
                EXPECT_EQ(reports[0], prefix + OutOfRange(NameOf(field)));
            } else {
                EXPECT_TRUE(reports.empty()) << reports.front();
            }
        }
    }
    EXPECT_GT(checkedRows, 0u);
}

#define PROGRAM_GET(getter) [](const NSAkaiParser::IAkaiProgram& p) -> std::int64_t { return p.getter(); }
#define KEYGROUP_GET(getter) [](const NSAkaiParser::IKeyGroup& k) -> std::int64_t { return k.getter(); }
#define SAMPLE_GET(getter) [](const NSAkaiParser::IAkaiSample& s) -> std::int64_t { return s.getter(); }

std::vector<CFieldRow<NSAkaiParser::IAkaiProgram>> ProgramFields()
{
    using K = EField;
    using F = EFormats;
    std::vector<CFieldRow<NSAkaiParser::IAkaiProgram>> fields = {
        {17, K::kUnsigned8, 38, PROGRAM_GET(GetPolyphony)},
        {19, K::kUnsigned8, 0, PROGRAM_GET(GetLowKey)},
        {20, K::kUnsigned8, 1, PROGRAM_GET(GetHighKey)},
        {21, K::kSigned8, 40, PROGRAM_GET(GetOctaveShift), F::kShortOnly},
        {23, K::kUnsigned8, 41, PROGRAM_GET(GetMixOutputLevel)},
        {24, K::kSigned8, 42, PROGRAM_GET(GetMixOutputPan)},
        {25, K::kUnsigned8, 43, PROGRAM_GET(GetVolume)},
        {26, K::kSigned8, 44, PROGRAM_GET(GetVelocityToVolume)},
        {27, K::kSigned8, 45, PROGRAM_GET(GetAmpMod1Depth), F::kShortOnly},
        {28, K::kSigned8, 46, PROGRAM_GET(GetAmpMod2Depth), F::kShortOnly},
        {29, K::kUnsigned8, 47, PROGRAM_GET(GetPanLFORate)},
        {30, K::kUnsigned8, 48, PROGRAM_GET(GetPanLFODepth)},
        {31, K::kUnsigned8, 49, PROGRAM_GET(GetPanLFODelay)},
        {32, K::kSigned8, 50, PROGRAM_GET(GetPanMod1Depth), F::kShortOnly},
        {33, K::kUnsigned8, 51, PROGRAM_GET(GetLFORate)},
        {34, K::kUnsigned8, 52, PROGRAM_GET(GetLFODepth)},
        {35, K::kUnsigned8, 53, PROGRAM_GET(GetLFODelay)},
        {36, K::kUnsigned8, 54, PROGRAM_GET(GetModToLFODepth)},
        {37, K::kUnsigned8, 55, PROGRAM_GET(GetPressureToLFODepth)},
        {38, K::kUnsigned8, 56, PROGRAM_GET(GetVelocityToLFODepth)},
        {39, K::kUnsigned8, 57, PROGRAM_GET(GetBendToPitch)},
        {40, K::kSigned8, 58, PROGRAM_GET(GetPressureToPitch)},
        {41, K::kUnsigned8, 59, PROGRAM_GET(GetKeyGroupCrossfade)},
        {57, K::kSigned8, 63, PROGRAM_GET(GetPanMod2Depth), F::kShortOnly},
        {59, K::kFlag, 175, PROGRAM_GET(GetLFODesync), F::kAll, true},
        {62, K::kUnsigned8, 66, PROGRAM_GET(GetSoftpedToVolume)},
        {63, K::kUnsigned8, 67, PROGRAM_GET(GetSoftpedToAttack)},
        {64, K::kUnsigned8, 68, PROGRAM_GET(GetSoftpedToFilter)},
        {67, K::kSigned8, 69, PROGRAM_GET(GetLFORateMod), F::kShortOnly},
        {68, K::kSigned8, 70, PROGRAM_GET(GetLFODepthModDepth), F::kShortOnly},
        {69, K::kSigned8, 71, PROGRAM_GET(GetLFODelayModDepth), F::kShortOnly},
        {70, K::kUnsigned8, 121, PROGRAM_GET(GetVoiceOutputScale), F::kLongOnly},
        {72, K::kFlag, 195, PROGRAM_GET(GetMonoLegatoModeEnabled), F::kLongOnly, false},
        {73, K::kUnsigned8, 122, PROGRAM_GET(GetBendwheelRangeDecrease), F::kLongOnly},
        {75, K::kSigned8, 124, PROGRAM_GET(GetIncomingMIDIPitchShift), F::kLongOnly},
        {76, K::kUnsigned8, 125, PROGRAM_GET(GetPanMod1Source), F::kLongOnly},
        {77, K::kUnsigned8, 126, PROGRAM_GET(GetPanMod2Source), F::kLongOnly},
        {78, K::kUnsigned8, 127, PROGRAM_GET(GetPanMod3Source), F::kLongOnly},
        {79, K::kUnsigned8, 128, PROGRAM_GET(GetAmpMod1Source), F::kLongOnly},
        {80, K::kUnsigned8, 129, PROGRAM_GET(GetAmpMod2Source), F::kLongOnly},
        {81, K::kUnsigned8, 130, PROGRAM_GET(GetLFORateModSource), F::kLongOnly},
        {82, K::kUnsigned8, 131, PROGRAM_GET(GetLFODepthModSource), F::kLongOnly},
        {83, K::kUnsigned8, 132, PROGRAM_GET(GetLFODelayModSource), F::kLongOnly},
        {84, K::kUnsigned8, 133, PROGRAM_GET(GetFilterMod1Source), F::kLongOnly},
        {85, K::kUnsigned8, 134, PROGRAM_GET(GetFilterMod2Source), F::kLongOnly},
        {86, K::kUnsigned8, 135, PROGRAM_GET(GetFilterMod3Source), F::kLongOnly},
        {87, K::kUnsigned8, 136, PROGRAM_GET(GetPitchModSource), F::kLongOnly},
        {88, K::kUnsigned8, 137, PROGRAM_GET(GetAmpMod3Source), F::kLongOnly},
        {89, K::kSigned8, 138, PROGRAM_GET(GetPanMod1Depth), F::kLongOnly},
        {90, K::kSigned8, 139, PROGRAM_GET(GetPanMod2Depth), F::kLongOnly},
        {91, K::kSigned8, 140, PROGRAM_GET(GetPanMod3Depth), F::kLongOnly},
        {92, K::kSigned8, 141, PROGRAM_GET(GetAmpMod1Depth), F::kLongOnly},
        {93, K::kSigned8, 142, PROGRAM_GET(GetAmpMod2Depth), F::kLongOnly},
        {94, K::kSigned8, 143, PROGRAM_GET(GetLFORateMod), F::kLongOnly},
        {95, K::kSigned8, 144, PROGRAM_GET(GetLFODepthModDepth), F::kLongOnly},
        {96, K::kSigned8, 145, PROGRAM_GET(GetLFODelayModDepth), F::kLongOnly},
        {97, K::kUnsigned8, 146, PROGRAM_GET(GetLFO1Waveform), F::kLongOnly},
        {98, K::kUnsigned8, 147, PROGRAM_GET(GetLFO2Waveform), F::kLongOnly},
        {99, K::kUnsigned8, 148, PROGRAM_GET(GetFilter2Mod1Source), F::kLongOnly},
        {100, K::kUnsigned8, 149, PROGRAM_GET(GetFilter2Mod2Source), F::kLongOnly},
        {101, K::kUnsigned8, 150, PROGRAM_GET(GetFilter2Mod3Source), F::kLongOnly},
        {102, K::kFlag, 225, PROGRAM_GET(GetLFO2Retrigger), F::kLongOnly, false, true},
        {110, K::kUnsigned8, 151, PROGRAM_GET(GetPortamentoTime), F::kLongOnly},
        {112, K::kFlag, 228, PROGRAM_GET(GetPortamentoOn), F::kLongOnly, false},
    };
    // Each of the twelve key temperament bytes is its own field.
    for (std::size_t i = 0; i < 12; ++i) {
        fields.push_back({44 + i, K::kSigned8, 61, [i](const NSAkaiParser::IAkaiProgram& p) -> std::int64_t {
                              return p.GetKeyTemperament().at(i);
                          }});
    }
    return fields;
}

std::vector<CFieldRow<NSAkaiParser::IKeyGroup>> KeyGroupFields()
{
    using K = EField;
    using F = EFormats;
    std::vector<CFieldRow<NSAkaiParser::IKeyGroup>> fields = {
        {3, K::kUnsigned8, 0, KEYGROUP_GET(GetLowKey)},
        {4, K::kUnsigned8, 1, KEYGROUP_GET(GetHighKey)},
        {5, K::kTune, 80, KEYGROUP_GET(GetTuneCents)},
        {7, K::kUnsigned8, 2, KEYGROUP_GET(GetFilter)},
        {8, K::kSigned8, 3, KEYGROUP_GET(GetKeyToFilter)},
        {9, K::kSigned8, 4, KEYGROUP_GET(GetMod1ToFilter), F::kShortOnly},
        {10, K::kSigned8, 5, KEYGROUP_GET(GetMod2ToFilter), F::kShortOnly},
        {11, K::kSigned8, 6, KEYGROUP_GET(GetMod3ToFilter), F::kShortOnly},
        {12, K::kUnsigned8, 7, KEYGROUP_GET(GetEnv1Attack)},
        {13, K::kUnsigned8, 8, KEYGROUP_GET(GetEnv1Decay)},
        {14, K::kUnsigned8, 9, KEYGROUP_GET(GetEnv1Sustain)},
        {15, K::kUnsigned8, 10, KEYGROUP_GET(GetEnv1Release)},
        {16, K::kSigned8, 11, KEYGROUP_GET(GetEnv1VelocityToAttack)},
        {17, K::kSigned8, 12, KEYGROUP_GET(GetEnv1VelocityToRelease)},
        {18, K::kSigned8, 13, KEYGROUP_GET(GetEnv1OffVelocityToRelease)},
        {19, K::kSigned8, 14, KEYGROUP_GET(GetEnv1KeyToDecayAndRelease)},
        {20, K::kUnsigned8, 15, KEYGROUP_GET(GetEnv2Attack)},
        {21, K::kUnsigned8, 16, KEYGROUP_GET(GetEnv2Decay)},
        {22, K::kUnsigned8, 17, KEYGROUP_GET(GetEnv2Sustain)},
        {23, K::kUnsigned8, 18, KEYGROUP_GET(GetEnv2Release)},
        {24, K::kSigned8, 19, KEYGROUP_GET(GetEnv2VelocityToAttack)},
        {25, K::kSigned8, 20, KEYGROUP_GET(GetEnv2VelocityToRelease)},
        {26, K::kSigned8, 21, KEYGROUP_GET(GetEnv2OffVelocityToRelease)},
        {27, K::kSigned8, 22, KEYGROUP_GET(GetEnv2KeyToDecayAndRelease)},
        {28, K::kSigned8, 23, KEYGROUP_GET(GetVelocityToEnv2ToFilter)},
        {29, K::kSigned8, 24, KEYGROUP_GET(GetEnv2ToPitch), F::kShortOnly},
        {30, K::kFlag, 129, KEYGROUP_GET(GetVelocityZoneCrossfade), F::kAll, true},
        {31, K::kUnsigned8, 25, KEYGROUP_GET(GetVelocityZonesUsed)},
        {130, K::kSigned8, 32, KEYGROUP_GET(GetBeatDetune)},
        {131, K::kFlag, 140, KEYGROUP_GET(GetHoldAttackUntilLoop), F::kAll, false},
        {148, K::kSigned8, 36, KEYGROUP_GET(GetVelocityToVolumeOffset)},
        {149, K::kUnsigned8, 83, KEYGROUP_GET(GetFilter1Resonance), F::kLongOnly},
        {150, K::kSigned8, 84, KEYGROUP_GET(GetLFO1ToPitch), F::kLongOnly},
        {151, K::kSigned8, 85, KEYGROUP_GET(GetMod1ToFilter), F::kLongOnly},
        {152, K::kSigned8, 86, KEYGROUP_GET(GetMod2ToFilter), F::kLongOnly},
        {153, K::kSigned8, 87, KEYGROUP_GET(GetMod3ToFilter), F::kLongOnly},
        {154, K::kSigned8, 88, KEYGROUP_GET(GetModToPitch), F::kLongOnly},
        {155, K::kSigned8, 89, KEYGROUP_GET(GetMod3ToAmp), F::kLongOnly},
        {156, K::kUnsigned8, 90, KEYGROUP_GET(GetEnv2L1), F::kLongOnly},
        {157, K::kUnsigned8, 91, KEYGROUP_GET(GetEnv2R2), F::kLongOnly},
        {158, K::kUnsigned8, 92, KEYGROUP_GET(GetEnv2L2), F::kLongOnly},
        {159, K::kUnsigned8, 93, KEYGROUP_GET(GetEnv2L4), F::kLongOnly},
        {160, K::kUnsigned8, 94, KEYGROUP_GET(GetKeyGroupMute), F::kLongOnly},
        {168, K::kUnsigned8, 97, KEYGROUP_GET(GetLSI2On), F::kLongOnly},
        {169, K::kUnsigned8, 98, KEYGROUP_GET(GetFilter2Gain), F::kLongOnly},
        {170, K::kUnsigned8, 99, KEYGROUP_GET(GetFilter2Mode), F::kLongOnly},
        {171, K::kUnsigned8, 100, KEYGROUP_GET(GetFilter2Resonance), F::kLongOnly},
        {172, K::kUnsigned8, 101, KEYGROUP_GET(GetToneFrequency), F::kLongOnly},
        {173, K::kSigned8, 102, KEYGROUP_GET(GetToneSlope), F::kLongOnly},
        {174, K::kSigned8, 103, KEYGROUP_GET(GetMod1ToFilter2), F::kLongOnly},
        {175, K::kSigned8, 104, KEYGROUP_GET(GetMod2ToFilter2), F::kLongOnly},
        {176, K::kSigned8, 105, KEYGROUP_GET(GetMod3ToFilter2), F::kLongOnly},
        {177, K::kUnsigned8, 106, KEYGROUP_GET(GetFilter2Frequency), F::kLongOnly},
        {178, K::kSigned8, 107, KEYGROUP_GET(GetKeyToFilter2Frequency), F::kLongOnly},
        {179, K::kUnsigned8, 108, KEYGROUP_GET(GetEnv3R1), F::kLongOnly},
        {180, K::kUnsigned8, 109, KEYGROUP_GET(GetEnv3L1), F::kLongOnly},
        {181, K::kUnsigned8, 110, KEYGROUP_GET(GetEnv3R2), F::kLongOnly},
        {182, K::kUnsigned8, 111, KEYGROUP_GET(GetEnv3L2), F::kLongOnly},
        {183, K::kUnsigned8, 112, KEYGROUP_GET(GetEnv3R3), F::kLongOnly},
        {184, K::kUnsigned8, 113, KEYGROUP_GET(GetEnv3L3), F::kLongOnly},
        {185, K::kUnsigned8, 114, KEYGROUP_GET(GetEnv3R4), F::kLongOnly},
        {186, K::kUnsigned8, 115, KEYGROUP_GET(GetEnv3L4), F::kLongOnly},
        {187, K::kSigned8, 116, KEYGROUP_GET(GetVAtt3), F::kLongOnly},
        {188, K::kSigned8, 117, KEYGROUP_GET(GetVRel3), F::kLongOnly},
        {189, K::kSigned8, 118, KEYGROUP_GET(GetORel3), F::kLongOnly},
        {190, K::kSigned8, 119, KEYGROUP_GET(GetKDar3), F::kLongOnly},
        {191, K::kSigned8, 120, KEYGROUP_GET(GetVEnv3), F::kLongOnly},
    };
    for (std::size_t z = 0; z < 4; ++z) {
        const auto zone = [z](auto get) {
            return [z, get](const NSAkaiParser::IKeyGroup& k) -> std::int64_t { return get(k.GetSampleParameters().at(z)); };
        };
        using Zone = NSAkaiParser::CAkaiSampleParameters;
        const std::size_t base = 34 + 24 * z;
        fields.push_back({base + 12, K::kUnsigned8, 26, zone([](const Zone& p) { return p.GetLowVelocity(); })});
        fields.push_back({base + 13, K::kUnsigned8, 27, zone([](const Zone& p) { return p.GetHighVelocity(); })});
        fields.push_back({base + 14, K::kTune, 80, zone([](const Zone& p) { return p.GetTuneCents(); })});
        fields.push_back({base + 16, K::kSigned8, 28, zone([](const Zone& p) { return p.GetLoudness(); })});
        fields.push_back({base + 17, K::kSigned8, 29, zone([](const Zone& p) { return p.GetFilter(); })});
        fields.push_back({base + 18, K::kSigned8, 30, zone([](const Zone& p) { return p.GetPan(); })});
        fields.push_back({base + 19, K::kUnsigned8, 31, zone([](const Zone& p) { return p.GetLoopMode(); })});
        fields.push_back({132 + z, K::kFlag, 141, zone([](const Zone& p) { return p.GetKeyTracking(); }), F::kAll,
                          true, true});
        fields.push_back({140 + 2 * z, K::kSigned16, 35,
                          zone([](const Zone& p) { return p.GetVelocityToSampleStart(); })});
    }
    return fields;
}

std::vector<CFieldRow<NSAkaiParser::IAkaiSample>> SampleFields()
{
    using K = EField;
    return {
        // The bandwidth is not kept; a 44100 Hz sample shows it as the octave its tune is lowered by.
        {1, K::kUnsigned8, 74, [](const NSAkaiParser::IAkaiSample& s) -> std::int64_t { return s.GetTuneCents() == -1200 ? 0 : 1; }},
        {2, K::kUnsigned8, 76, SAMPLE_GET(GetMIDIRootNote)},
        {19, K::kUnsigned8, 79, SAMPLE_GET(GetLoopMode)},
        {20, K::kTune, 80, SAMPLE_GET(GetTuneCents)},
        {140, K::kSigned8, 81, SAMPLE_GET(GetLoopTuneOffset)},
    };
}

void ParseProgram(CRecordingFileMedia& file, std::int32_t format, std::vector<std::string>& reports,
                  const std::function<void(const NSAkaiParser::IAkaiProgram&)>& check)
{
    const auto program = NSAkaiParser::CreateAkaiProgram(file, format, reports);
    check(*program);
}

} // namespace

TEST(ProgramFieldMap, EachFieldIsClampedToItsNearerBoundAndReportedOnce)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        CheckFieldMap<NSAkaiParser::IAkaiProgram>(
            ProgramFields(), format, [format] { return CRecordBuilder::ProgramHeader(format); },
            [format](const CRecordBuilder& header) {
                return JoinRecords({header.Bytes(), CRecordBuilder::KeyGroup(format).Bytes()});
            },
            [format](CRecordingFileMedia& file, std::vector<std::string>& reports, const auto& check) {
                ParseProgram(file, format, reports, check);
            },
            "");
    }
}

TEST(KeyGroupFieldMap, EachFieldIsClampedToItsNearerBoundAndReportedWithItsKeyGroup)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        CheckFieldMap<NSAkaiParser::IKeyGroup>(
            KeyGroupFields(), format, [format] { return CRecordBuilder::KeyGroup(format); },
            [](const CRecordBuilder& record) { return record.Bytes(); },
            [format](CRecordingFileMedia& file, std::vector<std::string>& reports, const auto& check) {
                const NSAkaiParserImplementation::CKeyGroup keyGroup(file, format, reports, 0, 2);
                check(keyGroup);
            },
            "KeyGroup 3: ");
    }
}

TEST(SampleFieldMap, EachFieldIsClampedToItsNearerBoundAndReportedOnce)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        CheckFieldMap<NSAkaiParser::IAkaiSample>(
            SampleFields(), format, [format] { return CRecordBuilder::SampleHeader(format); },
            [](const CRecordBuilder& header) { return header.Bytes(); },
            [format](CRecordingFileMedia& file, std::vector<std::string>& reports, const auto& check) {
                const auto sample = NSAkaiParser::CreateAkaiSample(file, format, reports, "TEST SAMPLE");
                check(*sample);
            },
            "");
    }
}
