// 256-colour tables around the static colours.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/gui/drawing/ColorTables.h"

#include <gtest/gtest.h>

#include <stdexcept>

using NSTramvell::CColor;

namespace {

std::vector<CColor> MakeFreeColors()
{
    std::vector<CColor> free;
    for (int i = 0; i < 236; ++i)
        free.emplace_back(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i + 1), 7);
    return free;
}

} // namespace

TEST(Make256ColorTable, PutsTheFreeColoursBetweenTheStaticOnes)
{
    const std::vector<CColor> table = NSTramvell::Make256ColorTable(MakeFreeColors());
    ASSERT_EQ(table.size(), 256u);
    EXPECT_EQ(table[0], CColor(0, 0, 0));
    EXPECT_EQ(table[9], CColor(166, 202, 240));
    EXPECT_EQ(table[10], CColor(0, 1, 7));
    EXPECT_EQ(table[245], CColor(235, 236, 7));
    EXPECT_EQ(table[246], CColor(255, 251, 240));
    EXPECT_EQ(table[255], CColor(255, 255, 255));
    EXPECT_EQ(NSTramvell::ExtractFreeColors(table), MakeFreeColors());
}

TEST(Make256ColorTable, RefusesShortInput)
{
    EXPECT_THROW(NSTramvell::Make256ColorTable(std::vector<CColor>(235)), std::invalid_argument);
    EXPECT_THROW(NSTramvell::ExtractFreeColors(std::vector<CColor>(255)), std::invalid_argument);
}

TEST(MakeStaticColorTable, IsBlackBetweenTheStaticColours)
{
    const std::vector<CColor> table = NSTramvell::MakeStaticColorTable();
    EXPECT_EQ(table[7], CColor(192, 192, 192));
    EXPECT_EQ(table[10], CColor(0, 0, 0));
    EXPECT_EQ(table[245], CColor(0, 0, 0));
    EXPECT_EQ(table[255], CColor(255, 255, 255));
}

TEST(ReadFreeColors, ReadsRedGreenBlueTriplesFromThePosition)
{
    std::vector<std::uint8_t> stored(2 + 708);
    for (std::size_t i = 0; i < 708; ++i)
        stored[2 + i] = static_cast<std::uint8_t>(i);
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(stored.size()), stored.data());
    media.SetPosition(2);
    const std::vector<CColor> colors = NSTramvell::ReadFreeColors(media);
    ASSERT_EQ(colors.size(), 236u);
    EXPECT_EQ(colors[0], CColor(0, 1, 2));
    EXPECT_EQ(colors[235], CColor(705 & 0xFF, 706 & 0xFF, 707 & 0xFF));

    NSTramvell::COwnedMemoryMedia tooShort(707, stored.data());
    EXPECT_THROW(NSTramvell::ReadFreeColors(tooShort), NSTramvell::XRead);
}
