#pragma once

// CBitmapFaderView, a fader drawn from two bitmaps: a track, and a handle that moves along it for values
// 0 to 999 (at value × (track − handle) ÷ 1000 from the track's start: its left end, or for a vertical fader
// its bottom end, so that the handle rises with the value). Dragging anywhere on it moves the value from
// where it was, so a press beside the handle makes no jump. The track lies at the frame's top-left; the
// caller sets the frame.

#include "framework/gui/images/BitmapKey.h"
#include "framework/views/pages/ChangeNotice.h"
#include "framework/views/pages/ControlView.h"

#include <cstdint>

namespace NSTramvell {

class CBitmapFaderView : public CControlView
{
public:
    static constexpr std::int32_t kHorizontal = 1;
    static constexpr std::int32_t kVertical = 2;

    CBitmapFaderView(CABCGroupView* parent, const CBitmapKey& handleKey, const CBitmapKey& trackKey,
                     std::int32_t orientation);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return CRegion(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override;
    // The release ends the drag.
    void HandleMouseUp(std::int32_t cause) override;

    // Limited to 0..999; invalidates the handle's old and new places, sends no notification.
    void SetValue(std::int32_t value);
    std::int32_t GetValue() const { return mValue; }
    // True inside the notification of a change the mouse made, once.
    bool ConsumeChanged() { return mChangeNotice.Consume(); }
    // Where the handle is drawn for the current value.
    CRect GetHandleRect() const;

private:
    std::int32_t GetTrackLength(const CPoint& trackSize, const CPoint& handleSize) const;
    void MoveHandle(std::int32_t value);

    CBitmapKey mHandleKey;
    CBitmapKey mTrackKey;
    std::int32_t mOrientation;
    std::int32_t mValue = 0;
    std::int32_t mDragStartValue = 0;
    CPoint mDragStart;
    CChangeNotice mChangeNotice;
};

} // namespace NSTramvell
