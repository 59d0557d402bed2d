#include "akai/parsers/HeaderReader.h"

#include "akai/filesystem/AkaiNames.h"
#include "akai/parsers/ParserStrings.h"

#include <utility>

namespace NSAkaiParserImplementation {

CHeaderReader::CHeaderReader(NSAkaiParser::IAkaiFileMedia& file, CParameterValidatorTable& validators,
                             std::vector<std::string>& reports)
    : mFile(file), mValidators(validators), mReports(reports)
{
}

CHeaderReader::CHeaderReader(NSAkaiParser::IAkaiFileMedia& file, CParameterValidatorTable& validators,
                             std::vector<std::string>& reports, std::uint64_t recordStart,
                             std::int32_t keyGroupIndex)
    : mFile(file), mValidators(validators), mReports(reports), mRecordStart(recordStart),
      mKeyGroupIndex(keyGroupIndex)
{
}

std::uint8_t CHeaderReader::Byte(std::uint64_t position, EParameterRow row)
{
    return static_cast<std::uint8_t>(Check(NSAkaiParser::ReadHeaderByte(mFile, mRecordStart + position), row));
}

std::int8_t CHeaderReader::SignedByte(std::uint64_t position, EParameterRow row)
{
    return static_cast<std::int8_t>(Check(NSAkaiParser::ReadHeaderSignedByte(mFile, mRecordStart + position), row));
}

std::int16_t CHeaderReader::SignedWord(std::uint64_t position, EParameterRow row)
{
    const auto stored = static_cast<std::int16_t>(NSAkaiParser::ReadHeaderWord(mFile, mRecordStart + position));
    return static_cast<std::int16_t>(Check(stored, row));
}

std::int32_t CHeaderReader::Tune(std::uint64_t finePosition, std::uint64_t semitonesPosition)
{
    const std::uint8_t fine = NSAkaiParser::ReadHeaderByte(mFile, mRecordStart + finePosition);
    const std::int8_t semitones = NSAkaiParser::ReadHeaderSignedByte(mFile, mRecordStart + semitonesPosition);
    return Check(NSAkaiParser::TuneToCents(semitones, fine), kRowTuneCents);
}

bool CHeaderReader::Flag(std::uint64_t position, std::uint32_t nameId, bool defaultFlag)
{
    const std::size_t reportCount = mReports.size();
    const bool flag =
        NSAkaiParser::ReadFlag(mFile, mRecordStart + position, mReports, mErrorCount, nameId, defaultFlag);
    // The keygroup's report takes the prefix its other reports share, built once for them all.
    if (mKeyGroupIndex && mReports.size() != reportCount)
        mReports.back().insert(0, KeyGroupPrefix());
    return flag;
}

std::string CHeaderReader::Name(std::uint64_t position)
{
    return NSAkaiParser::ReadAkaiName(mFile, mRecordStart + position);
}

std::int32_t CHeaderReader::Check(std::int32_t value, EParameterRow row)
{
    CParameterValidator& validator = mValidators[row];
    if (mKeyGroupIndex && !validator.IsInRange(value))
        return validator.Validate(value, mReports, mErrorCount, KeyGroupPrefix());
    return validator.Validate(value, mReports, mErrorCount, std::string());
}

const std::string& CHeaderReader::KeyGroupPrefix()
{
    if (mKeyGroupPrefix.empty())
        mKeyGroupPrefix = MakeKeyGroupPrefix(*mKeyGroupIndex);
    return mKeyGroupPrefix;
}

void CHeaderReader::Report(std::string report)
{
    ++mErrorCount;
    mReports.push_back(std::move(report));
}

void CHeaderReader::ReportOutOfRange(std::uint32_t nameId)
{
    Report(MakeOutOfRangeReport(NSAkaiParser::GetParserString(nameId)));
}

} // namespace NSAkaiParserImplementation
