#pragma once

// A horizontal scale with a pointer that selects a value from 0 to 999. A press or drag offers the value
// under the mouse to the owner through a change notification (TakeChangedValue); the owner sets it.

#include "framework/views/pages/ControlView.h"

#include <cstdint>

namespace NSTramvell {

class CMagnifyView : public CControlView
{
public:
    explicit CMagnifyView(CABCGroupView* parent) : CControlView(parent, CRect()) {}

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override;
    void HandleMouseUp(std::int32_t cause) override;

    // True once per offered value, inside its change notification.
    bool TakeChangedValue(std::uint16_t& value);
    void SetValue(std::uint16_t value);
    std::uint16_t GetValue() const { return mValue; }
    void NotifyValue(std::uint16_t value);
    CRect GetThumbRect(std::uint16_t value) const;

private:
    void OfferValueAt(std::int32_t x);

    bool mPressed = false;
    std::uint16_t mValue = 0;
    std::uint16_t mPendingValue = 0;
    bool mChanged = false;
};

} // namespace NSTramvell
