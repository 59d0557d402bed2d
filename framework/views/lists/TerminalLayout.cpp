#include "framework/views/lists/TerminalLayout.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Media.h"
#include "framework/views/lists/StringList.h"

#include <algorithm>

namespace NSTramvell {

std::int32_t GetTerminalVisibleLineCount(std::int32_t frameHeight, std::int32_t lineHeight)
{
    if (frameHeight < 1 || lineHeight < 1)
        return 0;
    return DivRoundUp(frameHeight, lineHeight);
}

std::int32_t GetTerminalMaxScroll(std::int32_t lineCount, std::int32_t visibleLines)
{
    return std::max(lineCount - visibleLines, 0);
}

std::int32_t GetTerminalVisibleProportion(std::int32_t lineCount, std::int32_t visibleLines)
{
    if (lineCount <= 0)
        return 1000;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(visibleLines) * 1000 / lineCount);
}

std::vector<CTerminalRow> GetTerminalRows(const IStringList& list, const CTerminalMetrics& metrics,
                                          std::int32_t scroll)
{
    const std::int32_t lineCount = list.GetLineCount();
    const std::int32_t maxScroll = GetTerminalMaxScroll(lineCount, metrics.mVisibleLines);
    const std::int32_t shown = std::clamp(scroll, 0, maxScroll);
    const std::int32_t rowCount = std::min(lineCount, metrics.mVisibleLines);
    std::vector<CTerminalRow> rows;
    for (std::int32_t row = 0; row < rowCount; ++row) {
        const std::int32_t baseline = metrics.mBottom - (row + 1) * metrics.mLineHeight + metrics.mAscent;
        rows.push_back({metrics.mLeft + kTerminalTextInset, baseline, list.GetLine(row + maxScroll - shown)});
    }
    return rows;
}

void WriteLines(const IStringList& list, CMedia& media)
{
    for (std::int32_t index = list.GetLineCount() - 1; index >= 0; --index) {
        const std::string line = list.GetLine(index);
        media.Write(static_cast<std::int32_t>(line.size()), line.data());
        media.WriteByte(13);
        media.WriteByte(10);
    }
}

} // namespace NSTramvell
