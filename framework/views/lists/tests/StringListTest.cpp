// The string list ring, the terminal's arithmetic and rows, and the lines written as text.

#include "framework/foundation/core/Media.h"
#include "framework/views/lists/StringList.h"
#include "framework/views/lists/TerminalLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using NSTramvell::CStringList;
using NSTramvell::CTerminalMetrics;
using NSTramvell::CTerminalRow;

namespace {

CStringList MakeList(std::uint16_t capacity, std::int32_t count)
{
    CStringList list(capacity, 20);
    for (std::int32_t i = 0; i < count; ++i)
        list.AddLine("line " + std::to_string(i));
    return list;
}

std::vector<std::uint8_t> WrittenBytes(const CStringList& list)
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::WriteLines(list, media);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(media.GetSize()));
    if (!bytes.empty())
        media.ReadAt(0, static_cast<std::int32_t>(bytes.size()), bytes.data());
    return bytes;
}

} // namespace

TEST(CStringList, KeepsTheNewestLinesOfItsCapacityNewestFirst)
{
    CStringList list(3, 10);
    for (const char* text : {"a", "b", "c", "d"})
        list.AddLine(text);
    EXPECT_EQ(list.GetLineCount(), 3);
    EXPECT_EQ(list.GetLine(0), "d");
    EXPECT_EQ(list.GetLine(1), "c");
    EXPECT_EQ(list.GetLine(2), "b");

    list.Clear();
    EXPECT_EQ(list.GetLineCount(), 0);
    list.AddLine("e");
    EXPECT_EQ(list.GetLineCount(), 1);
    EXPECT_EQ(list.GetLine(0), "e");
}

TEST(CStringList, CutsALongLineToTheLineLength)
{
    CStringList list(2, 4);
    list.AddLine("abcdefgh");
    list.AddLine("xy");
    EXPECT_EQ(list.GetLine(1), "abcd");
    EXPECT_EQ(list.GetLine(0), "xy");
}

TEST(CStringList, RefusesAnEmptyRingAndIndexesOutsideItsLines)
{
    EXPECT_THROW(CStringList(0, 10), std::invalid_argument);
    EXPECT_THROW(CStringList(2, -1), std::invalid_argument);
    CStringList list(3, 10);
    EXPECT_THROW(list.GetLine(0), std::out_of_range);
    list.AddLine("a");
    list.AddLine("b");
    EXPECT_THROW(list.GetLine(2), std::out_of_range);
    EXPECT_THROW(list.GetLine(-1), std::out_of_range);
    EXPECT_EQ(list.GetLine(1), "a");
}

TEST(TerminalArithmetic, VisibleLinesScrollLimitAndProportion)
{
    const struct
    {
        std::int32_t mHeight, mLineHeight, mVisible;
    } kHeights[] = {{160, 16, 10}, {161, 16, 11}, {15, 16, 1}, {0, 16, 0}, {100, 0, 0}};
    for (const auto& h : kHeights) {
        SCOPED_TRACE(h.mHeight);
        EXPECT_EQ(NSTramvell::GetTerminalVisibleLineCount(h.mHeight, h.mLineHeight), h.mVisible);
    }
    EXPECT_EQ(NSTramvell::GetTerminalMaxScroll(30, 10), 20);
    EXPECT_EQ(NSTramvell::GetTerminalMaxScroll(2, 10), 0);
    EXPECT_EQ(NSTramvell::GetTerminalVisibleProportion(0, 10), 1000);
    EXPECT_EQ(NSTramvell::GetTerminalVisibleProportion(30, 10), 333);
    EXPECT_EQ(NSTramvell::GetTerminalVisibleProportion(5, 10), 2000);
}

TEST(TerminalRows, FewLinesSitOnTheBottomRowsNewestLowestWhateverTheScroll)
{
    const CStringList list = MakeList(50, 2);
    const CTerminalMetrics metrics{10, 200, 16, 13, 10};
    const std::vector<CTerminalRow> expected = {{16, 200 - 16 + 13, "line 1"}, {16, 200 - 32 + 13, "line 0"}};
    for (std::int32_t scroll : {0, 5, -3}) {
        SCOPED_TRACE(scroll);
        EXPECT_EQ(NSTramvell::GetTerminalRows(list, metrics, scroll), expected);
    }
}

TEST(TerminalRows, ScrollPicksWhichLinesTheFrameShows)
{
    const CStringList list = MakeList(50, 30);
    const CTerminalMetrics metrics{0, 160, 16, 12, 10};
    const auto atEnd = NSTramvell::GetTerminalRows(list, metrics, 20);
    ASSERT_EQ(atEnd.size(), 10u);
    EXPECT_EQ(atEnd.front(), (CTerminalRow{6, 160 - 16 + 12, "line 29"}));
    EXPECT_EQ(atEnd.back().mText, "line 20");

    const auto atStart = NSTramvell::GetTerminalRows(list, metrics, 0);
    EXPECT_EQ(atStart.back(), (CTerminalRow{6, 160 - 160 + 12, "line 0"}));
    EXPECT_EQ(atStart.front().mText, "line 9");
    EXPECT_EQ(NSTramvell::GetTerminalRows(list, metrics, 99), atEnd);
}

TEST(WriteLines, WritesEveryLineOldestFirstWithCarriageReturnAndLineFeed)
{
    CStringList list(4, 10);
    EXPECT_TRUE(WrittenBytes(list).empty());
    list.AddLine("x");
    list.AddLine("y");
    EXPECT_EQ(WrittenBytes(list), (std::vector<std::uint8_t>{0x78, 0x0D, 0x0A, 0x79, 0x0D, 0x0A}));
}
