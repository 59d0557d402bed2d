#include "framework/foundation/system/SystemInfo.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

CSystemInfo MakeInfo()
{
    CSystemInfo info;
    info.SetOSKind(kOSKindWindowsXP);
    info.SetOSVersion(0x01020304, 0x05060708, 0x090A0B0C);
    info.SetProcessorType(0x11);
    info.SetProcessorCount(0x0D0E0F10);
    info.SetProcessorValue(0x1213);
    info.SetMemorySize(0x14151617);
    info.SetSecondSize(0x18191A1B);
    info.SetThirdSize(0x1C1D1E1F);
    info.SetFlag(true);
    info.SetName(std::string(70, 'n'));
    info.SetVersionText(std::string(200, 'v'));
    return info;
}

TEST(FormatByteSize, UnitsAndRounding)
{
    const struct
    {
        std::uint32_t size;
        const char* text;
    } kCases[] = {{0, "0 bytes"},       {1, "1 byte"},          {2, "2 bytes"},         {1023, "1023 bytes"},
                  {1024, "1.0 kB"},     {1535, "1.5 kB"},       {1572864, "1.5 MB"},   {1048575, "1024.0 kB"},
                  {1073741824, "1.0 GB"}, {4294967295, "4.0 GB"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.size);
        EXPECT_EQ(FormatByteSize(c.size), c.text);
    }
    EXPECT_DOUBLE_EQ(RoundToMultiple(2.5, 1.0), 3.0);
    EXPECT_DOUBLE_EQ(RoundToMultiple(-2.5, 1.0), -3.0);
    EXPECT_DOUBLE_EQ(RoundToMultiple(7.0, 5.0), 5.0);
}

TEST(FormatOSName, EveryKind)
{
    const struct
    {
        std::uint32_t kind;
        std::uint32_t major, minor, build;
        const char* name;
    } kCases[] = {
        {0, 5, 1, 2600, "fallback"},
        {1, 10, 4, 11, "MacOS 10.4.11"},
        {2, 1, 30, 166, "Microsoft Win32s 1.030 (Build 166)"},
        {3, 4, 0, 950, "Microsoft Windows 95 4.000 (Build 950)"},
        {4, 4, 0, 1111, "Microsoft Windows 95 4.000 (Build 1111)"},
        {5, 4, 10, 2222, "Microsoft Windows 98 4.010 (Build 2222)"},
        {6, 3, 51, 1057, "Microsoft Windows NT 3.51 (Build 1057)"},
        {7, 4, 0, 1381, "Microsoft Windows NT 4.00 (Build 1381)"},
        {8, 5, 0, 2195, "Microsoft Windows 2000 5.00 (Build 2195)"},
        {9, 5, 1, 2600, "Microsoft Windows XP 5.01 (Build 2600)"},
        {10, 5, 2, 3790, "Microsoft Windows Server 2003 5.02 (Build 3790)"},
        {11, 6, 1, 7601, "Microsoft Windows 6.01 (Build 7601)"},
        {12, 6, 1, 7601, "fallback"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(FormatOSName(c.kind, c.major, c.minor, c.build, "fallback"), c.name);
    }
}

TEST(CSystemInfo, BlockHoldsEveryFieldAtItsOffset)
{
    COwnedMemoryMedia media;
    media.WriteByte(0xEE);   // the block goes at the media's position
    MakeInfo().Write(media);
    ASSERT_EQ(media.GetSize(), 1 + CSystemInfo::kStoredSizeInBytes);
    std::vector<std::uint8_t> expected(CSystemInfo::kStoredSizeInBytes, 0);
    const std::uint8_t head[] = {0xF0, 0xCA, 0x4C, 0xA6, 9,    1,    2,    3,    4,    5,    6,    7,
                                 8,    9,    10,   11,   12,   0x11, 13,   14,   15,   16,   0x12, 0x13,
                                 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F};
    std::copy(std::begin(head), std::end(head), expected.begin());
    std::fill_n(expected.begin() + 36, 63, 'n');
    std::fill_n(expected.begin() + 100, 127, 'v');
    EXPECT_EQ(std::vector<std::uint8_t>(media.GetBuffer() + 1, media.GetBuffer() + media.GetSize()), expected);

    media.SetPosition(1);
    CSystemInfo read;
    read.Read(media);
    std::uint32_t major = 0, minor = 0, build = 0;
    read.GetOSVersion(major, minor, build);
    EXPECT_EQ(read.GetOSKind(), kOSKindWindowsXP);
    EXPECT_EQ(major, 0x01020304u);
    EXPECT_EQ(minor, 0x05060708u);
    EXPECT_EQ(build, 0x090A0B0Cu);
    EXPECT_EQ(read.GetProcessorType(), 0x11u);
    EXPECT_EQ(read.GetProcessorCount(), 0x0D0E0F10u);
    EXPECT_EQ(read.GetProcessorValue(), 0x1213u);
    EXPECT_EQ(read.GetMemorySize(), 0x14151617u);
    EXPECT_EQ(read.GetSecondSize(), 0x18191A1Bu);
    EXPECT_EQ(read.GetThirdSize(), 0x1C1D1E1Fu);
    EXPECT_FALSE(read.GetFlag());   // the block has no room for it
    EXPECT_EQ(read.GetName(), std::string(63, 'n'));
    EXPECT_EQ(read.GetVersionText(), std::string(127, 'v'));
}

TEST(CSystemInfo, ReadingRefusesOtherMagicAndKeepsTextsInTheirFields)
{
    COwnedMemoryMedia media;
    MakeInfo().Write(media);
    std::uint8_t* block = media.GetBuffer();
    // Texts that fill their fields without a terminator still end at the field's limit.
    std::fill_n(block + 36, 64, 'N');
    std::fill_n(block + 100, 128 + 284, 'V');
    media.SetPosition(0);
    CSystemInfo read;
    read.Read(media);
    EXPECT_EQ(read.GetName(), std::string(63, 'N'));
    EXPECT_EQ(read.GetVersionText(), std::string(127, 'V'));

    block[3] ^= 1;
    media.SetPosition(0);
    CSystemInfo kept = MakeInfo();
    EXPECT_THROW(kept.Read(media), XBadFormat);
    EXPECT_TRUE(kept.GetFlag());
    EXPECT_EQ(kept.GetName(), std::string(63, 'n'));
}

TEST(ComposeSystemReport, OneLineForTheSystemThreePerProcessorThenFlagAndMemory)
{
    CSystemInfo info;
    info.SetOSKind(kOSKindWindowsXP);
    info.SetOSVersion(5, 1, 2600);
    info.SetVersionText("Service Pack 3");
    info.SetMemorySize(1572864);
    EXPECT_EQ(ComposeSystemReport(info, {{"x86 Family 6", "7", "GenuineIntel"}}),
              (std::vector<std::string>{"Microsoft Windows XP 5.01 (Build 2600) Service Pack 3", "x86 Family 6", "7",
                                        "GenuineIntel", "off", "1.5 MB"}));
    info.SetOSKind(kOSKindUnknown);
    info.SetFlag(true);
    EXPECT_EQ(ComposeSystemReport(info, {}),
              (std::vector<std::string>{"Unknown OS Service Pack 3", "on", "1.5 MB"}));
}

} // namespace
