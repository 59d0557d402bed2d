#pragma once

// Reads the header fields of one program, keygroup or sample record, checking each against its parser's
// validators and counting the errors; the parser decides when there are too many.

#include "akai/parsers/AkaiValidators.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace NSAkaiParser {
class IAkaiFileMedia;
}

namespace NSAkaiParserImplementation {

class CHeaderReader
{
public:
    // All three are borrowed for the reader's life; reports are the caller's. Positions count from the
    // start of the file.
    CHeaderReader(NSAkaiParser::IAkaiFileMedia& file, CParameterValidatorTable& validators,
                  std::vector<std::string>& reports);
    // For the keygroup record at recordStart: positions count from the record's start, and reports of
    // checked values and flags begin with the keygroup prefix.
    CHeaderReader(NSAkaiParser::IAkaiFileMedia& file, CParameterValidatorTable& validators,
                  std::vector<std::string>& reports, std::uint64_t recordStart, std::int32_t keyGroupIndex);

    std::uint8_t Byte(std::uint64_t position, EParameterRow row);
    std::int8_t SignedByte(std::uint64_t position, EParameterRow row);
    std::int16_t SignedWord(std::uint64_t position, EParameterRow row);
    // The tune in cents from its fine and semitone bytes, checked as kRowTuneCents.
    std::int32_t Tune(std::uint64_t finePosition, std::uint64_t semitonesPosition);
    bool Flag(std::uint64_t position, std::uint32_t nameId, bool defaultFlag);
    // The stored name, unchecked.
    std::string Name(std::uint64_t position);
    // The value as the row's validator corrects it.
    std::int32_t Check(std::int32_t value, EParameterRow row);

    void CountError() { ++mErrorCount; }
    // Counts an error and keeps its report.
    void Report(std::string report);
    // Counts and reports a value that no validator row covers.
    void ReportOutOfRange(std::uint32_t nameId);
    std::int32_t GetErrorCount() const { return mErrorCount; }

private:
    const std::string& KeyGroupPrefix();

    NSAkaiParser::IAkaiFileMedia& mFile;
    CParameterValidatorTable& mValidators;
    std::vector<std::string>& mReports;
    const std::uint64_t mRecordStart = 0;
    const std::optional<std::int32_t> mKeyGroupIndex;
    std::int32_t mErrorCount = 0;
    // Built for the keygroup's first report, so a damaged keygroup builds it once.
    std::string mKeyGroupPrefix;
};

} // namespace NSAkaiParserImplementation
