// The validator table against the fixture written from the table of parameter ranges, the
// validators' clamping and reports, the flag readers and the parser strings.

#include "akai/parsers/AkaiValidators.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace NSAkaiTestSupport;
using NSAkaiParser::ParserStringId;
using NSAkaiParserImplementation::CParameterValidator;

namespace {

// Every test of the parser program starts from the test strings.
class CParserStringsEnvironment : public testing::Environment
{
public:
    void SetUp() override { InstallParserStrings(); }
};

const testing::Environment* const kParserStrings = testing::AddGlobalTestEnvironment(new CParserStringsEnvironment);

} // namespace

TEST(ValidatorTable, MatchesTheFixtureRowByRow)
{
    const std::vector<CValidatorFixtureRow> fixture = LoadValidatorFixture();
    const auto& table = NSAkaiParserImplementation::kParameterRows;
    ASSERT_EQ(fixture.size(), 154u);
    ASSERT_EQ(table.size(), fixture.size());
    for (std::size_t i = 0; i < fixture.size(); ++i) {
        SCOPED_TRACE(fixture[i].name);
        EXPECT_EQ(fixture[i].index, i);
        EXPECT_EQ(table[i].index, fixture[i].index);
        EXPECT_EQ(table[i].nameId, ParserStringId(fixture[i].entry));
        EXPECT_EQ(table[i].minimum, fixture[i].minimum);
        EXPECT_EQ(table[i].maximum, fixture[i].maximum);
        EXPECT_EQ(table[i].defaultValue, fixture[i].defaultValue);
    }
}

TEST(ValidatorTable, BuiltValidatorsTestTheirRowsRange)
{
    NSAkaiParserImplementation::CParameterValidatorTable validators;
    for (const CValidatorFixtureRow& row : LoadValidatorFixture()) {
        SCOPED_TRACE(row.name);
        CParameterValidator& validator = validators[static_cast<NSAkaiParserImplementation::EParameterRow>(row.index)];
        EXPECT_TRUE(validator.IsInRange(row.minimum));
        EXPECT_TRUE(validator.IsInRange(row.maximum));
        EXPECT_FALSE(validator.IsInRange(row.minimum - 1));
        EXPECT_FALSE(validator.IsInRange(row.maximum + 1));
        EXPECT_EQ(validator.GetDefault(), row.defaultValue);
        // A validator reports with its own row's name.
        std::vector<std::string> errors;
        std::int32_t errorCount = 0;
        validator.Validate(row.maximum + 1, errors, errorCount, "");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], OutOfRange(row.name));
    }
}

TEST(ParameterValidator, ClampsToTheNearerBoundCountsAndReports)
{
    CParameterValidator lowKey(0, 127, 24, ParserStringId(102));
    const struct
    {
        std::int32_t value;
        std::int32_t stored;
        bool reported;
    } kCases[] = {{0, 0, false}, {127, 127, false}, {60, 60, false}, {200, 127, true}, {128, 127, true}, {-1, 0, true},
                  {-100000, 0, true}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        std::vector<std::string> errors = {"earlier"};
        std::int32_t errorCount = 3;
        EXPECT_EQ(lowKey.Validate(c.value, errors, errorCount, "P: "), c.stored);
        EXPECT_EQ(errorCount, c.reported ? 4 : 3);
        ASSERT_EQ(errors.size(), c.reported ? 2u : 1u);
        if (c.reported) {
            EXPECT_EQ(errors[1], "P: The parameter 'Low Key' was out of range.");
        }
    }
}

TEST(ParameterValidator, PrefixesReportsInAKeyGroupWithItsNumber)
{
    CParameterValidator tune(-5000, 5000, 0, ParserStringId(104));
    std::vector<std::string> errors;
    std::int32_t errorCount = 0;
    EXPECT_EQ(tune.ValidateInKeyGroup(-6000, errors, errorCount, 2), -5000);
    EXPECT_EQ(tune.ValidateInKeyGroup(4999, errors, errorCount, 2), 4999);
    EXPECT_EQ(errorCount, 1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "KeyGroup 3: The parameter 'Tune Cents' was out of range.");
}

TEST(ParameterValidator, FetchesItsNameOnceAndKeepsIt)
{
    CParameterValidator lowKey(0, 127, 24, ParserStringId(102));
    std::vector<std::string> errors;
    std::int32_t errorCount = 0;
    lowKey.Validate(200, errors, errorCount, "");
    {
        CScopedParserStrings renamed({{ParserStringId(100), "The parameter '^0' was out of range."},
                                      {ParserStringId(102), "Renamed"}});
        lowKey.Validate(300, errors, errorCount, "");
    }
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], OutOfRange("Low Key"));
    EXPECT_EQ(errors[1], errors[0]);
}

// The report is kept between values, but a report text installed since then still shows.
TEST(ParameterValidator, BuildsItsReportFromTheReportTextInstalledNow)
{
    CParameterValidator lowKey(0, 127, 24, ParserStringId(102));
    std::vector<std::string> errors;
    std::int32_t errorCount = 0;
    lowKey.Validate(200, errors, errorCount, "");
    {
        CScopedParserStrings reworded({{ParserStringId(100), "'^0' was damaged."}});
        lowKey.Validate(300, errors, errorCount, "P: ");
    }
    lowKey.Validate(400, errors, errorCount, "");
    EXPECT_EQ(errors, (std::vector<std::string>{OutOfRange("Low Key"), "P: 'Low Key' was damaged.",
                                                OutOfRange("Low Key")}));
}

TEST(ParameterValidator, InRangeValuesNeedNoStrings)
{
    CScopedParserStrings none({});
    CParameterValidator volume(0, 99, 80, ParserStringId(153));
    std::vector<std::string> errors;
    std::int32_t errorCount = 0;
    EXPECT_EQ(volume.ValidateInKeyGroup(99, errors, errorCount, 0), 99);
    EXPECT_THROW(volume.Validate(100, errors, errorCount, ""), std::range_error);
}

TEST(ParameterValidator, ANameHoldingAPlaceholderIsNotSubstitutedAgain)
{
    CScopedParserStrings strings({{ParserStringId(100), "The parameter '^0' was out of range."},
                                  {ParserStringId(101), "KeyGroup ^0: "},
                                  {ParserStringId(102), "Key ^0 ^1"}});
    CParameterValidator lowKey(0, 127, 24, ParserStringId(102));
    std::vector<std::string> errors;
    std::int32_t errorCount = 0;
    lowKey.ValidateInKeyGroup(128, errors, errorCount, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "KeyGroup 1: The parameter 'Key ^0 ^1' was out of range.");
}

TEST(ParserStrings, FindTheFirstPairWithTheIdAndThrowForAMissingOne)
{
    CScopedParserStrings strings({{7, "first"}, {8, "other"}, {7, "second"}});
    EXPECT_EQ(NSAkaiParser::GetParserString(7), "first");
    EXPECT_EQ(NSAkaiParser::GetParserString(8), "other");
    try {
        NSAkaiParser::GetParserString(9);
        ADD_FAILURE() << "no exception";
    } catch (const std::range_error& e) {
        EXPECT_STREQ(e.what(), "UI string not found");
    }
}

TEST(ReadFlag, ZeroAndOneAreFlagsAndAnyOtherByteGivesTheDefaultWithAReport)
{
    const struct
    {
        std::uint8_t stored;
        bool defaultFlag;
        bool flag;
        bool reported;
    } kCases[] = {{0, true, false, false}, {1, false, true, false}, {2, true, true, true},
                  {2, false, false, true}, {255, true, true, true}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int(c.stored) << " default " << c.defaultFlag);
        CRecordingFileMedia file({9, c.stored});
        std::vector<std::string> errors;
        std::int32_t errorCount = 0;
        EXPECT_EQ(NSAkaiParser::ReadFlag(file, 1, errors, errorCount, NSAkaiParser::kPortamentoOnNameId, c.defaultFlag),
                  c.flag);
        EXPECT_EQ(NSAkaiParser::ReadKeyGroupFlag(file, 1, errors, errorCount, NSAkaiParser::kSampleKeyTrackingNameId,
                                                 c.defaultFlag, 4),
                  c.flag);
        EXPECT_EQ(errorCount, c.reported ? 2 : 0);
        if (c.reported) {
            ASSERT_EQ(errors.size(), 2u);
            EXPECT_EQ(errors[0], OutOfRange("Portamento On"));
            EXPECT_EQ(errors[1], "KeyGroup 5: " + OutOfRange("Sample Key Tracking Is On"));
        } else {
            EXPECT_TRUE(errors.empty());
        }
    }
}

TEST(HasOnlyAkaiCharacters, AcceptsTheFortyOneCharactersOnly)
{
    const struct
    {
        const char* text;
        bool accepted;
    } kCases[] = {{"", true}, {"PIANO 1", true}, {"0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-.", true},
                  {"piano", false}, {"AB~", false}, {"A_B", false}, {"A\xC4", false}};
    for (const auto& c : kCases)
        EXPECT_EQ(NSAkaiParserImplementation::HasOnlyAkaiCharacters(c.text), c.accepted) << c.text;
}
