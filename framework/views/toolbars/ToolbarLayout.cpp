#include "framework/views/toolbars/ToolbarLayout.h"

namespace NSTramvell {

namespace {
constexpr std::int32_t kToolbarMargin = 6;
} // namespace

std::vector<CRect> LayOutToolbar(const CRect& frame, std::int32_t alignment, const std::vector<CPoint>& sizes)
{
    std::vector<CRect> frames(sizes.size());
    const auto place = [&](std::size_t index, std::int32_t left) {
        const CPoint& size = sizes[index];
        const std::int32_t top = frame.GetTop() + (frame.GetHeight() - size.GetY()) / 2;
        frames[index] = CRect(left, top, left + size.GetX(), top + size.GetY());
    };
    if (alignment == kToolbarAlignRight) {
        std::int32_t x = frame.GetRight() - kToolbarMargin;
        for (std::size_t index = sizes.size(); index-- > 0;) {
            x -= sizes[index].GetX();
            place(index, x);
        }
    } else {
        std::int32_t x = frame.GetLeft() + kToolbarMargin;
        for (std::size_t index = 0; index < sizes.size(); ++index) {
            place(index, x);
            x += sizes[index].GetX();
        }
    }
    return frames;
}

} // namespace NSTramvell
