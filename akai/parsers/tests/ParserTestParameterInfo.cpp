// The cents split, the centred 14-bit values, the parameter descriptors and the reference records.

#include "akai/parsers/CentredValues.h"
#include "akai/parsers/ParameterInfo.h"
#include "akai/parsers/ParameterReference.h"
#include "akai/parsers/SplitHundreds.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringManager.h"

#include <gtest/gtest.h>

using namespace NSAkaiParser;

TEST(SplitHundreds, RoundsHalvesTowardZeroThroughTheSinglePrecisionFactor)
{
    const struct
    {
        std::int32_t cents;
        std::int8_t hundreds;
        std::int8_t remainder;
    } kCases[] = {{0, 0, 0},     {50, 0, 50},    {-50, 0, -50},    {150, 1, 50},   {-150, -1, -50}, {250, 2, 50},
                  {-250, -2, -50}, {251, 3, -49}, {49, 0, 49},      {-251, -3, 49}, {1200, 12, 0},   {-5000, -50, 0},
                  {5000, 50, 0}, {99, 1, -1}};
    for (const auto& c : kCases) {
        std::int8_t hundreds = 99;
        std::int8_t remainder = 99;
        SplitHundreds(c.cents, hundreds, remainder);
        EXPECT_EQ(hundreds, c.hundreds) << c.cents;
        EXPECT_EQ(remainder, c.remainder) << c.cents;
    }
}

TEST(CentredValue, SplitsIntoSevenBitBytesAndJoinsBack)
{
    const struct
    {
        std::int32_t value;
        std::uint8_t low;
        std::uint8_t high;
    } kCases[] = {{0, 0, 64}, {-8192, 0, 0}, {8191, 127, 127}, {1, 1, 64}, {-1, 127, 63}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        std::uint8_t low = 200;
        std::uint8_t high = 200;
        SplitCentredValue(c.value, low, high);
        EXPECT_EQ(low, c.low);
        EXPECT_EQ(high, c.high);
        EXPECT_EQ(JoinCentredValue(c.low, c.high), c.value);
    }
    EXPECT_EQ(JoinHighLow(0x12, 0x34), 0x1234);
    EXPECT_EQ(HighByteOf(0x1234), 0x12);
    EXPECT_EQ(HighByteOf(-256), -1);
}

TEST(CentredValue, EveryValueIsStorable)
{
    for (const std::int32_t value : {0, -8192, 8191, -8193, 8192, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(value);
        EXPECT_TRUE(IsCentredValueStorable(value));
    }
}

TEST(CParameterInfo, ValueNamesStopAtTheCountAndAtTheListsEnd)
{
    CParameterInfo info(5, 1000, 2, 2000);
    info.SetValueNames(CParameterInfo::EValueList::kFirst, {"a", "b", "c", "d", "e", "f"});
    info.SetValueName(CParameterInfo::EValueList::kSecond, 0, "x");
    EXPECT_EQ(info.GetFirstValueName(4), "e");
    EXPECT_EQ(info.GetFirstValueName(5), "");
    EXPECT_EQ(info.GetSecondValueName(0), "x");
    EXPECT_EQ(info.GetSecondValueName(1), "");
    EXPECT_EQ(info.GetFirstValueNames(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(info.GetSecondValueNames(), (std::vector<std::string>{"x", ""}));

    info.SetValueName(CParameterInfo::EValueList::kThird, 2, "third");
    ASSERT_EQ(info.GetThirdValueCount(), 3u);
    EXPECT_EQ(info.GetThirdValueName(0), "");
    EXPECT_EQ(info.GetThirdValueName(2), "third");

    const CParameterInfo single(3, 7);
    EXPECT_EQ(single.GetSecondCount(), 0);
    EXPECT_EQ(single.GetSecondId(), 0u);
    EXPECT_TRUE(single.GetSecondValueNames().empty());
}

TEST(CParameterInfo, FillsItsNamesFromTheKeysOfATable)
{
    CParameterInfo info(3, 1, 2, 2);
    info.SetValueNames(CParameterInfo::EValueList::kThird, {"old", "old"});
    info.FillNames({{100, "Off"}, {101, "On"}, {500, "Left"}, {501, "Right"}, {502, "Beyond"}, {2201, "Second"},
                    {100, "Later"}});
    EXPECT_EQ(info.GetFirstValueNames(), (std::vector<std::string>{"Off", "On", ""}));
    EXPECT_EQ(info.GetSecondValueNames(), (std::vector<std::string>{"Left", "Right"}));
    ASSERT_EQ(info.GetThirdValueCount(), 2u);
    EXPECT_EQ(info.GetThirdValueName(0), "");
    EXPECT_EQ(info.GetThirdValueName(1), "Second");
    EXPECT_EQ(LookUpKey({{1, "a"}, {1, "b"}}, 1), "a");
    EXPECT_EQ(LookUpKey({{1, "a"}}, 2), "");
}

namespace {

// Serves one string-table script, as the application's resources would.
class FakeStringResources : public NSTramvell::IStringResourceReader
{
public:
    bool HasStringResource(const NSTramvell::CResourceKey& key) override { return Holds(key); }
    std::unique_ptr<NSTramvell::CMedia> ReadStringResource(const NSTramvell::CResourceKey& key) override
    {
        if (!Holds(key))
            throw NSTramvell::XBase();
        const std::string script = "100 {Off}\r\n101 {On}\r\n500\t{Left}\r\n// a comment\r\n2200 {Sine}\r\n2201 {Saw}";
        return std::make_unique<NSTramvell::COwnedMemoryMedia>(static_cast<std::int32_t>(script.size()), script.data());
    }

private:
    static bool Holds(const NSTramvell::CResourceKey& key)
    {
        return key.GetType().GetString() == "SSTR" && key.GetNumber() == 300;
    }
};

} // namespace

TEST(CParameterInfo, ReadsItsNamesFromAStringTableResource)
{
    FakeStringResources resources;
    NSTramvell::CreateStringManager(resources);
    CParameterInfo info(2, 1, 1, 2);
    info.SetValueNames(CParameterInfo::EValueList::kThird, {"", ""});
    const CParameterInfo named = info.WithNamesFromResource(300);
    EXPECT_THROW(info.WithNamesFromResource(301), NSTramvell::XBase);
    NSTramvell::DestroyStringManager();

    EXPECT_EQ(named.GetFirstValueNames(), (std::vector<std::string>{"Off", "On"}));
    EXPECT_EQ(named.GetSecondValueNames(), (std::vector<std::string>{"Left"}));
    EXPECT_EQ(named.GetThirdValueName(0), "Sine");
    EXPECT_EQ(named.GetThirdValueName(1), "Saw");
    EXPECT_EQ(info.GetFirstValueName(0), "");
}

TEST(CByteParameterInfo, CopiesEveryField)
{
    const CByteParameterInfo original(1, 2, 3, 4, 10, 20, 30, 40, 77);
    const CByteParameterInfo copy(original);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(copy.GetByteValue(i), i + 1);
        EXPECT_EQ(copy.GetLongValue(i), 10 * (i + 1));
    }
    EXPECT_EQ(copy.GetId(), 77);
}

TEST(ParameterReferences, DefaultsAreEqualAndTheIdentifierTellsThemApart)
{
    EXPECT_EQ(CParameterReference(), CParameterReference());
    EXPECT_FALSE(CParameterReference() == CParameterReference(53, 668, 669));
    EXPECT_EQ(CParameterReference(52, 668), CParameterReference());
    EXPECT_EQ(CParameterRangeReference(), CParameterRangeReference(52, -100, -1, 668));
    EXPECT_FALSE(CParameterRangeReference() == CParameterRangeReference(53, -100, -1, 668));
    EXPECT_EQ(CParameterValueReference().GetValue(), -2147483647 - 1);
    EXPECT_EQ(CParameterValueReference(), CParameterValueReference(52, -2147483647 - 1, 668));
    EXPECT_FALSE(CParameterValueReference() == CParameterValueReference(53, -2147483647 - 1, 668, 669));
    CParameterReference assigned(53, 1, 2);
    assigned = assigned;
    EXPECT_EQ(assigned, CParameterReference(53, 1, 2));
}
