#include "akai/parsers/AkaiProgram.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "akai/filesystem/AkaiNames.h"
#include "akai/parsers/AkaiValidators.h"
#include "akai/parsers/HeaderReader.h"
#include "akai/parsers/ParserStrings.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"

namespace NSAkaiParserImplementation {

namespace {

constexpr std::int32_t kShortRecordFormat = 7;
constexpr std::uint64_t kShortRecordSizeInBytes = 150;
constexpr std::uint64_t kLongRecordSizeInBytes = 192;
constexpr std::int32_t kMostErrorsKept = 10;

constexpr std::uint64_t kNameOffset = 3;
constexpr std::uint64_t kKeyGroupCountOffset = 42;
constexpr std::uint64_t kKeyTemperamentOffset = 44;
constexpr std::size_t kKeyTemperamentCount = 12;

// The 150-byte format routes its modulation the same way in every program: these are the sources of
// the mod matrix that the longer format stores.
constexpr std::int32_t kFixedPanMod1Source = 6;
constexpr std::int32_t kFixedPanMod2Source = 1;
constexpr std::int32_t kFixedAmpMod1Source = 6;
constexpr std::int32_t kFixedAmpMod2Source = 3;
constexpr std::int32_t kFixedLFOModSource = 6;
constexpr std::int32_t kFixedFilterMod1Source = 5;
constexpr std::int32_t kFixedFilterMod2Source = 3;
constexpr std::int32_t kFixedFilterMod3Source = 10;

CParameterValidatorTable& ProgramValidators()
{
    static CParameterValidatorTable validators;
    return validators;
}

std::int32_t RowDefault(EParameterRow row)
{
    return kParameterRows[row].defaultValue;
}

void ThrowIfBeyondRepair(const CHeaderReader& reader)
{
    if (reader.GetErrorCount() > kMostErrorsKept)
        throw NSTramvell::XBadFormat();
}

} // namespace

CAkaiProgram::CAkaiProgram(NSAkaiParser::IAkaiFileMedia& file, std::int32_t headerFormat,
                           std::vector<std::string>& reports)
    : mHeaderFormat(headerFormat)
{
    CHeaderReader reader(file, ProgramValidators(), reports);

    // A name outside the Akai table counts against the program but is not worth a report.
    mName = NSAkaiParser::ReadAkaiName(file, kNameOffset);
    if (!HasOnlyAkaiCharacters(mName))
        reader.CountError();

    mLowKey = reader.Byte(19, kRowLowKey);
    mHighKey = reader.Byte(20, kRowHighKey);
    mMixOutputLevel = reader.Byte(23, kRowMixOutputLevel);
    mMixOutputPan = reader.SignedByte(24, kRowMixOutputPan);
    mVolume = reader.Byte(25, kRowVolume);
    mVelocityToVolume = reader.SignedByte(26, kRowVelocityToVolume);
    mPanLFORate = reader.Byte(29, kRowPanLFORate);
    mPanLFODepth = reader.Byte(30, kRowPanLFODepth);
    mPanLFODelay = reader.Byte(31, kRowPanLFODelay);
    mLFORate = reader.Byte(33, kRowLFORate);
    mLFODepth = reader.Byte(34, kRowLFODepth);
    mLFODelay = reader.Byte(35, kRowLFODelay);
    mModToLFODepth = reader.Byte(36, kRowModToLFODepth);
    mPressureToLFODepth = reader.Byte(37, kRowPressureToLFODepth);
    mVelocityToLFODepth = reader.Byte(38, kRowVelocityToLFODepth);
    mBendToPitch = reader.Byte(39, kRowBendToPitch);
    mPressureToPitch = reader.SignedByte(40, kRowPressureToPitch);
    mKeyGroupCrossfade = reader.Byte(41, kRowKeyGroupCrossfade);

    // Without a believable keygroup count the rest of the file cannot be found.
    const std::uint8_t keyGroupCount = NSAkaiParser::ReadHeaderByte(file, kKeyGroupCountOffset);
    if (!ProgramValidators()[kRowNumberOfKeyGroups].IsInRange(keyGroupCount))
        throw NSTramvell::XBadFormat();

    for (std::size_t i = 0; i < kKeyTemperamentCount; ++i)
        mKeyTemperament.push_back(reader.SignedByte(kKeyTemperamentOffset + i, kRowKeyTemperament));
    mLFODesync = reader.Flag(59, NSAkaiParser::kLFODesyncNameId, true);
    mSoftpedToVolume = reader.Byte(62, kRowSoftpedToVolume);
    mSoftpedToAttack = reader.Byte(63, kRowSoftpedToAttack);
    mSoftpedToFilter = reader.Byte(64, kRowSoftpedToFilter);
    const std::uint8_t fine = NSAkaiParser::ReadHeaderByte(file, 65);
    const std::int8_t semitones = NSAkaiParser::ReadHeaderSignedByte(file, 66);
    mTuneCents = NSAkaiParser::TuneToCents(semitones, fine);
    ThrowIfBeyondRepair(reader);

    ReadKeyGroups(file, reports, keyGroupCount);

    mPolyphony = reader.Byte(17, kRowPolyphony);
    if (mHeaderFormat == kShortRecordFormat)
        ReadFormat7Fields(reader);
    else
        ReadExtendedFields(reader);
    ThrowIfBeyondRepair(reader);

    if (mKeyGroups.empty())
        throw NSTramvell::XBadFormat();
}

std::vector<const NSAkaiParser::IKeyGroup*> CAkaiProgram::GetKeyGroups() const
{
    std::vector<const NSAkaiParser::IKeyGroup*> keyGroups;
    keyGroups.reserve(mKeyGroups.size());
    for (const CKeyGroup& keyGroup : mKeyGroups)
        keyGroups.push_back(&keyGroup);
    return keyGroups;
}

// A damaged keygroup costs only itself: the program keeps the others.
void CAkaiProgram::ReadKeyGroups(NSAkaiParser::IAkaiFileMedia& file, std::vector<std::string>& reports,
                                 std::uint8_t keyGroupCount)
{
    const std::uint64_t recordSize =
        mHeaderFormat == kShortRecordFormat ? kShortRecordSizeInBytes : kLongRecordSizeInBytes;
    mKeyGroups.reserve(keyGroupCount);
    for (std::int32_t i = 0; i < keyGroupCount; ++i) {
        try {
            mKeyGroups.emplace_back(file, mHeaderFormat, reports, recordSize * (static_cast<std::uint64_t>(i) + 1), i);
        } catch (const NSTramvell::XBadFormat&) {
            reports.push_back(
                NSTramvell::ReplaceParameters(NSAkaiParser::GetParserString(NSAkaiParser::kCorruptKeyGroupReportId),
                                              std::to_string(i + 1)));
        }
    }
}

// The 150-byte format keeps its modulation depths in fields of their own, at fixed routings.
void CAkaiProgram::ReadFormat7Fields(CHeaderReader& reader)
{
    mOctaveShift = reader.SignedByte(21, kRowOctaveShift);
    mAmpMod1Depth = reader.SignedByte(27, kRowKeyToVolume);
    mAmpMod2Depth = reader.SignedByte(28, kRowPressureToVolume);
    mPanMod1Depth = reader.SignedByte(32, kRowKeyToPan);
    mPanMod2Depth = reader.SignedByte(57, kRowModToPan);
    mLFORateMod = reader.SignedByte(67, kRowKeyToLFORate);
    mLFODepthModDepth = reader.SignedByte(68, kRowKeyToLFODepth);
    mLFODelayModDepth = reader.SignedByte(69, kRowKeyToLFODelay);

    mPanMod1Source = kFixedPanMod1Source;
    mPanMod2Source = kFixedPanMod2Source;
    mPanMod3Source = RowDefault(kRowPanMod3Source);
    mAmpMod1Source = kFixedAmpMod1Source;
    mAmpMod2Source = kFixedAmpMod2Source;
    mAmpMod3Source = RowDefault(kRowAmpMod3Source);
    mLFORateModSource = kFixedLFOModSource;
    mLFODepthModSource = kFixedLFOModSource;
    mLFODelayModSource = kFixedLFOModSource;
    mFilterMod1Source = kFixedFilterMod1Source;
    mFilterMod2Source = kFixedFilterMod2Source;
    mFilterMod3Source = kFixedFilterMod3Source;
    mPitchModSource = RowDefault(kRowPitchModSource);
    mPanMod3Depth = static_cast<std::int8_t>(RowDefault(kRowPanMod3Depth));

    mVoiceOutputScale = static_cast<std::uint8_t>(RowDefault(kRowVoiceOutputScale));
    mBendwheelRangeDecrease = static_cast<std::uint8_t>(RowDefault(kRowBendwheelRangeDecrease));
    mIncomingMIDIPitchShift = static_cast<std::int8_t>(RowDefault(kRowIncomingMIDIPitchShift));
    mLFO1Waveform = RowDefault(kRowLFO1Waveform);
    mLFO2Waveform = RowDefault(kRowLFO2Waveform);
    mFilter2Mod1Source = static_cast<std::uint8_t>(RowDefault(kRowFilter2Mod1Source));
    mFilter2Mod2Source = static_cast<std::uint8_t>(RowDefault(kRowFilter2Mod2Source));
    mFilter2Mod3Source = static_cast<std::uint8_t>(RowDefault(kRowFilter2Mod3Source));
    mPortamentoTime = static_cast<std::uint8_t>(RowDefault(kRowPortamentoTime));
}

void CAkaiProgram::ReadExtendedFields(CHeaderReader& reader)
{
    mOctaveShift = static_cast<std::int8_t>(RowDefault(kRowOctaveShift));

    mVoiceOutputScale = reader.Byte(70, kRowVoiceOutputScale);
    mMonoLegatoModeEnabled = reader.Flag(72, NSAkaiParser::kMonoLegatoModeNameId, false);
    mBendwheelRangeDecrease = reader.Byte(73, kRowBendwheelRangeDecrease);
    mIncomingMIDIPitchShift = reader.SignedByte(75, kRowIncomingMIDIPitchShift);
    mPanMod1Source = reader.Byte(76, kRowPanMod1Source);
    mPanMod2Source = reader.Byte(77, kRowPanMod2Source);
    mPanMod3Source = reader.Byte(78, kRowPanMod3Source);
    mAmpMod1Source = reader.Byte(79, kRowAmpMod1Source);
    mAmpMod2Source = reader.Byte(80, kRowAmpMod2Source);
    mLFORateModSource = reader.Byte(81, kRowLFORateModSource);
    mLFODepthModSource = reader.Byte(82, kRowLFODepthModSource);
    mLFODelayModSource = reader.Byte(83, kRowLFODelayModSource);
    mFilterMod1Source = reader.Byte(84, kRowFilterMod1Source);
    mFilterMod2Source = reader.Byte(85, kRowFilterMod2Source);
    mFilterMod3Source = reader.Byte(86, kRowFilterMod3Source);
    mPitchModSource = reader.Byte(87, kRowPitchModSource);
    mAmpMod3Source = reader.Byte(88, kRowAmpMod3Source);
    mPanMod1Depth = reader.SignedByte(89, kRowPanMod1Depth);
    mPanMod2Depth = reader.SignedByte(90, kRowPanMod2Depth);
    mPanMod3Depth = reader.SignedByte(91, kRowPanMod3Depth);
    mAmpMod1Depth = reader.SignedByte(92, kRowAmpMod1Depth);
    mAmpMod2Depth = reader.SignedByte(93, kRowAmpMod2Depth);
    mLFORateMod = reader.SignedByte(94, kRowLFORateMod);
    mLFODepthModDepth = reader.SignedByte(95, kRowLFODepthModDepth);
    mLFODelayModDepth = reader.SignedByte(96, kRowLFODelayModDepth);
    mLFO1Waveform = reader.Byte(97, kRowLFO1Waveform);
    mLFO2Waveform = reader.Byte(98, kRowLFO2Waveform);
    mFilter2Mod1Source = reader.Byte(99, kRowFilter2Mod1Source);
    mFilter2Mod2Source = reader.Byte(100, kRowFilter2Mod2Source);
    mFilter2Mod3Source = reader.Byte(101, kRowFilter2Mod3Source);
    // The record stores the retrigger mode; the program keeps its inverse.
    mLFO2Retrigger = !reader.Flag(102, NSAkaiParser::kLFO2RetriggerModeNameId, false);
    mPortamentoTime = reader.Byte(110, kRowPortamentoTime);
    mPortamentoOn = reader.Flag(112, NSAkaiParser::kPortamentoOnNameId, false);
}

} // namespace NSAkaiParserImplementation

namespace NSAkaiParser {

std::unique_ptr<IAkaiProgram> CreateAkaiProgram(IAkaiFileMedia& file, std::int32_t headerFormat,
                                                std::vector<std::string>& reports)
{
    return std::make_unique<NSAkaiParserImplementation::CAkaiProgram>(file, headerFormat, reports);
}

} // namespace NSAkaiParser
