#include "framework/gui/shell/Clipboard.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::uint8_t> BytesOf(CABCMemoryMedia& media)
{
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

COwnedMemoryMedia MediaOf(const std::vector<std::uint8_t>& bytes)
{
    return COwnedMemoryMedia(static_cast<std::int32_t>(bytes.size()), bytes.data());
}

} // namespace

TEST(ClipboardFlavour, MapsToTheStandardFormatOrToItsRegisteredName)
{
    const struct
    {
        const char* text;
        const char* flavour;
        std::uint32_t standard;
        const char* name;
    } kCases[] = {
        {"TEXTX", "TEXT", 1, "TRAMVELL_TEXT"},
        {"WAVE", "WAVE", 12, "TRAMVELL_WAVE"},
        {"abcd", "abcd", 0, "TRAMVELL_abcd"},
        {"text", "text", 0, "TRAMVELL_text"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        const CClippingType flavour(c.text);
        EXPECT_EQ(flavour.GetString(), c.flavour);
        EXPECT_EQ(GetStandardClipboardFormat(flavour), c.standard);
        EXPECT_EQ(GetClippingTypeName(flavour), c.name);
    }
    EXPECT_EQ(kTextClippingType.GetString(), "TEXT");
}

TEST(ClipboardItem, KeepsItsOwnCopyOfTheData)
{
    COwnedMemoryMedia source = MediaOf({1, 2, 3});
    source.SetPosition(2);
    CClipboardItem item(CClippingType("abcd"), source);
    source.WriteAt(0, 1, "\x09");
    EXPECT_EQ(source.GetPosition(), 1);
    const std::unique_ptr<COwnedMemoryMedia> copy = item.CreateMedia();
    EXPECT_EQ(BytesOf(*copy), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(copy->GetPosition(), 0);
    copy->WriteAt(0, 1, "\x07");
    EXPECT_EQ(BytesOf(item.GetMedia()), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(CClipboardItem(kTextClippingType).GetMedia().GetSize(), 0);
}

TEST(PrivateClipboardBlock, WrapsTheDataWithMagicAndLength)
{
    COwnedMemoryMedia data = MediaOf({'a', 'b', 'c'});
    data.SetPosition(1);
    const std::unique_ptr<COwnedMemoryMedia> block = EncodePrivateClipboardBlock(data);
    EXPECT_EQ(BytesOf(*block), (std::vector<std::uint8_t>{0xC9, 0x21, 0x03, 0xFA, 0, 0, 0, 3, 'a', 'b', 'c'}));
    EXPECT_EQ(data.GetPosition(), 1);

    const std::unique_ptr<COwnedMemoryMedia> decoded = DecodePrivateClipboardBlock(*block);
    EXPECT_EQ(BytesOf(*decoded), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(decoded->GetPosition(), 0);
}

TEST(PrivateClipboardBlock, ReadsOnlyTheClaimedBytesOfALongerBlock)
{
    // The platform rounds blocks up: what follows the data is not part of it.
    COwnedMemoryMedia block = MediaOf({0xC9, 0x21, 0x03, 0xFA, 0, 0, 0, 2, 'x', 'y', 0, 0, 0, 0});
    EXPECT_EQ(BytesOf(*DecodePrivateClipboardBlock(block)), (std::vector<std::uint8_t>{'x', 'y'}));
}

TEST(PrivateClipboardBlock, RefusesBlocksThatAreNotOurs)
{
    const struct
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } kCases[] = {
        {"other magic", {0xC9, 0x21, 0x03, 0xFB, 0, 0, 0, 1, 'a'}},
        {"length past the block", {0xC9, 0x21, 0x03, 0xFA, 0, 0, 0, 2, 'a'}},
        {"huge length", {0xC9, 0x21, 0x03, 0xFA, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}},
        {"seven bytes", {0xC9, 0x21, 0x03, 0xFA, 0, 0, 0}},
        {"empty", {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia block = MediaOf(c.bytes);
        EXPECT_THROW(DecodePrivateClipboardBlock(block), XBadFormat);
    }
}
