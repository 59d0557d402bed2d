#include "akai/parsers/AkaiSample.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "akai/filesystem/AkaiNames.h"
#include "akai/parsers/AkaiValidators.h"
#include "akai/parsers/HeaderReader.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/SplitHundreds.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <bit>
#include <cmath>

namespace NSAkaiParserImplementation {

namespace {

constexpr std::int32_t kShortRecordFormat = 7;
constexpr std::uint64_t kShortHeaderSizeInBytes = 150;
constexpr std::uint64_t kLongHeaderSizeInBytes = 192;
constexpr std::int32_t kMostErrorsKept = 4;

constexpr std::uint64_t kBandwidthOffset = 1;
constexpr std::uint64_t kRootNoteOffset = 2;
constexpr std::uint64_t kNameOffset = 3;
constexpr std::uint64_t kLoopModeOffset = 19;
constexpr std::uint64_t kTuneFineOffset = 20;
constexpr std::uint64_t kTuneSemitonesOffset = 21;
constexpr std::uint64_t kLengthOffset = 26;
constexpr std::uint64_t kStartOffset = 30;
constexpr std::uint64_t kEndOffset = 34;
constexpr std::uint64_t kFirstLoopOffset = 38;
constexpr std::uint64_t kLoopRecordSizeInBytes = 12;
constexpr std::int32_t kLoopSlotCount = 8;
constexpr std::uint64_t kRateOffset = 138;
constexpr std::uint64_t kLoopTuneOffsetOffset = 140;

constexpr std::uint64_t kLoopAtInRecord = 0;
constexpr std::uint64_t kLengthFractionInRecord = 4;
constexpr std::uint64_t kLengthLowInRecord = 6;
constexpr std::uint64_t kLengthHighInRecord = 8;
constexpr std::uint64_t kDwellTimeInRecord = 10;

constexpr std::uint32_t kNarrowBandRate = 22050;
constexpr std::uint32_t kFullBandRate = 44100;
constexpr std::int32_t kLowestNote = 0;
constexpr std::int32_t kHighestNote = 127;

// Samples and their loops are checked against a set of validators of their own.
CParameterValidatorTable& SampleValidators()
{
    static CParameterValidatorTable validators;
    return validators;
}

} // namespace

CAkaiSample::CAkaiSample(NSAkaiParser::IAkaiFileMedia& file, std::vector<std::string>& reports,
                         std::int32_t headerFormat, const std::string& name)
    : mName(name)
{
    CHeaderReader reader(file, SampleValidators(), reports);
    const std::uint64_t headerSize =
        headerFormat == kShortRecordFormat ? kShortHeaderSizeInBytes : kLongHeaderSizeInBytes;

    mMIDIRootNote = reader.Byte(kRootNoteOffset, kRowMIDIRootNote);

    // A header that names another sample, or holds no Akai name, counts against the sample unreported.
    const std::string headerName = NSAkaiParser::ReadAkaiName(file, kNameOffset);
    if (headerName != mName)
        reader.CountError();
    if (!HasOnlyAkaiCharacters(headerName))
        reader.CountError();

    mLoopMode = reader.Byte(kLoopModeOffset, kRowLoopMode);
    mTuneCents = reader.Tune(kTuneFineOffset, kTuneSemitonesOffset);

    ReadPlayRange(reader, file, headerSize);
    ReadLoops(reader, file, reports);
    ReadRateAndCorrectTune(reader, file, reports);
    mLoopTuneOffset = reader.SignedByte(kLoopTuneOffsetOffset, kRowLoopTuneOffset);

    if (reader.GetErrorCount() > kMostErrorsKept)
        throw NSTramvell::XBadFormat();
    ReadData(file, headerSize);
}

// The length is held to the data the file really holds, so that a damaged length can neither read
// past the file nor size a huge buffer.
void CAkaiSample::ReadPlayRange(CHeaderReader& reader, NSAkaiParser::IAkaiFileMedia& file, std::uint64_t headerSize)
{
    mSampleLength = NSAkaiParser::ReadHeaderLong(file, kLengthOffset);
    const std::uint64_t fileSize = file.GetSize();
    if (headerSize + 2 * static_cast<std::uint64_t>(mSampleLength) > fileSize) {
        mSampleLength = fileSize > headerSize ? static_cast<std::uint32_t>((fileSize - headerSize) / 2) : 0;
        reader.ReportOutOfRange(NSAkaiParser::kSampleLengthNameId);
    }

    mSampleStart = NSAkaiParser::ReadHeaderLong(file, kStartOffset);
    if (mSampleStart > mSampleLength) {
        mSampleStart = 0;
        reader.ReportOutOfRange(NSAkaiParser::kSampleStartNameId);
    }

    mSampleEnd = NSAkaiParser::ReadHeaderLong(file, kEndOffset);
    if (mSampleEnd > mSampleLength || mSampleEnd < mSampleStart) {
        mSampleEnd = mSampleLength;
        reader.ReportOutOfRange(NSAkaiParser::kSampleEndNameId);
    }
}

// However many loops are damaged, they count as one error of the sample.
void CAkaiSample::ReadLoops(CHeaderReader& reader, NSAkaiParser::IAkaiFileMedia& file,
                            std::vector<std::string>& reports)
{
    std::int32_t loopErrorCount = 0;
    for (std::int32_t slot = 0; slot < kLoopSlotCount; ++slot) {
        const std::uint64_t recordStart = kFirstLoopOffset + kLoopRecordSizeInBytes * static_cast<std::uint64_t>(slot);
        if (NSAkaiParser::IsLoopSlotUsed(file, recordStart))
            mLoops.push_back(
                NSAkaiParser::ParseLoop(file, recordStart, mSampleStart, mSampleEnd, reports, loopErrorCount, slot));
    }
    if (loopErrorCount != 0)
        reader.CountError();
}

// A sample played at a rate other than the one its bandwidth implies sounds shifted; the tune
// compensates. Some samplers store a rate of 0; it means the rate that the bandwidth implies.
void CAkaiSample::ReadRateAndCorrectTune(CHeaderReader& reader, NSAkaiParser::IAkaiFileMedia& file,
                                         std::vector<std::string>& reports)
{
    const std::uint8_t bandwidth = reader.Byte(kBandwidthOffset, kRowBandwidth);
    const std::uint32_t expectedRate = bandwidth == 0 ? kNarrowBandRate : kFullBandRate;

    const std::uint16_t storedRate = NSAkaiParser::ReadHeaderWord(file, kRateOffset);
    mSampleRate = storedRate == 0 ? static_cast<std::uint16_t>(expectedRate)
                                  : static_cast<std::uint16_t>(reader.Check(storedRate, kRowSampleRate));
    if (mSampleRate == expectedRate)
        return;

    const double correction = 1200.0 * std::log2(static_cast<double>(mSampleRate) / expectedRate);
    mTuneCents = reader.Check(mTuneCents - static_cast<std::int32_t>(std::lround(correction)), kRowTuneCents);

    std::int8_t semitones = 0;
    std::int8_t cents = 0;
    NSAkaiParser::SplitHundreds(mTuneCents, semitones, cents);
    const std::int32_t playedRoot = static_cast<std::int32_t>(mMIDIRootNote) - semitones;
    if (playedRoot < kLowestNote || playedRoot > kHighestNote)
        reports.push_back(NSAkaiParser::GetParserString(NSAkaiParser::kResampledRateReportId));
}

// The data is read straight into the samples' own storage in one read, which the sizing leaves
// uncleared; only a big-endian machine then has bytes to turn round.
void CAkaiSample::ReadData(NSAkaiParser::IAkaiFileMedia& file, std::uint64_t headerSize)
{
    if (mSampleLength == 0)
        return;
    mSampleData.resize(mSampleLength);
    file.ReadAt(headerSize, 2 * static_cast<std::uint64_t>(mSampleLength), mSampleData.data());
    if constexpr (std::endian::native != std::endian::little) {
        for (std::int16_t& value : mSampleData)
            value = static_cast<std::int16_t>(NSTramvell::ReadLittleEndian16(reinterpret_cast<std::uint8_t*>(&value)));
    }
}

} // namespace NSAkaiParserImplementation

namespace NSAkaiParser {

std::unique_ptr<IAkaiSample> CreateAkaiSample(IAkaiFileMedia& file, std::int32_t headerFormat,
                                              std::vector<std::string>& reports, const std::string& name)
{
    return std::make_unique<NSAkaiParserImplementation::CAkaiSample>(file, reports, headerFormat, name);
}

CAkaiLoop ParseLoop(IAkaiFileMedia& file, std::uint64_t recordStart, std::uint32_t sampleStart,
                    std::uint32_t sampleEnd, std::vector<std::string>& reports, std::int32_t& loopErrorCount,
                    std::int32_t slot)
{
    using namespace NSAkaiParserImplementation;
    std::uint32_t loopAt = ReadHeaderLong(file, recordStart + kLoopAtInRecord);
    const std::uint16_t lengthFraction = ReadHeaderWord(file, recordStart + kLengthFractionInRecord);
    const std::uint16_t lengthLow = ReadHeaderWord(file, recordStart + kLengthLowInRecord);
    const std::uint16_t lengthHigh = ReadHeaderWord(file, recordStart + kLengthHighInRecord);
    std::uint32_t length = (static_cast<std::uint32_t>(lengthHigh) << 16) | lengthLow;
    const auto dwellTime = static_cast<std::uint16_t>(SampleValidators()[kRowLoopDwellTime].Validate(
        ReadHeaderWord(file, recordStart + kDwellTimeInRecord), reports, loopErrorCount, std::string()));
    if (dwellTime == 0)
        return CAkaiLoop(loopAt, lengthFraction, length, dwellTime);

    if (loopAt < sampleStart || loopAt > sampleEnd) {
        ++loopErrorCount;
        reports.push_back(MakeLoopMessage(kLoopAtNameId, slot));
        loopAt = sampleEnd;
    }
    // A loop cannot start before the data does: it shrinks to the loop point, or covers the whole
    // play range when the loop point is 0.
    if (loopAt < length) {
        ++loopErrorCount;
        if (loopAt > 0) {
            length = loopAt;
        } else {
            length = sampleEnd;
            loopAt = sampleEnd;
        }
        reports.push_back(MakeLoopMessage(kLoopLengthNameId, slot));
    }
    return CAkaiLoop(loopAt, lengthFraction, length, dwellTime);
}

std::string MakeLoopMessage(std::uint32_t nameId, std::int32_t slot)
{
    return NSTramvell::ReplaceParameters(GetParserString(kLoopReportId), std::to_string(slot + 1),
                                         NSAkaiParserImplementation::MakeOutOfRangeReport(GetParserString(nameId)));
}

bool IsLoopSlotUsed(IAkaiFileMedia& file, std::uint64_t recordStart)
{
    return ReadHeaderWord(file, recordStart + NSAkaiParserImplementation::kDwellTimeInRecord) != 0;
}

} // namespace NSAkaiParser
