#include "akai/parsers/HeaderReader.h"

#include "akai/filesystem/AkaiNames.h"
#include "akai/parsers/ParserStrings.h"

namespace NSAkaiParserImplementation {

CHeaderReader::CHeaderReader(NSAkaiParser::IAkaiFileMedia& file, CParameterValidatorTable& validators,
                             std::vector<std::string>& reports)
    : mFile(file), mValidators(validators), mReports(reports)
{
}

std::uint8_t CHeaderReader::Byte(std::uint64_t position, EParameterRow row)
{
    return static_cast<std::uint8_t>(Check(NSAkaiParser::ReadHeaderByte(mFile, position), row));
}

std::int8_t CHeaderReader::SignedByte(std::uint64_t position, EParameterRow row)
{
    return static_cast<std::int8_t>(Check(NSAkaiParser::ReadHeaderSignedByte(mFile, position), row));
}

bool CHeaderReader::Flag(std::uint64_t position, std::uint32_t nameId, bool defaultFlag)
{
    return NSAkaiParser::ReadFlag(mFile, position, mReports, mErrorCount, nameId, defaultFlag);
}

std::int32_t CHeaderReader::Check(std::int32_t value, EParameterRow row)
{
    return mValidators[row].Validate(value, mReports, mErrorCount, std::string());
}

void CHeaderReader::ReportOutOfRange(std::uint32_t nameId)
{
    ++mErrorCount;
    mReports.push_back(MakeOutOfRangeReport(NSAkaiParser::GetParserString(nameId)));
}

} // namespace NSAkaiParserImplementation
