#include "akai/parsers/AkaiValidators.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "akai/filesystem/AkaiNames.h"
#include "akai/parsers/ParserStrings.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <optional>
#include <string_view>
#include <utility>

namespace NSAkaiParserImplementation {

// index, name id, minimum, maximum, default
const std::array<CParameterRow, kParameterRowCount> kParameterRows = {{
    {0, NSAkaiParser::ParserStringId(102), 0, 127, 24},
    {1, NSAkaiParser::ParserStringId(103), 0, 127, 127},
    {2, NSAkaiParser::ParserStringId(106), 0, 99, 99},
    {3, NSAkaiParser::ParserStringId(107), -24, 24, 0},
    {4, NSAkaiParser::ParserStringId(108), -50, 50, 0},
    {5, NSAkaiParser::ParserStringId(109), -50, 50, 0},
    {6, NSAkaiParser::ParserStringId(110), -50, 50, 0},
    {7, NSAkaiParser::ParserStringId(111), 0, 99, 0},
    {8, NSAkaiParser::ParserStringId(112), 0, 99, 30},
    {9, NSAkaiParser::ParserStringId(113), 0, 99, 99},
    {10, NSAkaiParser::ParserStringId(114), 0, 99, 45},
    {11, NSAkaiParser::ParserStringId(115), -50, 50, 0},
    {12, NSAkaiParser::ParserStringId(116), -50, 50, 0},
    {13, NSAkaiParser::ParserStringId(117), -50, 50, 0},
    {14, NSAkaiParser::ParserStringId(118), -50, 50, 0},
    {15, NSAkaiParser::ParserStringId(119), 0, 99, 0},
    {16, NSAkaiParser::ParserStringId(120), 0, 99, 50},
    {17, NSAkaiParser::ParserStringId(121), 0, 99, 99},
    {18, NSAkaiParser::ParserStringId(122), 0, 99, 45},
    {19, NSAkaiParser::ParserStringId(123), -50, 50, 0},
    {20, NSAkaiParser::ParserStringId(124), -50, 50, 0},
    {21, NSAkaiParser::ParserStringId(125), -50, 50, 0},
    {22, NSAkaiParser::ParserStringId(126), -50, 50, 0},
    {23, NSAkaiParser::ParserStringId(127), -50, 50, 0},
    {24, NSAkaiParser::ParserStringId(128), -50, 50, 0},
    {25, NSAkaiParser::ParserStringId(130), 0, 4, 4},
    {26, NSAkaiParser::ParserStringId(131), 0, 127, 0},
    {27, NSAkaiParser::ParserStringId(132), 0, 127, 127},
    {28, NSAkaiParser::ParserStringId(135), -50, 50, 0},
    {29, NSAkaiParser::ParserStringId(136), -50, 50, 0},
    {30, NSAkaiParser::ParserStringId(137), -50, 50, 0},
    {31, NSAkaiParser::ParserStringId(138), 0, 4, 0},
    {32, NSAkaiParser::ParserStringId(139), -50, 50, 0},
    {33, NSAkaiParser::ParserStringId(140), 0, 1, 0},
    {34, NSAkaiParser::ParserStringId(142), 0, 7, 0},
    {35, NSAkaiParser::ParserStringId(143), -9999, 9999, 0},
    {36, NSAkaiParser::ParserStringId(144), -50, 50, 0},
    {37, NSAkaiParser::ParserStringId(145), 0, 127, 0},
    {38, NSAkaiParser::ParserStringId(147), 0, 31, 15},
    {39, NSAkaiParser::ParserStringId(148), 0, 3, 1},
    {40, NSAkaiParser::ParserStringId(149), -2, 2, 0},
    {41, NSAkaiParser::ParserStringId(151), 0, 99, 99},
    {42, NSAkaiParser::ParserStringId(152), -50, 50, 0},
    {43, NSAkaiParser::ParserStringId(153), 0, 99, 80},
    {44, NSAkaiParser::ParserStringId(154), -50, 50, 20},
    {45, NSAkaiParser::ParserStringId(155), -50, 50, 0},
    {46, NSAkaiParser::ParserStringId(156), -50, 50, 0},
    {47, NSAkaiParser::ParserStringId(157), 0, 99, 50},
    {48, NSAkaiParser::ParserStringId(158), 0, 99, 0},
    {49, NSAkaiParser::ParserStringId(159), 0, 99, 0},
    {50, NSAkaiParser::ParserStringId(160), -50, 50, 0},
    {51, NSAkaiParser::ParserStringId(161), 0, 99, 50},
    {52, NSAkaiParser::ParserStringId(162), 0, 99, 0},
    {53, NSAkaiParser::ParserStringId(163), 0, 99, 0},
    {54, NSAkaiParser::ParserStringId(164), 0, 99, 30},
    {55, NSAkaiParser::ParserStringId(165), 0, 99, 0},
    {56, NSAkaiParser::ParserStringId(166), 0, 99, 0},
    {57, NSAkaiParser::ParserStringId(167), 0, 24, 2},
    {58, NSAkaiParser::ParserStringId(168), -12, 12, 0},
    {59, NSAkaiParser::ParserStringId(169), 0, 1, 0},
    {60, NSAkaiParser::ParserStringId(170), 1, 99, 1},
    {61, NSAkaiParser::ParserStringId(171), -25, 25, 0},
    {62, NSAkaiParser::ParserStringId(172), 0, 1, 0},
    {63, NSAkaiParser::ParserStringId(173), -50, 50, 0},
    {64, NSAkaiParser::ParserStringId(176), 0, 0, 0},
    {65, NSAkaiParser::ParserStringId(177), 0, 1, 0},
    {66, NSAkaiParser::ParserStringId(178), 0, 99, 10},
    {67, NSAkaiParser::ParserStringId(179), 0, 99, 10},
    {68, NSAkaiParser::ParserStringId(180), 0, 99, 10},
    {69, NSAkaiParser::ParserStringId(181), -50, 50, 0},
    {70, NSAkaiParser::ParserStringId(182), -50, 50, 0},
    {71, NSAkaiParser::ParserStringId(183), -50, 50, 0},
    {72, NSAkaiParser::ParserStringId(184), 0, 2, 1},
    {73, NSAkaiParser::ParserStringId(185), 0, 1, 0},
    {74, NSAkaiParser::ParserStringId(273), 0, 1, 1},
    {75, NSAkaiParser::ParserStringId(274), 1000, 80000, 44100},
    {76, NSAkaiParser::ParserStringId(270), 0, 127, 60},
    {77, NSAkaiParser::ParserStringId(271), 0, 8, 1},
    {78, NSAkaiParser::ParserStringId(272), -1, 7, 0},
    {79, NSAkaiParser::ParserStringId(186), 0, 3, 2},
    {80, NSAkaiParser::ParserStringId(104), -5000, 5000, 0},
    {81, NSAkaiParser::ParserStringId(188), -50, 50, 0},
    {82, NSAkaiParser::ParserStringId(193), 0, 9999, 0},
    {83, NSAkaiParser::ParserStringId(231), 0, 15, 0},
    {84, NSAkaiParser::ParserStringId(232), -50, 50, 0},
    {85, NSAkaiParser::ParserStringId(233), -50, 50, 0},
    {86, NSAkaiParser::ParserStringId(234), -50, 50, 0},
    {87, NSAkaiParser::ParserStringId(235), -50, 50, 0},
    {88, NSAkaiParser::ParserStringId(236), -50, 50, 0},
    {89, NSAkaiParser::ParserStringId(237), -50, 50, 0},
    {90, NSAkaiParser::ParserStringId(238), 0, 99, 99},
    {91, NSAkaiParser::ParserStringId(239), 0, 99, 0},
    {92, NSAkaiParser::ParserStringId(240), 0, 99, 99},
    {93, NSAkaiParser::ParserStringId(241), 0, 99, 0},
    {94, NSAkaiParser::ParserStringId(242), 0, 255, 255},
    {95, NSAkaiParser::ParserStringId(243), 0, 5, 0},
    {96, NSAkaiParser::ParserStringId(244), 0, 99, 0},
    {97, NSAkaiParser::ParserStringId(245), 0, 1, 1},
    {98, NSAkaiParser::ParserStringId(246), 0, 1, 1},
    {99, NSAkaiParser::ParserStringId(247), 0, 3, 3},
    {100, NSAkaiParser::ParserStringId(248), 0, 31, 0},
    {101, NSAkaiParser::ParserStringId(249), 0, 99, 0},
    {102, NSAkaiParser::ParserStringId(250), -50, 50, 0},
    {103, NSAkaiParser::ParserStringId(251), -50, 50, 0},
    {104, NSAkaiParser::ParserStringId(252), -50, 50, 0},
    {105, NSAkaiParser::ParserStringId(253), -50, 50, 0},
    {106, NSAkaiParser::ParserStringId(254), 0, 99, 67},
    {107, NSAkaiParser::ParserStringId(255), -24, 24, 0},
    {108, NSAkaiParser::ParserStringId(256), 0, 99, 0},
    {109, NSAkaiParser::ParserStringId(257), 0, 99, 0},
    {110, NSAkaiParser::ParserStringId(258), 0, 99, 0},
    {111, NSAkaiParser::ParserStringId(259), 0, 99, 0},
    {112, NSAkaiParser::ParserStringId(260), 0, 99, 0},
    {113, NSAkaiParser::ParserStringId(261), 0, 99, 0},
    {114, NSAkaiParser::ParserStringId(262), 0, 99, 0},
    {115, NSAkaiParser::ParserStringId(263), 0, 99, 0},
    {116, NSAkaiParser::ParserStringId(264), -50, 50, 0},
    {117, NSAkaiParser::ParserStringId(265), -50, 50, 0},
    {118, NSAkaiParser::ParserStringId(266), -50, 50, 0},
    {119, NSAkaiParser::ParserStringId(267), -50, 50, 0},
    {120, NSAkaiParser::ParserStringId(268), -50, 50, 0},
    {121, NSAkaiParser::ParserStringId(194), 0, 99, 99},
    {122, NSAkaiParser::ParserStringId(196), 0, 24, 7},
    {123, NSAkaiParser::ParserStringId(197), 0, 1, 0},
    {124, NSAkaiParser::ParserStringId(198), -50, 50, 0},
    {125, NSAkaiParser::ParserStringId(199), 0, 14, 0},
    {126, NSAkaiParser::ParserStringId(200), 0, 14, 0},
    {127, NSAkaiParser::ParserStringId(201), 0, 14, 0},
    {128, NSAkaiParser::ParserStringId(202), 0, 14, 0},
    {129, NSAkaiParser::ParserStringId(203), 0, 14, 0},
    {130, NSAkaiParser::ParserStringId(204), 0, 14, 0},
    {131, NSAkaiParser::ParserStringId(205), 0, 14, 0},
    {132, NSAkaiParser::ParserStringId(206), 0, 14, 0},
    {133, NSAkaiParser::ParserStringId(207), 0, 14, 0},
    {134, NSAkaiParser::ParserStringId(208), 0, 14, 0},
    {135, NSAkaiParser::ParserStringId(209), 0, 14, 0},
    {136, NSAkaiParser::ParserStringId(210), 0, 14, 0},
    {137, NSAkaiParser::ParserStringId(211), 0, 14, 0},
    {138, NSAkaiParser::ParserStringId(212), -50, 50, 0},
    {139, NSAkaiParser::ParserStringId(213), -50, 50, 0},
    {140, NSAkaiParser::ParserStringId(214), -50, 50, 0},
    {141, NSAkaiParser::ParserStringId(215), -50, 50, 0},
    {142, NSAkaiParser::ParserStringId(216), -50, 50, 0},
    {143, NSAkaiParser::ParserStringId(217), -50, 50, 0},
    {144, NSAkaiParser::ParserStringId(218), -50, 50, 0},
    {145, NSAkaiParser::ParserStringId(219), -50, 50, 0},
    {146, NSAkaiParser::ParserStringId(220), 0, 3, 0},
    {147, NSAkaiParser::ParserStringId(221), 0, 3, 0},
    {148, NSAkaiParser::ParserStringId(222), 0, 14, 0},
    {149, NSAkaiParser::ParserStringId(223), 0, 14, 0},
    {150, NSAkaiParser::ParserStringId(224), 0, 14, 0},
    {151, NSAkaiParser::ParserStringId(226), 0, 99, 0},
    {152, NSAkaiParser::ParserStringId(229), 0, 4, 0},
    {153, NSAkaiParser::ParserStringId(230), 0, 99, 0},
}};

CParameterValidator::CParameterValidator(std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue,
                                         std::uint32_t nameId)
    : mMinimum(minimum), mMaximum(maximum), mDefault(defaultValue), mNameId(nameId)
{
}

CParameterValidator::~CParameterValidator() = default;

bool CParameterValidator::IsInRange(std::int32_t value) const
{
    return mMinimum <= value && value <= mMaximum;
}

std::int32_t CParameterValidator::GetDefault() const
{
    return mDefault;
}

std::int32_t CParameterValidator::Validate(std::int32_t value, std::vector<std::string>& errors,
                                           std::int32_t& errorCount, const std::string& prefix)
{
    if (IsInRange(value))
        return value;
    ++errorCount;
    if (mName.empty())
        mName = NSAkaiParser::GetParserString(mNameId);
    const std::string& reportText = NSAkaiParser::GetParserString(NSAkaiParser::kOutOfRangeReportId);
    if (mReport.empty() || reportText != mReportText) {
        mReport = NSTramvell::ReplaceParameters(reportText, mName);
        mReportText = reportText;
    }
    errors.push_back(prefix + mReport);
    return value < mMinimum ? mMinimum : mMaximum;
}

std::int32_t CParameterValidator::ValidateInKeyGroup(std::int32_t value, std::vector<std::string>& errors,
                                                     std::int32_t& errorCount, std::int32_t keyGroupIndex)
{
    if (IsInRange(value))
        return value;
    return Validate(value, errors, errorCount, MakeKeyGroupPrefix(keyGroupIndex));
}

CParameterValidatorTable::CParameterValidatorTable()
{
    mValidators.reserve(kParameterRows.size());
    for (const CParameterRow& row : kParameterRows)
        mValidators.emplace_back(row.minimum, row.maximum, row.defaultValue, row.nameId);
}

CParameterValidator& CParameterValidatorTable::operator[](EParameterRow row)
{
    return mValidators.at(row);
}

bool HasOnlyAkaiCharacters(const std::string& text)
{
    constexpr std::string_view kAkaiCharacters = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-.";
    return text.find_first_not_of(kAkaiCharacters) == std::string::npos;
}

std::string MakeOutOfRangeReport(const std::string& name)
{
    return NSTramvell::ReplaceParameters(NSAkaiParser::GetParserString(NSAkaiParser::kOutOfRangeReportId), name);
}

std::string MakeKeyGroupPrefix(std::int64_t keyGroupIndex)
{
    return NSTramvell::ReplaceParameters(NSAkaiParser::GetParserString(NSAkaiParser::kKeyGroupPrefixId),
                                         std::to_string(keyGroupIndex + 1));
}

} // namespace NSAkaiParserImplementation

namespace NSAkaiParser {

namespace {

// The keygroup prefix is built only for a report, so a valid flag never needs the parser strings.
bool ReadFlagReportingAs(IAkaiFileMedia& file, std::uint64_t position, std::vector<std::string>& errors,
                         std::int32_t& errorCount, std::uint32_t nameId, bool defaultFlag,
                         const std::optional<std::uint32_t>& keyGroupIndex)
{
    const std::uint8_t stored = ReadHeaderByte(file, position);
    if (stored <= 1)
        return stored == 1;
    ++errorCount;
    std::string report = NSAkaiParserImplementation::MakeOutOfRangeReport(GetParserString(nameId));
    if (keyGroupIndex)
        report.insert(0, NSAkaiParserImplementation::MakeKeyGroupPrefix(*keyGroupIndex));
    errors.push_back(std::move(report));
    return defaultFlag;
}

} // namespace

bool ReadFlag(IAkaiFileMedia& file, std::uint64_t position, std::vector<std::string>& errors,
              std::int32_t& errorCount, std::uint32_t nameId, bool defaultFlag)
{
    return ReadFlagReportingAs(file, position, errors, errorCount, nameId, defaultFlag, std::nullopt);
}

bool ReadKeyGroupFlag(IAkaiFileMedia& file, std::uint64_t position, std::vector<std::string>& errors,
                      std::int32_t& errorCount, std::uint32_t nameId, bool defaultFlag,
                      std::uint32_t keyGroupIndex)
{
    return ReadFlagReportingAs(file, position, errors, errorCount, nameId, defaultFlag, keyGroupIndex);
}

} // namespace NSAkaiParser
