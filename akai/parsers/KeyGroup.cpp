#include "akai/parsers/KeyGroup.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "akai/filesystem/AkaiNames.h"
#include "akai/parsers/AkaiValidators.h"
#include "akai/parsers/HeaderReader.h"
#include "akai/parsers/ParserStrings.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <array>

namespace NSAkaiParserImplementation {

namespace {

constexpr std::int32_t kShortRecordFormat = 7;
constexpr std::uint64_t kProbeSizeInBytes = 150;
constexpr std::int32_t kMostErrorsKept = 10;

constexpr std::size_t kZoneCount = 4;
constexpr std::uint64_t kFirstZoneOffset = 34;
constexpr std::uint64_t kZoneSizeInBytes = 24;
constexpr std::uint64_t kFirstKeyTrackingOffset = 132;
constexpr std::uint64_t kFirstVelocityToStartOffset = 140;

// Keygroups are checked against a set of validators of their own, so their reports carry names that
// this module fetched.
CParameterValidatorTable& KeyGroupValidators()
{
    static CParameterValidatorTable validators;
    return validators;
}

// The zone values read before the key-tracking flags and the velocity-to-start values that complete
// each zone.
struct CZoneValues
{
    std::string sampleName;
    std::uint8_t lowVelocity = 0;
    std::uint8_t highVelocity = 0;
    std::int32_t tuneCents = 0;
    std::int8_t loudness = 0;
    std::int8_t filter = 0;
    std::int8_t pan = 0;
    std::int32_t loopMode = 0;
};

// A record the file cannot serve fails here, before any report is written for it.
void ReadWholeRecord(NSAkaiParser::IAkaiFileMedia& file, std::uint64_t recordStart)
{
    std::array<std::uint8_t, kProbeSizeInBytes> record;
    file.ReadAt(recordStart, record.size(), record.data());
}

// A name with characters outside the Akai table is reported and leaves the zone without a sample.
std::string ReadSampleName(CHeaderReader& reader, std::uint64_t offset, std::int32_t keyGroupIndex)
{
    const std::string name = reader.Name(offset);
    if (HasOnlyAkaiCharacters(name))
        return name;
    const std::string keyGroupNumber = std::to_string(static_cast<std::uint32_t>(keyGroupIndex) + 1);
    reader.Report(NSTramvell::ReplaceParameters(
        NSAkaiParser::GetParserString(NSAkaiParser::kIllegalSampleNameReportId), keyGroupNumber, name));
    return std::string();
}

} // namespace

CKeyGroup::CKeyGroup(NSAkaiParser::IAkaiFileMedia& file, std::int32_t headerFormat,
                     std::vector<std::string>& reports, std::uint64_t recordStart, std::int32_t keyGroupIndex)
{
    ReadWholeRecord(file, recordStart);
    CHeaderReader reader(file, KeyGroupValidators(), reports, recordStart, keyGroupIndex);

    mLowKey = reader.Byte(3, kRowLowKey);
    mHighKey = reader.Byte(4, kRowHighKey);
    mTuneCents = reader.Tune(5, 6);
    mFilter = reader.Byte(7, kRowFilter);
    mKeyToFilter = reader.SignedByte(8, kRowKeyToFilter);
    mEnv1Attack = reader.Byte(12, kRowEnv1Attack);
    mEnv1Decay = reader.Byte(13, kRowEnv1Decay);
    mEnv1Sustain = reader.Byte(14, kRowEnv1Sustain);
    mEnv1Release = reader.Byte(15, kRowEnv1Release);
    mEnv1VelocityToAttack = reader.SignedByte(16, kRowEnv1VelocityToAttack);
    mEnv1VelocityToRelease = reader.SignedByte(17, kRowEnv1VelocityToRelease);
    mEnv1OffVelocityToRelease = reader.SignedByte(18, kRowEnv1OffVelocityToRelease);
    mEnv1KeyToDecayAndRelease = reader.SignedByte(19, kRowEnv1KeyToDecayAndRelease);
    mEnv2Attack = reader.Byte(20, kRowEnv2Attack);
    mEnv2Decay = reader.Byte(21, kRowEnv2Decay);
    mEnv2Sustain = reader.Byte(22, kRowEnv2Sustain);
    mEnv2Release = reader.Byte(23, kRowEnv2Release);
    mEnv2VelocityToAttack = reader.SignedByte(24, kRowEnv2VelocityToAttack);
    mEnv2VelocityToRelease = reader.SignedByte(25, kRowEnv2VelocityToRelease);
    mEnv2OffVelocityToRelease = reader.SignedByte(26, kRowEnv2OffVelocityToRelease);
    mEnv2KeyToDecayAndRelease = reader.SignedByte(27, kRowEnv2KeyToDecayAndRelease);
    mVelocityToEnv2ToFilter = reader.SignedByte(28, kRowVelocityToEnv2ToFilter);
    mVelocityZoneCrossfade = reader.Flag(30, NSAkaiParser::kVelocityZoneCrossfadeNameId, true);
    mVelocityZonesUsed = reader.Byte(31, kRowVelocityZonesUsed);

    ReadZones(reader, keyGroupIndex);
    mVelocityToVolumeOffset = reader.SignedByte(148, kRowVelocityToVolumeOffset);

    if (headerFormat == kShortRecordFormat) {
        ReadFormat7Fields(reader);
        SetExtendedFieldsToDefaults();
    } else {
        mEnv2ToPitch = static_cast<std::int8_t>(kParameterRows[kRowEnv2ToPitch].defaultValue);
        ReadExtendedFields(reader);
    }

    if (reader.GetErrorCount() > kMostErrorsKept)
        throw NSTramvell::XBadFormat();
}

void CKeyGroup::ReadZones(CHeaderReader& reader, std::int32_t keyGroupIndex)
{
    std::array<CZoneValues, kZoneCount> zones;
    for (std::size_t z = 0; z < kZoneCount; ++z) {
        const std::uint64_t zoneStart = kFirstZoneOffset + kZoneSizeInBytes * z;
        CZoneValues& zone = zones[z];
        zone.sampleName = ReadSampleName(reader, zoneStart, keyGroupIndex);
        zone.lowVelocity = reader.Byte(zoneStart + 12, kRowSampleLowVelocity);
        zone.highVelocity = reader.Byte(zoneStart + 13, kRowSampleHighVelocity);
        zone.tuneCents = reader.Tune(zoneStart + 14, zoneStart + 15);
        zone.loudness = reader.SignedByte(zoneStart + 16, kRowSampleLoudness);
        zone.filter = reader.SignedByte(zoneStart + 17, kRowSampleFilter);
        zone.pan = reader.SignedByte(zoneStart + 18, kRowSamplePan);
        zone.loopMode = reader.Byte(zoneStart + 19, kRowSampleLoopMode);
    }

    mBeatDetune = reader.SignedByte(130, kRowBeatDetune);
    mHoldAttackUntilLoop = reader.Flag(131, NSAkaiParser::kHoldAttackUntilLoopNameId, false);

    // The record stores whether key tracking is off; the zone keeps whether it is on.
    std::array<std::uint8_t, kZoneCount> keyTracking{};
    for (std::size_t z = 0; z < kZoneCount; ++z)
        keyTracking[z] = reader.Flag(kFirstKeyTrackingOffset + z, NSAkaiParser::kSampleKeyTrackingNameId, true) ? 0 : 1;

    std::array<std::int16_t, kZoneCount> velocityToStart{};
    for (std::size_t z = 0; z < kZoneCount; ++z)
        velocityToStart[z] = reader.SignedWord(kFirstVelocityToStartOffset + 2 * z, kRowSampleVelocityToSampleStart);

    mZones.clear();
    for (std::size_t z = 0; z < kZoneCount; ++z) {
        const CZoneValues& zone = zones[z];
        mZones.emplace_back(keyTracking[z], velocityToStart[z], zone.sampleName, zone.lowVelocity, zone.highVelocity,
                            zone.tuneCents, zone.loudness, zone.filter, zone.pan, zone.loopMode);
    }
}

void CKeyGroup::ReadFormat7Fields(CHeaderReader& reader)
{
    mMod1ToFilter = reader.SignedByte(9, kRowVelocityToFilter);
    mMod2ToFilter = reader.SignedByte(10, kRowPressureToFilter);
    mMod3ToFilter = reader.SignedByte(11, kRowEnv2ToFilter);
    mEnv2ToPitch = reader.SignedByte(29, kRowEnv2ToPitch);
}

void CKeyGroup::ReadExtendedFields(CHeaderReader& reader)
{
    mFilter1Resonance = reader.Byte(149, kRowFilter1Resonance);
    mLFO1ToPitch = reader.SignedByte(150, kRowLFO1ToPitch);
    mMod1ToFilter = reader.SignedByte(151, kRowMod1ToFilter);
    mMod2ToFilter = reader.SignedByte(152, kRowMod2ToFilter);
    mMod3ToFilter = reader.SignedByte(153, kRowMod3ToFilter);
    mModToPitch = reader.SignedByte(154, kRowModToPitch);
    mMod3ToAmp = reader.SignedByte(155, kRowMod3ToAmp);
    mEnv2L1 = reader.Byte(156, kRowEnv2L1);
    mEnv2R2 = reader.Byte(157, kRowEnv2R2);
    mEnv2L2 = reader.Byte(158, kRowEnv2L2);
    mEnv2L4 = reader.Byte(159, kRowEnv2L4);
    mKeyGroupMute = reader.Byte(160, kRowKeyGroupMute);
    mLSI2On = reader.Byte(168, kRowLSI2On);
    mFilter2Gain = reader.Byte(169, kRowFilter2Gain);
    mFilter2Mode = reader.Byte(170, kRowFilter2Mode);
    mFilter2Resonance = reader.Byte(171, kRowFilter2Resonance);
    mToneFrequency = reader.Byte(172, kRowToneFrequency);
    mToneSlope = reader.SignedByte(173, kRowToneSlope);
    mMod1ToFilter2 = reader.SignedByte(174, kRowMod1ToFilter2);
    mMod2ToFilter2 = reader.SignedByte(175, kRowMod2ToFilter2);
    mMod3ToFilter2 = reader.SignedByte(176, kRowMod3ToFilter2);
    mFilter2Frequency = reader.Byte(177, kRowFilter2Frequency);
    mKeyToFilter2Frequency = reader.SignedByte(178, kRowKeyToFilter2Frequency);
    mEnv3R1 = reader.Byte(179, kRowEnv3R1);
    mEnv3L1 = reader.Byte(180, kRowEnv3L1);
    mEnv3R2 = reader.Byte(181, kRowEnv3R2);
    mEnv3L2 = reader.Byte(182, kRowEnv3L2);
    mEnv3R3 = reader.Byte(183, kRowEnv3R3);
    mEnv3L3 = reader.Byte(184, kRowEnv3L3);
    mEnv3R4 = reader.Byte(185, kRowEnv3R4);
    mEnv3L4 = reader.Byte(186, kRowEnv3L4);
    mVAtt3 = reader.SignedByte(187, kRowVAtt3);
    mVRel3 = reader.SignedByte(188, kRowVRel3);
    mORel3 = reader.SignedByte(189, kRowORel3);
    mKDar3 = reader.SignedByte(190, kRowKDar3);
    mVEnv3 = reader.SignedByte(191, kRowVEnv3);
}

void CKeyGroup::SetExtendedFieldsToDefaults()
{
    const auto byteDefault = [](EParameterRow row) { return static_cast<std::uint8_t>(kParameterRows[row].defaultValue); };
    const auto signedDefault = [](EParameterRow row) { return static_cast<std::int8_t>(kParameterRows[row].defaultValue); };
    mFilter1Resonance = byteDefault(kRowFilter1Resonance);
    mLFO1ToPitch = signedDefault(kRowLFO1ToPitch);
    mModToPitch = signedDefault(kRowModToPitch);
    mMod3ToAmp = signedDefault(kRowMod3ToAmp);
    mEnv2L1 = byteDefault(kRowEnv2L1);
    mEnv2R2 = byteDefault(kRowEnv2R2);
    mEnv2L2 = byteDefault(kRowEnv2L2);
    mEnv2L4 = byteDefault(kRowEnv2L4);
    mKeyGroupMute = byteDefault(kRowKeyGroupMute);
    mLSI2On = byteDefault(kRowLSI2On);
    mFilter2Gain = byteDefault(kRowFilter2Gain);
    mFilter2Mode = kParameterRows[kRowFilter2Mode].defaultValue;
    mFilter2Resonance = byteDefault(kRowFilter2Resonance);
    mToneFrequency = byteDefault(kRowToneFrequency);
    mToneSlope = signedDefault(kRowToneSlope);
    mMod1ToFilter2 = signedDefault(kRowMod1ToFilter2);
    mMod2ToFilter2 = signedDefault(kRowMod2ToFilter2);
    mMod3ToFilter2 = signedDefault(kRowMod3ToFilter2);
    mFilter2Frequency = byteDefault(kRowFilter2Frequency);
    mKeyToFilter2Frequency = signedDefault(kRowKeyToFilter2Frequency);
    mEnv3R1 = byteDefault(kRowEnv3R1);
    mEnv3L1 = byteDefault(kRowEnv3L1);
    mEnv3R2 = byteDefault(kRowEnv3R2);
    mEnv3L2 = byteDefault(kRowEnv3L2);
    mEnv3R3 = byteDefault(kRowEnv3R3);
    mEnv3L3 = byteDefault(kRowEnv3L3);
    mEnv3R4 = byteDefault(kRowEnv3R4);
    mEnv3L4 = byteDefault(kRowEnv3L4);
    mVAtt3 = signedDefault(kRowVAtt3);
    mVRel3 = signedDefault(kRowVRel3);
    mORel3 = signedDefault(kRowORel3);
    mKDar3 = signedDefault(kRowKDar3);
    mVEnv3 = signedDefault(kRowVEnv3);
}

} // namespace NSAkaiParserImplementation
