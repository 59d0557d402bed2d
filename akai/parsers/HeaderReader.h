#pragma once

// Reads the header fields of one program or sample file, checking each against its parser's validators
// and counting the errors; the parser decides when there are too many.

#include "akai/parsers/AkaiValidators.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiParser {
class IAkaiFileMedia;
}

namespace NSAkaiParserImplementation {

class CHeaderReader
{
public:
    // All three are borrowed for the reader's life; reports are the caller's.
    CHeaderReader(NSAkaiParser::IAkaiFileMedia& file, CParameterValidatorTable& validators,
                  std::vector<std::string>& reports);

    std::uint8_t Byte(std::uint64_t position, EParameterRow row);
    std::int8_t SignedByte(std::uint64_t position, EParameterRow row);
    bool Flag(std::uint64_t position, std::uint32_t nameId, bool defaultFlag);
    // The value as the row's validator corrects it, without a prefix.
    std::int32_t Check(std::int32_t value, EParameterRow row);

    void CountError() { ++mErrorCount; }
    // Counts and reports a value that no validator row covers.
    void ReportOutOfRange(std::uint32_t nameId);
    std::int32_t GetErrorCount() const { return mErrorCount; }

private:
    NSAkaiParser::IAkaiFileMedia& mFile;
    CParameterValidatorTable& mValidators;
    std::vector<std::string>& mReports;
    std::int32_t mErrorCount = 0;
};

} // namespace NSAkaiParserImplementation
