#include "framework/foundation/modules/Version.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::string Describe(const CVersion& v)
{
    return v.GetText(CVersion::kTextMajorMinorBugfix);
}

} // namespace

TEST(CVersion, ComparesTheThreePartsAsNumbersAndIgnoresTheStage)
{
    const struct
    {
        CVersion a;
        CVersion b;
        bool atLeast;
        bool atMost;
        bool equal;
    } kCases[] = {
        {CVersion(1, 2, 3), CVersion(1, 2, 3), true, true, true},
        {CVersion(1, 10, 0), CVersion(1, 9, 9), true, false, false},
        {CVersion(1, 9, 9), CVersion(1, 10, 0), false, true, false},
        {CVersion(2, 0, 0), CVersion(1, 255, 255), true, false, false},
        {CVersion(1, 2, 3, 7, EVersionStage::kDevelopment), CVersion(1, 2, 3, 1, EVersionStage::kBeta), true, true,
         true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Describe(c.a) + " vs " + Describe(c.b));
        EXPECT_EQ(c.a >= c.b, c.atLeast);
        EXPECT_EQ(c.a <= c.b, c.atMost);
        EXPECT_EQ(c.a == c.b, c.equal);
    }
    EXPECT_EQ(CVersion(1, 10, 3).GetMajorMinor(), 0x010A);
    EXPECT_EQ(CVersion(1, 10, 3).GetNumber(), 0x010A03u);
}

TEST(CVersion, IsInRangeCountsOnlyTheMajorOfTheMaximum)
{
    const struct
    {
        CVersion version;
        CVersion minimum;
        CVersion maximum;
        bool inRange;
    } kCases[] = {
        {CVersion(2, 5, 0), CVersion(2, 0, 0), CVersion(2, 0, 0), true},
        {CVersion(2, 0, 0), CVersion(2, 0, 0), CVersion(2, 0, 0), true},
        {CVersion(1, 9, 9), CVersion(2, 0, 0), CVersion(3, 0, 0), false},
        {CVersion(3, 9, 9), CVersion(2, 0, 0), CVersion(3, 0, 0), true},
        {CVersion(4, 0, 0), CVersion(2, 0, 0), CVersion(3, 9, 9), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Describe(c.version));
        EXPECT_EQ(c.version.IsInRange(c.minimum, c.maximum), c.inRange);
    }
    EXPECT_TRUE(CVersion(2, 5).IsSameMajor(CVersion(2, 0, 9)));
    EXPECT_FALSE(CVersion(2, 5).IsSameMajor(CVersion(3, 5)));
}

TEST(CVersion, TextOfEachFormat)
{
    const CVersion release300(3, 0, 0);
    const CVersion development301(3, 0, 1, 7, EVersionStage::kDevelopment);
    const CVersion beta240(2, 4, 0, 3, EVersionStage::kBeta);
    const CVersion release102(1, 0, 2);
    const CVersion alpha150(1, 5, 0, 1, EVersionStage::kAlpha);
    const CVersion twoDigits(1, 5, 2);
    const struct
    {
        const CVersion* version;
        int format;
        const char* text;
    } kCases[] = {
        {&release300, 14, "3.0"},
        {&development301, 14, "3.0.1Dev7"},
        {&beta240, 14, "2.4b3"},
        {&release102, 14, "1.0.2"},
        {&alpha150, 14, "1.5a1"},
        {&twoDigits, 10, "1.5"},
        {&twoDigits, 11, "1.05"},
        {&twoDigits, 12, "1.5.2"},
        {&twoDigits, 13, "1.05.02"},
        {&release102, 12, "1.0.2"},
        {&development301, 10, "3.0"},
        {&twoDigits, 9, ""},
        {&twoDigits, 15, ""},
        {&twoDigits, 0, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(c.version->GetText(c.format), c.text);
    }
    EXPECT_EQ(CVersion(1, 123, 45).GetText(13), "1.123.45");
}

TEST(CVersion, StoredFormCarriesMarkerAndThreeParts)
{
    std::array<std::uint8_t, 5> stored{};
    CVersion(1, 2, 3, 9, EVersionStage::kBeta).WriteToBuffer(stored.data());
    EXPECT_EQ(stored, (std::array<std::uint8_t, 5>{0xBC, 1, 2, 3, 0}));

    CVersion read(7, 7, 7, 5, EVersionStage::kAlpha);
    ASSERT_TRUE(read.ReadFromBuffer(stored.data()));
    EXPECT_EQ(read.GetNumber(), 0x010203u);
    // Stage number and stage are not stored, so reading leaves them.
    EXPECT_EQ(read.GetStageNumber(), 5);
    EXPECT_EQ(read.GetStage(), EVersionStage::kAlpha);
}

TEST(CVersion, StoredFormWithoutMarkerIsRefused)
{
    const std::uint8_t stored[] = {0xBB, 4, 5, 6, 0};
    CVersion version(1, 2, 3);
    EXPECT_FALSE(version.ReadFromBuffer(stored));
    EXPECT_EQ(version.GetNumber(), 0x010203u);

    COwnedMemoryMedia media(sizeof stored, stored);
    EXPECT_THROW(CVersion{media}, XBadFormat);
}

TEST(CVersion, MediaRoundTripAdvancesByFiveBytes)
{
    COwnedMemoryMedia media;
    media.WriteByte(0x55);
    CVersion(4, 17, 200).Write(media);
    media.WriteByte(0x66);
    EXPECT_EQ(media.GetSize(), 7);

    media.SetPosition(1);
    const CVersion read(media);
    EXPECT_EQ(read.GetText(12), "4.17.200");
    EXPECT_EQ(read.GetStage(), EVersionStage::kRelease);
    EXPECT_EQ(media.ReadByte(), 0x66);
}

TEST(CVersion, SetMajorMinorResetsBugfixAndStageButKeepsTheStageNumber)
{
    CVersion version(1, 2, 3, 8, EVersionStage::kBeta);
    const std::uint8_t pair[] = {5, 6};
    version.SetMajorMinor(pair);
    EXPECT_EQ(version.GetText(12), "5.6.0");
    EXPECT_EQ(version.GetStage(), EVersionStage::kRelease);
    EXPECT_EQ(version.GetStageNumber(), 8);

    std::uint8_t written[2] = {0, 0};
    CVersion(9, 11).GetMajorMinorPair(written);
    EXPECT_EQ(written[0], 9);
    EXPECT_EQ(written[1], 11);
}

TEST(CFileVersion, ComparesThreePartsInOrderAndIgnoresTheFourth)
{
    const struct
    {
        CFileVersion a;
        CFileVersion b;
        bool atLeast;
    } kCases[] = {
        {CFileVersion(2, 5, 3, 0), CFileVersion(2, 5, 3, 9), true},
        {CFileVersion(2, 5, 2), CFileVersion(2, 5, 3), false},
        {CFileVersion(3, 0, 0), CFileVersion(2, 9, 9), true},
        {CFileVersion(2, 4, 9), CFileVersion(2, 5, 0), false},
        {CFileVersion(2, 10), CFileVersion(2, 9, 65535), true},
        {CFileVersion(1, 65535, 65535), CFileVersion(2, 0), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.a.GetText() + " vs " + c.b.GetText());
        EXPECT_EQ(c.a >= c.b, c.atLeast);
    }
    EXPECT_TRUE(CFileVersion(2, 9).IsInRange(CFileVersion(2, 0), CFileVersion(2, 0)));
    EXPECT_FALSE(CFileVersion(3, 0).IsInRange(CFileVersion(2, 0), CFileVersion(2, 99)));
    EXPECT_FALSE(CFileVersion(1, 9).IsInRange(CFileVersion(2, 0), CFileVersion(3, 0)));
    EXPECT_EQ(CFileVersion(2, 5, 3, 7).GetText(), "2.5.3.7");
    EXPECT_EQ(CFileVersion(4, 71).GetText(), "4.71.0.0");
}

TEST(CTramvellFileVersion, TextShowsStageAndBuild)
{
    EXPECT_EQ(CTramvellFileVersion(2, 4, 0, 3, EVersionStage::kBeta, 117).GetText(), "2.4b3 build 117");
    EXPECT_EQ(CTramvellFileVersion(1, 0, 2).GetText(), "1.0.2 build 0");
    EXPECT_EQ(CTramvellFileVersion(3, 0, 1, 7, EVersionStage::kDevelopment, 5).GetText(), "3.0.1Dev7 build 5");
    EXPECT_EQ(CTramvellFileVersion(6, 12, 0, 2, EVersionStage::kAlpha, 65535).GetText(), "6.12a2 build 65535");

    const CTramvellFileVersion fromFile(CFileVersion(2, 5, 3, 9));
    EXPECT_EQ(fromFile.GetText(), "2.5.3 build 0");
    EXPECT_EQ(fromFile.GetBuildNumber(), 0);
    EXPECT_TRUE(fromFile >= CTramvellFileVersion(2, 5, 3, 0, EVersionStage::kRelease, 900));
    EXPECT_FALSE(fromFile >= CTramvellFileVersion(2, 6));
    EXPECT_TRUE(fromFile.IsInRange(CTramvellFileVersion(2, 0), CTramvellFileVersion(2, 0)));
    EXPECT_FALSE(fromFile.IsSameMajor(CTramvellFileVersion(3, 5)));
}

TEST(CVersionStamp, BlockLayout)
{
    std::vector<std::uint8_t> block(CVersionStamp::kBlockSizeInBytes, 0xEE);
    CVersionStamp(0x5165766F, CVersion(1, 2, 3), "Line one\r\nLine two").WriteToBuffer(block.data());

    std::vector<std::uint8_t> expected(CVersionStamp::kBlockSizeInBytes, 0);
    const std::uint8_t head[] = {'Q', 'e', 'v', 'o', 0xBC, 1, 2, 3, 0};
    std::copy(std::begin(head), std::end(head), expected.begin());
    const std::string text = "Line one\rLine two";
    std::copy(text.begin(), text.end(), expected.begin() + 9);
    EXPECT_EQ(block, expected);

    const CVersionStamp read(block.data());
    EXPECT_EQ(read.GetSignature(), 0x5165766Fu);
    EXPECT_EQ(read.GetVersion().GetText(12), "1.2.3");
    EXPECT_EQ(read.GetText(), "Line one\r\nLine two");
}

TEST(CVersionStamp, TextIsCutTo128CharactersAfterLineFeedsAreDropped)
{
    std::string longText;
    for (int i = 0; i < 200; ++i)
        longText.push_back(static_cast<char>('A' + i % 26));
    std::vector<std::uint8_t> block(CVersionStamp::kBlockSizeInBytes);
    CVersionStamp(1, CVersion(), longText).WriteToBuffer(block.data());
    EXPECT_EQ(CVersionStamp(block.data()).GetText(), longText.substr(0, 128));
    EXPECT_EQ(block[9 + 128], 0);

    // The line feeds take no place: the characters after them move up, and 128 of them fit.
    const std::string withLineFeeds = "\n\n" + longText;
    CVersionStamp(1, CVersion(), withLineFeeds).WriteToBuffer(block.data());
    EXPECT_EQ(CVersionStamp(block.data()).GetText(), longText.substr(0, 128));
    const std::string linesOnly = "a\nb\nc";
    CVersionStamp(1, CVersion(), linesOnly).WriteToBuffer(block.data());
    EXPECT_EQ(CVersionStamp(block.data()).GetText(), "abc");
}

TEST(CVersionStamp, BlockWithoutZeroByteEndsTheTextAtTheBlockEnd)
{
    std::vector<std::uint8_t> block(CVersionStamp::kBlockSizeInBytes, 'x');
    block[4] = 0x00;  // no version marker: the version stays 0.0.0
    const CVersionStamp read(block.data());
    EXPECT_EQ(read.GetText(), std::string(CVersionStamp::kBlockSizeInBytes - 9, 'x'));
    EXPECT_EQ(read.GetVersion().GetNumber(), 0u);
    EXPECT_EQ(read.GetSignature(), 0x78787878u);
}

TEST(CVersionStamp, MediaRoundTrip)
{
    COwnedMemoryMedia media;
    CVersionStamp(0x50524546, CVersion(2, 7), "(c) test\r\n2024").Write(media);
    EXPECT_EQ(media.GetSize(), CVersionStamp::kBlockSizeInBytes);
    media.SetPosition(0);
    const CVersionStamp read(media);
    EXPECT_EQ(media.GetPosition(), CVersionStamp::kBlockSizeInBytes);
    EXPECT_EQ(read.GetSignature(), 0x50524546u);
    EXPECT_TRUE(read.GetVersion() == CVersion(2, 7));
    EXPECT_EQ(read.GetText(), "(c) test\r\n2024");

    COwnedMemoryMedia shortMedia(10, "0123456789");
    EXPECT_THROW(CVersionStamp{shortMedia}, XRead);
}

TEST(VersionResource, StageFlagsOfTheFourthPart)
{
    const struct
    {
        std::uint16_t flags;
        EVersionStage stage;
        std::uint16_t number;
    } kCases[] = {
        {0x0107, EVersionStage::kDevelopment, 7}, {0x0203, EVersionStage::kAlpha, 3},
        {0x0405, EVersionStage::kBeta, 5},        {0x0809, EVersionStage::kRelease, 9},
        {0x1005, EVersionStage::kRelease, 0},     {0x0305, EVersionStage::kRelease, 0},
        {0x0000, EVersionStage::kRelease, 0},     {0xFF01, EVersionStage::kRelease, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.flags);
        EVersionStage stage = c.stage == EVersionStage::kRelease ? EVersionStage::kBeta : EVersionStage::kRelease;
        std::uint16_t number = static_cast<std::uint16_t>(c.number + 1);
        NSVersionInternal::DecodeStageFlags(c.flags, stage, number);
        EXPECT_EQ(stage, c.stage);
        EXPECT_EQ(number, c.number);
    }
}

TEST(VersionResource, ErrorsThatMeanNoVersionBlock)
{
    const struct
    {
        std::uint32_t code;
        bool missing;
    } kCases[] = {{2, true},     {3, true},     {1812, true}, {1813, true}, {1814, true},
                  {0, false},    {5, false},    {87, false},  {1811, false}, {1815, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(NSVersionInternal::IsMissingVersionBlockError(c.code), c.missing);
    }
}
