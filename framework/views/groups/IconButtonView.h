#pragma once

// An icon that behaves as a button: a press on it holds it pressed while the mouse stays on it, and a
// release there notifies a click (WasClicked, inside the notification). Icons give no shape of their
// own, so the button takes presses on its frame, where the icon is drawn.

#include "framework/views/controls/IconView.h"

namespace NSTramvell {

class CIconButtonView : public CIconView
{
public:
    // Placed off-screen until its owner lays it out.
    explicit CIconButtonView(CABCGroupView* parent);
    CIconButtonView(CABCGroupView* parent, const CDescription& description);

    void EnabledChanged(bool) override { Invalidate(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override;
    void HandleMouseUp(std::int32_t cause) override;

    // True once after a click, inside its notification.
    bool WasClicked();
    void Click();
    bool IsPressed() const { return mPressed; }

private:
    bool IsOnIcon(const CPoint& point) const { return IconContains(point) || FrameContains(point); }
    void SetPressed(bool pressed);

    bool mClicked = false;
    bool mPressed = false;
};

} // namespace NSTramvell
