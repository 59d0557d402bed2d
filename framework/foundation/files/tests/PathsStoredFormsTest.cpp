#include "framework/foundation/files/FileSpec.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::uint8_t> ContentsOf(const COwnedMemoryMedia& media)
{
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

COwnedMemoryMedia MediaOf(const std::vector<std::uint8_t>& bytes)
{
    return COwnedMemoryMedia(static_cast<std::int32_t>(bytes.size()), bytes.data());
}

TEST(WritePath, TagLengthAndBytes)
{
    COwnedMemoryMedia media;
    WritePath(media, "C:\\x\\");
    const std::vector<std::uint8_t> expected = {0xF1, 0x1E, 0x54, 0xED, 0, 0, 0, 5, 'C', ':', '\\', 'x', '\\'};
    EXPECT_EQ(ContentsOf(media), expected);
}

TEST(ReadPath, BothTagsAreRead)
{
    const struct
    {
        const char* label;
        std::vector<std::uint8_t> stored;
        const char* path;
        std::int32_t positionAfter;
    } kCases[] = {
        {"current", {0xF1, 0x1E, 0x54, 0xED, 0, 0, 0, 3, 'C', ':', '\\', 'z'}, "C:\\", 11},
        {"current, empty", {0xF1, 0x1E, 0x54, 0xED, 0, 0, 0, 0}, "", 8},
        {"current, cut at a 0", {0xF1, 0x1E, 0x54, 0xED, 0, 0, 0, 4, 'C', ':', 0, 'q'}, "C:", 12},
        {"older", {0xF1, 0x1E, 0x54, 0xEC, 'C', ':', '\\', 0, 'z'}, "C:\\", 8},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        COwnedMemoryMedia media = MediaOf(c.stored);
        EXPECT_EQ(ReadPath(media), c.path);
        EXPECT_EQ(media.GetPosition(), c.positionAfter);
    }
}

TEST(ReadPath, DamagedFormsAreBadFormat)
{
    const struct
    {
        const char* label;
        std::vector<std::uint8_t> stored;
    } kCases[] = {
        {"length past the end", {0xF1, 0x1E, 0x54, 0xED, 0, 0, 0, 6, 'C', ':', '\\'}},
        {"length 0xFFFFFFFF", {0xF1, 0x1E, 0x54, 0xED, 0xFF, 0xFF, 0xFF, 0xFF, 'C'}},
        {"length cut short", {0xF1, 0x1E, 0x54, 0xED, 0, 0}},
        {"older form without terminator", {0xF1, 0x1E, 0x54, 0xEC, 'C', ':', '\\'}},
        {"unknown tag", {0xF1, 0x1E, 0x54, 0xEE, 0, 0, 0, 0}},
        {"tag cut short", {0xF1, 0x1E}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        COwnedMemoryMedia media = MediaOf(c.stored);
        EXPECT_THROW(ReadPath(media), XBadFormat);
    }
}

TEST(ReadString, AcceptsTheStoredFormAndRefusesDamage)
{
    {
        COwnedMemoryMedia media;
        WriteString(media, "Wave File");
        WriteString(media, "");
        media.SetPosition(0);
        EXPECT_EQ(ReadString(media), "Wave File");
        EXPECT_EQ(ReadString(media), "");
        EXPECT_EQ(media.GetPosition(), media.GetSize());
    }
    const struct
    {
        const char* label;
        std::vector<std::uint8_t> stored;
    } kCases[] = {
        {"length past the end", {0, 0, 0, 4, 'a', 'b', 'c'}},
        {"length 0xFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 'a'}},
        {"a 0 inside", {0, 0, 0, 3, 'a', 0, 'c'}},
        {"length cut short", {0, 0, 3}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        COwnedMemoryMedia media = MediaOf(c.stored);
        EXPECT_THROW(ReadString(media), XBadFormat);
    }
}

TEST(ReadUInt64, LowWordFirstAndTheHighWordMustBeZero)
{
    COwnedMemoryMedia good = MediaOf({0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0});
    EXPECT_EQ(ReadUInt64(good), 0x12345678u);
    COwnedMemoryMedia bad = MediaOf({0, 0, 0, 1, 0, 0, 0, 1});
    EXPECT_THROW(ReadUInt64(bad), XBadFormat);
}

TEST(StoredSpecs, FolderAndFileSpecsReadBackEqual)
{
    COwnedMemoryMedia media;
    const CDirSpec folder("C:\\Audio\\Drums\\");
    const CFileSpec file("C:\\Audio\\take.wav");
    folder.Write(media);
    file.Write(media);
    media.SetPosition(0);
    const CDirSpec folderRead(media);
    const CFileSpec fileRead(media);
    EXPECT_EQ(folderRead.GetPath(), "C:\\Audio\\Drums\\");
    EXPECT_EQ(fileRead.GetFullPath(), "C:\\Audio\\take.wav");
    EXPECT_EQ(fileRead.GetExtension(), ".wav");
}

} // namespace
