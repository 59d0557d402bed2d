#include "framework/gui/dialogs/AlertLayout.h"

namespace NSTramvell {

std::array<CPoint, 3> PlaceAlertButtons(const std::array<CRect, 3>& slotFrames, std::uint16_t count)
{
    std::array<CPoint, 3> corners = {slotFrames[0].GetTopLeft(), slotFrames[1].GetTopLeft(),
                                     slotFrames[2].GetTopLeft()};
    if (count == 1) {
        corners[0] = slotFrames[1].GetTopLeft();
    } else if (count == 2) {
        const std::int32_t shift = (slotFrames[1].GetLeft() - slotFrames[0].GetLeft()) / 2;
        for (int i = 0; i < 2; ++i)
            corners[i] = CPoint(slotFrames[i].GetLeft() + shift, slotFrames[i].GetTop());
    }
    return corners;
}

int GetAlertButtonLeftOf(int current, std::uint16_t count)
{
    if (current == 2 || current == 3)
        return current - 1;
    if (count >= 3)
        return 3;
    return count == 2 ? 2 : 0;
}

int GetAlertButtonRightOf(int current, std::uint16_t count)
{
    if (current == 1)
        return count >= 2 ? 2 : 0;
    if (current == 2)
        return count >= 3 ? 3 : 1;
    return 1;   // from button 3 or from no button
}

} // namespace NSTramvell
