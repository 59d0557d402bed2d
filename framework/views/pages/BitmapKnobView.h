#pragma once

// Knobs drawn from a bitmap sequence: the frame shown follows the value, 0 to 999, which a vertical drag
// changes (upward raises it; a given number of pixels covers the whole span). The view is one frame of
// the sequence in size, at the origin until the caller moves it. CZeroSnapBitmapKnobView holds a zone
// of values: a drag that lands inside it rests at the zone's start, so the knob finds that value easily.
// The sequence is borrowed: whoever made the knob keeps it alive longer.

#include "framework/views/pages/ChangeNotice.h"
#include "framework/views/pages/ControlView.h"

#include <cstdint>

namespace NSTramvell {

class CABCBitmapSequence;

class CBitmapKnobView : public CControlView
{
public:
    CBitmapKnobView(CABCGroupView* parent, const CABCBitmapSequence& sequence, std::int32_t dragLengthInPixels);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override;
    // The release ends the drag.
    void HandleMouseUp(std::int32_t cause) override;

    // Limited to 0..999; invalidates on a change, sends no notification.
    void SetValue(std::int32_t value);
    std::int32_t GetValue() const { return mValue; }
    bool ConsumeChanged() { return mChangeNotice.Consume(); }

protected:
    // What a drag makes of the value it computed.
    virtual std::int32_t AdjustDraggedValue(std::int32_t value) const { return value; }

private:
    const CABCBitmapSequence& mSequence;   // borrowed from the creator
    std::int32_t mDragLength;
    std::int32_t mValue = 0;
    std::int32_t mDragStartValue = 0;
    CPoint mDragStart;
    CChangeNotice mChangeNotice;
};

class CZeroSnapBitmapKnobView : public CBitmapKnobView
{
public:
    CZeroSnapBitmapKnobView(CABCGroupView* parent, const CABCBitmapSequence& sequence,
                            std::int32_t dragLengthInPixels, std::int32_t zoneStart, std::int32_t zoneWidth);

protected:
    std::int32_t AdjustDraggedValue(std::int32_t value) const override;

private:
    std::int32_t mZoneStart;
    std::int32_t mZoneWidth;
};

} // namespace NSTramvell
