#pragma once

// CUpDownButtonView, a native up-down (spin) control as a framework view. Each press of an arrow is a
// step (up +1, down -1) reported while the view's change notice climbs; TakePendingStep answers it
// there. The control never moves its own position, so it keeps stepping at either end.

#include "framework/gui/views/View.h"
#include "framework/views/controls/NativeControl.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;

class CUpDownButtonView : public CView, public INativeView, public NSWinControlUtils::IWinControlCallback
{
public:
    static constexpr std::int16_t kNoStep = 666;
    // The control's range and its resting position, in the middle.
    static constexpr std::int32_t kControlMaximum = 100;
    static constexpr std::int32_t kControlPosition = 50;

    struct CDescription
    {
        CRect mFrame;
    };
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId);

    // XOutOfMemory when the control cannot be made.
    CUpDownButtonView(CABCGroupView* parent, const CRect& frame);
    CUpDownButtonView(CABCGroupView* parent, const CDescription& description);
    // The item's rectangle.
    CUpDownButtonView(CABCGroupView* parent, const CDialogItem& item);
    ~CUpDownButtonView() override;

    // Disabled with the view, so that it steps no more.
    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }

    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetView() const override { return const_cast<CUpDownButtonView*>(this); }
    CView* GetFocusView() const override { return const_cast<CUpDownButtonView*>(this); }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    bool TakePendingStep(std::int16_t& step);
    // The same notice as a press.
    void NotifyStep(std::int16_t step);

private:
    std::int16_t mPendingStep = kNoStep;
    bool mPending = false;
    NSWinControlUtils::CNativeControl mControl{*this, NSWinControlUtils::EControlKeys::kUpAndDown};
};

} // namespace NSTramvell
