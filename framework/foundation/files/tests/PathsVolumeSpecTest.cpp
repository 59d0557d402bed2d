#include "framework/foundation/files/VolumeSpec.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::uint8_t> StoredSpec(std::uint32_t magic, std::uint8_t marker, std::uint8_t major, std::uint8_t minor)
{
    return {static_cast<std::uint8_t>(magic >> 24), static_cast<std::uint8_t>(magic >> 16),
            static_cast<std::uint8_t>(magic >> 8), static_cast<std::uint8_t>(magic), marker, major, minor, 0, 0,
            0xF1, 0x1E, 0x54, 0xED, 0, 0, 0, 3, 'D', ':', '\\'};
}

TEST(CVolumeSpec, StoredBytes)
{
    COwnedMemoryMedia media;
    CVolumeSpec("D:\\").Write(media);
    EXPECT_EQ(std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize()),
              StoredSpec(0x8081AAC6, 0xBC, 1, 0));
}

TEST(CVolumeSpec, ReadsMajorVersionOneOnly)
{
    const struct
    {
        const char* label;
        std::vector<std::uint8_t> stored;
        bool accepted;
    } kCases[] = {
        {"1.0", StoredSpec(0x8081AAC6, 0xBC, 1, 0), true},
        {"1.5", StoredSpec(0x8081AAC6, 0xBC, 1, 5), true},
        {"2.0", StoredSpec(0x8081AAC6, 0xBC, 2, 0), false},
        {"wrong magic", StoredSpec(0x8081AAC7, 0xBC, 1, 0), false},
        {"wrong marker", StoredSpec(0x8081AAC6, 0xBD, 1, 0), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        COwnedMemoryMedia media(static_cast<std::int32_t>(c.stored.size()), c.stored.data());
        if (c.accepted)
            EXPECT_EQ(CVolumeSpec(media).GetName(), "D:\\");
        else
            EXPECT_THROW(CVolumeSpec{media}, XBadFormat);
    }
}

TEST(CVolumeSpec, EqualityIsCaseSensitive)
{
    EXPECT_TRUE(CVolumeSpec("C:\\") == CVolumeSpec("C:\\"));
    EXPECT_FALSE(CVolumeSpec("C:\\") == CVolumeSpec("c:\\"));
}

TEST(MakeSafeVolumeName, ReplacesControlCharactersFromNineAndPathCharacters)
{
    std::string name;
    std::string expected;
    for (int code = 1; code <= 31; ++code) {
        name += static_cast<char>(code);
        expected += code <= 8 ? static_cast<char>(code) : '_';
    }
    name += "a*?<>\"|\\/:b .";
    expected += "a_________b .";
    EXPECT_EQ(MakeSafeVolumeName(name), expected);
}

TEST(CMountedVolumeInfo, EveryFieldTakesPartInEquality)
{
    const CMountedVolumeInfo base(CVolumeName("DATA"), "FAT32", 1, 2, 3, 4, 0, 0, 5);
    EXPECT_TRUE(base == CMountedVolumeInfo(base));
    EXPECT_FALSE(base == CMountedVolumeInfo(CVolumeName("data"), "FAT32", 1, 2, 3, 4, 0, 0, 5));
    EXPECT_FALSE(base == CMountedVolumeInfo(CVolumeName("DATA"), "NTFS", 1, 2, 3, 4, 0, 0, 5));
    EXPECT_FALSE(base == CMountedVolumeInfo(CVolumeName("DATA"), "FAT32", 1, 2, 3, 9, 0, 0, 5));
    EXPECT_FALSE(base == CMountedVolumeInfo(CVolumeName("DATA"), "FAT32", 1, 2, 3, 4, 0, 0, 6));
    EXPECT_FALSE(CVolumeInfo(11, true, false, "DATA") == CVolumeInfo(11, false, false, "DATA"));
}

} // namespace
