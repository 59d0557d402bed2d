#pragma once

// The Akai parsers' own table of user-interface texts. The application fills it once at start-up, so
// the parsers never reach the program's resources themselves.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiParser {

// Texts are named by their full reference number in string table 128: entry 102 is 401280102.
constexpr std::uint32_t ParserStringId(std::uint32_t entry)
{
    return 401280000u + entry;
}

constexpr std::uint32_t kOutOfRangeReportId = ParserStringId(100);      // "The parameter '^0' was out of range."
constexpr std::uint32_t kKeyGroupPrefixId = ParserStringId(101);        // "KeyGroup ^0: "
constexpr std::uint32_t kLoopReportId = ParserStringId(133);            // "Loop ^0: ^1"
constexpr std::uint32_t kIllegalSampleNameReportId = ParserStringId(275);
constexpr std::uint32_t kCorruptKeyGroupReportId = ParserStringId(276);
constexpr std::uint32_t kResampledRateReportId = ParserStringId(277);

// Names of the values that no validator row covers.
constexpr std::uint32_t kVelocityZoneCrossfadeNameId = ParserStringId(129);
constexpr std::uint32_t kHoldAttackUntilLoopNameId = ParserStringId(140);
constexpr std::uint32_t kSampleKeyTrackingNameId = ParserStringId(141);
constexpr std::uint32_t kLFODesyncNameId = ParserStringId(175);
constexpr std::uint32_t kLoopLengthNameId = ParserStringId(189);
constexpr std::uint32_t kSampleStartNameId = ParserStringId(190);
constexpr std::uint32_t kLoopAtNameId = ParserStringId(191);
constexpr std::uint32_t kMonoLegatoModeNameId = ParserStringId(195);
constexpr std::uint32_t kLFO2RetriggerModeNameId = ParserStringId(225);
constexpr std::uint32_t kPortamentoOnNameId = ParserStringId(228);
constexpr std::uint32_t kSampleEndNameId = ParserStringId(269);
constexpr std::uint32_t kSampleLengthNameId = ParserStringId(278);

// Replaces the whole table by a copy of strings.
void SetUIStrings(const std::vector<std::pair<std::uint32_t, std::string>>& strings);

// The text of the first pair with this id, valid until the table is next replaced; std::range_error("UI
// string not found") when none has it.
const std::string& GetParserString(std::uint32_t id);

} // namespace NSAkaiParser
