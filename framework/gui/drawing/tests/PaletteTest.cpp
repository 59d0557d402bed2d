// Platform palettes and the screen's palette record, with the screen's depth injected (the test
// display reports 32 bits).

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/ColorTables.h"
#include "framework/gui/drawing/Palette.h"

#include <gtest/gtest.h>

#include <memory>

using NSTramvell::CColor;
using NSTramvell::CNativePalette;
using NSTramvell::CScopedTableEntry;
using NSTramvell::CScreenPalette;
using NSTramvell::GetWindowTable;

namespace {

int gBitsPerPixel = 0;

// The screen answers the depth the test sets, and at 8 bits a system palette of grey ramps.
class CInjectedScreen
{
public:
    CInjectedScreen()
        : mCaps(GetWindowTable().GetDeviceCaps,
                [](HDC, int index) { return index == BITSPIXEL ? gBitsPerPixel : index == PLANES ? 1 : 0; })
        , mEntries(GetWindowTable().GetSystemPaletteEntries, [](HDC, UINT first, UINT count, LPPALETTEENTRY out) {
            for (UINT i = 0; i < count; ++i) {
                const auto level = static_cast<BYTE>(first + i);
                out[i] = PALETTEENTRY{level, static_cast<BYTE>(255 - level), 9, 0};
            }
            return count;
        })
    {
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetDeviceCaps)> mCaps;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetSystemPaletteEntries)> mEntries;
};

} // namespace

TEST(CScreenPalette, KeepsColoursOnlyAtEightBits)
{
    CInjectedScreen screen;
    for (int depth : {16, 32}) {
        SCOPED_TRACE(depth);
        gBitsPerPixel = depth;
        const CScreenPalette palette;
        EXPECT_EQ(palette.GetDepth(), depth);
        EXPECT_TRUE(palette.GetColors().empty());
    }
    gBitsPerPixel = 8;
    const CScreenPalette palette;
    EXPECT_EQ(palette.GetDepth(), 8);
    ASSERT_EQ(palette.GetColors().size(), 256u);
    EXPECT_EQ(palette.GetColors()[3], CColor(3, 252, 9));
    EXPECT_NE(palette.GetScreenContext(), nullptr);
}

TEST(CNativePalette, NoEntriesGiveTheLowStaticColours)
{
    const CNativePalette palette(nullptr, 0);
    ASSERT_EQ(palette.GetEntryCount(), 10);
    EXPECT_EQ(palette.GetColor(0), CColor(0, 0, 0));
    EXPECT_EQ(palette.GetColor(9), CColor(166, 202, 240));
    EXPECT_EQ(::GetPaletteEntries(palette.GetHandle(), 0, 0, nullptr), 10u);
}

TEST(CNativePalette, BuildsTheFreeColoursIntoThePlatformPalette)
{
    CColor freeColors[236];
    for (int i = 0; i < 236; ++i)
        freeColors[i] = CColor(static_cast<std::uint8_t>(i), 1, 2);
    const CNativePalette palette(freeColors);
    PALETTEENTRY stored[256] = {};
    ASSERT_EQ(::GetPaletteEntries(palette.GetHandle(), 0, 256, stored), 256u);
    EXPECT_EQ(stored[10].peRed, 0);
    EXPECT_EQ(stored[245].peRed, 235);
    EXPECT_EQ(stored[255].peGreen, 255);
    EXPECT_TRUE(palette.Equals(CNativePalette(palette.GetColors())));
    EXPECT_FALSE(palette.Equals(CNativePalette(nullptr, 0)));
}

TEST(CNativePalette, NoPaletteFromThePlatformIsOutOfMemory)
{
    CScopedTableEntry noPalette(GetWindowTable().CreatePalette, [](const LOGPALETTE*) { return HPALETTE{}; });
    EXPECT_THROW(CNativePalette(nullptr, 0), NSTramvell::XOutOfMemory);
}
