#include "framework/gui/images/RowConversion.h"

#include "framework/gui/images/PixelRows.h"

#include <gtest/gtest.h>

#include <array>

using NSTramvell::ESourceLayout;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::array<std::uint32_t, 256> MakeGreyPalette()
{
    std::array<std::uint32_t, 256> palette{};
    for (std::uint32_t i = 0; i < 256; ++i)
        palette[i] = NSTramvell::MakeRGB(255, 255, 255);  // far from everything the tests ask for
    return palette;
}

} // namespace

TEST(ConvertRowToIndex8, PicksTheNearestColourAndTheLowerIndexOfATie)
{
    std::array<std::uint32_t, 256> palette = MakeGreyPalette();
    palette[7] = NSTramvell::MakeRGB(10, 10, 10);
    palette[9] = NSTramvell::MakeRGB(20, 10, 10);  // as far from 15, 10, 10 as entry 7
    palette[200] = NSTramvell::MakeRGB(0, 0, 100);
    const std::uint8_t source[] = {15, 10, 10, 19, 10, 10, 0, 0, 90};
    Bytes target(3, 0xEE);
    NSTramvell::ConvertRowToIndex8(target.data(), 3, source, ESourceLayout::kRGB, palette.data());
    EXPECT_EQ(target, (Bytes{7, 9, 200}));
}

TEST(ConvertRowTo16, PacksFiveBitsPerChannelFromEachLayout)
{
    struct { ESourceLayout layout; Bytes source; } kCases[] = {
        {ESourceLayout::kRGB, {0x12, 0x34, 0x56, 255, 255, 255}},
        {ESourceLayout::kBGR, {0x56, 0x34, 0x12, 255, 255, 255}},
        {ESourceLayout::kRGBX, {0x12, 0x34, 0x56, 0, 255, 255, 255, 0}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.layout));
        Bytes plain(4, 0xEE);
        NSTramvell::ConvertRowTo16(plain.data(), 2, c.source.data(), c.layout);
        // 0x12 >> 3 = 2, 0x34 >> 3 = 6, 0x56 >> 3 = 10: 2 << 10 | 6 << 5 | 10 = 0x08CA. White is 0x7FFF.
        EXPECT_EQ(plain, (Bytes{0xCA, 0x08, 0xFF, 0x7F}));
    }
}

TEST(ConvertRowTo32, DropsOrKeepsTheFourthByte)
{
    const std::uint8_t rgbx[] = {1, 2, 3, 77};
    const std::uint8_t rgb[] = {1, 2, 3};
    struct { const std::uint8_t* source; ESourceLayout layout; bool keepAlpha; Bytes expected; } kCases[] = {
        {rgbx, ESourceLayout::kRGBX, false, {3, 2, 1, 0}},
        {rgbx, ESourceLayout::kRGBX, true, {3, 2, 1, 77}},
        {rgb, ESourceLayout::kRGB, true, {3, 2, 1, 255}},
        {rgb, ESourceLayout::kBGR, false, {1, 2, 3, 0}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.keepAlpha);
        Bytes target(4, 0xEE);
        NSTramvell::ConvertRowTo32(target.data(), 1, c.source, c.layout, c.keepAlpha);
        EXPECT_EQ(target, c.expected);
    }
}

TEST(CErrorDiffusion16, CarriesDroppedBitsRightAndDownAndClamps)
{
    NSTramvell::CErrorDiffusion16 diffusion;
    diffusion.Reset(2);
    // Grey 254: the first pixel drops 3 per channel; the second sees 254 + 3 = 257, clamped to 255.
    const std::uint8_t light[] = {254, 254, 254, 254, 254, 254};
    Bytes target(4, 0xEE);
    diffusion.ConvertRow(target.data(), 2, light, ESourceLayout::kRGB);
    EXPECT_EQ(target, (Bytes{0xFF, 0x7F, 0xFF, 0x7F}));

    // Grey 5 alone would be 0; with 3 from above and 3 carried it is 11 (5-bit 1), which carries 1 on:
    // 5 + 3 + 1 = 9, again 1.
    const std::uint8_t dark[] = {5, 5, 5, 5, 5, 5};
    diffusion.ConvertRow(target.data(), 2, dark, ESourceLayout::kRGB);
    EXPECT_EQ(target, (Bytes{0x21, 0x04, 0x21, 0x04}));

    // Reset forgets both errors.
    diffusion.Reset(2);
    diffusion.ConvertRow(target.data(), 2, dark, ESourceLayout::kRGB);
    EXPECT_EQ(target, (Bytes{0, 0, 0, 0}));
}

TEST(CErrorDiffusion16, TwoConvertersInTurnGiveWhatEachGivesAlone)
{
    const std::int32_t width = 5000;
    Bytes first(width * 3);
    Bytes second(width * 3);
    for (std::size_t i = 0; i < first.size(); ++i) {
        first[i] = static_cast<std::uint8_t>(i * 7);
        second[i] = static_cast<std::uint8_t>(255 - i * 3);
    }
    auto convertTwoRows = [width](NSTramvell::CErrorDiffusion16& diffusion, const Bytes& source) {
        Bytes target(width * 2 * 2);
        diffusion.ConvertRow(target.data(), width, source.data(), ESourceLayout::kBGR);
        diffusion.ConvertRow(target.data() + width * 2, width, source.data(), ESourceLayout::kBGR);
        return target;
    };
    NSTramvell::CErrorDiffusion16 alone;
    alone.Reset(width);
    const Bytes firstAlone = convertTwoRows(alone, first);
    alone.Reset(width);
    const Bytes secondAlone = convertTwoRows(alone, second);

    NSTramvell::CErrorDiffusion16 a;
    NSTramvell::CErrorDiffusion16 b;
    a.Reset(width);
    b.Reset(width);
    Bytes firstInTurn(width * 4);
    Bytes secondInTurn(width * 4);
    for (std::int32_t row = 0; row < 2; ++row) {
        a.ConvertRow(firstInTurn.data() + row * width * 2, width, first.data(), ESourceLayout::kBGR);
        b.ConvertRow(secondInTurn.data() + row * width * 2, width, second.data(), ESourceLayout::kBGR);
    }
    EXPECT_EQ(firstInTurn, firstAlone);
    EXPECT_EQ(secondInTurn, secondAlone);
}

TEST(RowConversions, Take5000PixelRows)
{
    // Every buffer is exactly one row: the sanitizers catch a conversion that strays past it.
    const std::int32_t width = 5000;
    const Bytes rgbx(width * 4, 200);
    const Bytes bgr(width * 3, 100);
    std::array<std::uint32_t, 256> palette = MakeGreyPalette();
    palette[3] = NSTramvell::MakeRGB(100, 100, 100);

    Bytes index(width);
    NSTramvell::ConvertRowToIndex8(index.data(), width, bgr.data(), ESourceLayout::kBGR, palette.data());
    EXPECT_EQ(index.back(), 3);
    Bytes words(width * 2);
    NSTramvell::ConvertRowTo16(words.data(), width, rgbx.data(), ESourceLayout::kRGBX);
    EXPECT_EQ(words[width * 2 - 2], 0x39);  // 200 >> 3 = 25 in all three: 0x6739
    Bytes pixels(width * 4);
    NSTramvell::ConvertRowTo32(pixels.data(), width, bgr.data(), ESourceLayout::kBGR, true);
    EXPECT_EQ(pixels.back(), 255);
    Bytes backToBGR(width * 3);
    ASSERT_TRUE(NSTramvell::ConvertRowToBGR(backToBGR.data(), width, pixels.data(), 32, nullptr));
    EXPECT_EQ(backToBGR, bgr);
}

TEST(ConvertRowToBGR, WidensEachDepthToBlueGreenRed)
{
    std::array<std::uint32_t, 256> palette = MakeGreyPalette();
    palette[2] = NSTramvell::MakeRGB(10, 20, 30);
    struct { std::int32_t depth; Bytes source; Bytes expected; } kCases[] = {
        {16, {0xFF, 0x7F}, {0xF8, 0xF8, 0xF8}},
        {16, {0x1F, 0x00}, {0xF8, 0x00, 0x00}},
        {8, {2}, {30, 20, 10}},
        {24, {1, 2, 3}, {1, 2, 3}},
        {32, {1, 2, 3, 4}, {1, 2, 3}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.depth);
        Bytes target(3, 0xEE);
        ASSERT_TRUE(NSTramvell::ConvertRowToBGR(target.data(), 1, c.source.data(), c.depth, palette.data()));
        EXPECT_EQ(target, c.expected);
    }
    Bytes target(3, 0xEE);
    EXPECT_FALSE(NSTramvell::ConvertRowToBGR(target.data(), 1, Bytes{1}.data(), 1, palette.data()));
}
