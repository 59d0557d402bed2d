#pragma once

// CControlView, the base of the views that draw themselves from bitmaps instead of using a native control
// (bitmap view, faders, knobs). It turns mouse movement into value changes: GetDragPixels says how many
// pixels a drag over a value range takes, four times as many in fine mode, which a modifier key selects
// at each press.

#include "framework/gui/views/View.h"

#include <cstdint>

namespace NSTramvell {

class CABCGroupView;

// Framework-wide drag settings. The fine-mode key: 0 Alt, 1 Shift, any other value none.
constexpr std::int32_t kFineModeAlt = 0;
constexpr std::int32_t kFineModeShift = 1;
void SetControlDragSpeed(std::int32_t speed);
std::int32_t GetControlDragSpeed();
void SetFineModeKey(std::int32_t key);
std::int32_t GetFineModeKey();

class CControlView : public CView
{
public:
    static constexpr std::int32_t kFineModeDivisor = 4;

    CControlView(CABCGroupView* parent, const CRect& frame);

    // Notes fine mode; the press itself is left unhandled.
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    virtual std::int32_t GetDragPixels(std::int32_t range) const;

    // The value a drag from startPoint to currentPoint makes of startValue (orientation 1 vertical,
    // 2 horizontal), a range's worth of GetDragPixels covering valueSpan.
    std::int32_t ValueFromDrag(std::int32_t startValue, const CPoint& startPoint, const CPoint& currentPoint,
                               std::int32_t range, std::int32_t valueSpan, std::int32_t orientation) const;

protected:
    // Fine mode from the keys held now; presses call it, and views that track a drag on their own too.
    void UpdateDragDivisor(const CModifierKeys& keys);

private:
    std::int32_t mDragDivisor = 1;
};

} // namespace NSTramvell
