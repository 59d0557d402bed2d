#pragma once

// The arithmetic of a terminal view without the platform: how many lines a frame shows, how far the
// lines scroll, which line each row shows and where its baseline lies, and the lines written as text.

#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

class CMedia;
class IStringList;

// Rows rounded up, so a row cut by the frame's bottom counts; none for an empty frame or a line height
// below 1.
std::int32_t GetTerminalVisibleLineCount(std::int32_t frameHeight, std::int32_t lineHeight);
std::int32_t GetTerminalMaxScroll(std::int32_t lineCount, std::int32_t visibleLines);
// Visible lines per thousand lines; 1000 when there are none.
std::int32_t GetTerminalVisibleProportion(std::int32_t lineCount, std::int32_t visibleLines);

struct CTerminalRow
{
    std::int32_t mX;
    std::int32_t mBaseline;
    std::string mText;

    friend bool operator==(const CTerminalRow&, const CTerminalRow&) = default;
};

// What the terminal is measured by.
struct CTerminalMetrics
{
    std::int32_t mLeft;
    std::int32_t mBottom;
    std::int32_t mLineHeight;
    std::int32_t mAscent;
    std::int32_t mVisibleLines;
};

inline constexpr std::int32_t kTerminalTextInset = 6;

// The rows to draw, bottom row first. Scroll m shows the newest line in the bottom row, 0 the oldest
// line at the top; a scroll outside 0 .. m is taken as the nearest end.
std::vector<CTerminalRow> GetTerminalRows(const IStringList& list, const CTerminalMetrics& metrics,
                                          std::int32_t scroll);

// Every line, oldest first, each followed by CR LF; nothing for an empty list.
void WriteLines(const IStringList& list, CMedia& media);

} // namespace NSTramvell
