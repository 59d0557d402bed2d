#pragma once

// CScrollBarView, a native scroll bar as a framework view. The control's scroll codes become calls of a
// scroll-bar handler; without one given, the view is its own handler and reports each action as a
// pending action (kind and signed amount) while its change notice climbs the view tree. The range
// record is the view's own: the control mirrors it as a range from 0 to its size, so positions it
// reports are moved back by the range's minimum.

#include "framework/gui/views/View.h"
#include "framework/views/controls/NativeControl.h"
#include "framework/views/scrollbars/ScrollBarRange.h"
#include "framework/views/scrollbars/ScrollBarSupport.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;

class CScrollBarView : public CView,
                       public INativeView,
                       public IScrollBarHandler,
                       public IScrollBarSteps,
                       public NSWinControlUtils::IWinControlCallback
{
public:
    // The pending kinds of the view's own handler.
    static constexpr std::int32_t kPendingPosition = 0;
    static constexpr std::int32_t kPendingPage = 1;
    static constexpr std::int32_t kPendingLine = 2;
    static constexpr std::int32_t kNoPendingAmount = 666;

    struct CDescription
    {
        CRect mFrame;
        std::int32_t mOrientation = kScrollBarVertical;
    };
    // The item's rectangle made 16 pixels thick across the orientation.
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                        std::int32_t orientation);

    // handler null: the view handles its own actions. A handler is borrowed and must outlive the view.
    CScrollBarView(CABCGroupView* parent, bool horizontal, const CRect& frame, IScrollBarHandler* handler = nullptr);
    CScrollBarView(CABCGroupView* parent, const CDescription& description, IScrollBarHandler* handler = nullptr);
    // The item's rectangle made 16 pixels thick across the orientation, as MakeDescription does.
    CScrollBarView(CABCGroupView* parent, const CDialogItem& item, std::int32_t orientation,
                   IScrollBarHandler* handler = nullptr);
    ~CScrollBarView() override;

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }

    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetView() const override { return const_cast<CScrollBarView*>(this); }
    CView* GetFocusView() const override { return const_cast<CScrollBarView*>(this); }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    // The view's own handler.
    void BeginTracking(CScrollBarView*) override {}
    void EndTracking(CScrollBarView*) override {}
    void Step(CScrollBarView* view, std::int32_t direction, std::int32_t amount) override;
    void Position(CScrollBarView* view, std::int32_t position) override;

    // What the wheel and key helpers use; each goes to the handler.
    void ScrollByAmount(std::int32_t lines) override;
    void PageBack() override;
    void PageForward() override;
    void ScrollToPosition(std::int32_t position) override;
    CScrollBarRange GetRange() const override { return mRange; }
    void SetRange(const CScrollBarRange& range);

    bool IsHorizontal() const { return mHorizontal; }
    // Between the control's first scroll code of a press and its end code; the framework's tracking view
    // for as long.
    bool IsTracking() const { return mTracking; }
    std::int32_t GetPendingKind() const { return mPendingKind; }
    std::int32_t GetPendingAmount() const { return mPendingAmount; }

private:
    void MirrorRange();
    void NotifyPending(std::int32_t kind, std::int32_t amount);
    IScrollBarHandler& GetHandler() { return mHandler != nullptr ? *mHandler : *this; }

    bool mHorizontal;
    CScrollBarRange mRange;
    std::int32_t mPendingKind = kPendingPosition;
    std::int32_t mPendingAmount = kNoPendingAmount;
    bool mTracking = false;
    IScrollBarHandler* mHandler;   // borrowed; null for the view itself
    NSWinControlUtils::CNativeControl mControl{*this, NSWinControlUtils::EControlKeys::kArrowsAndPaging};
};

} // namespace NSTramvell
