#include "framework/views/scrollbars/ScrollBarView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"

#include <algorithm>

namespace NSTramvell {
namespace {

constexpr auto kScrollBarKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kScrollBar);
constexpr std::int32_t kInitialMaximum = 1000;
constexpr std::int32_t kInitialVisible = 100;

} // namespace

CScrollBarView::CDescription CScrollBarView::MakeDescription(const CDialogTemplate& dialogTemplate,
                                                             std::uint16_t itemId, std::int32_t orientation)
{
    return CDescription{MakeScrollBarFrame(dialogTemplate.GetItemRect(itemId), orientation), orientation};
}

CScrollBarView::CScrollBarView(CABCGroupView* parent, const CDescription& description, IScrollBarHandler* handler)
    : CScrollBarView(parent, description.mOrientation == kScrollBarHorizontal, description.mFrame, handler)
{
}

CScrollBarView::CScrollBarView(CABCGroupView* parent, const CDialogItem& item, std::int32_t orientation,
                               IScrollBarHandler* handler)
    : CScrollBarView(parent, CDescription{MakeScrollBarFrame(item.GetRect(), orientation), orientation}, handler)
{
}

CScrollBarView::CScrollBarView(CABCGroupView* parent, bool horizontal, const CRect& frame,
                               IScrollBarHandler* handler)
    : CView(parent, frame), mHorizontal(horizontal), mRange(0, kInitialMaximum), mHandler(handler)
{
    mRange.SetVisible(0, kInitialVisible);
    const std::uint32_t style = WS_CHILD | WS_VISIBLE | (horizontal ? SBS_HORZ : SBS_VERT);
    mControl.Create(this, style, kScrollBarKind, "");
    MirrorRange();
}

CScrollBarView::~CScrollBarView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mControl.Destroy();
}

void CScrollBarView::SetRange(const CScrollBarRange& range)
{
    mRange = range;
    MirrorRange();
}

void CScrollBarView::MirrorRange()
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = mRange.GetRangeSize() - 1;
    info.nPage = static_cast<UINT>(std::max(mRange.GetVisibleSize(), 0));
    info.nPos = mRange.GetVisibleStart() - mRange.GetMinimum();
    GetWindowTable().SetScrollInfo(GetNativeHandle(), SB_CTL, &info, TRUE);
}

void CScrollBarView::EnabledChanged(bool)
{
    mControl.FollowEnabled();
}

void CScrollBarView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mControl.FollowFrame(oldFrame, newFrame);
}

void CScrollBarView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mControl.Place();
}

std::intptr_t CScrollBarView::HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return mControl.HandleMessage(message, first, second);
}

std::intptr_t CScrollBarView::HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t)
{
    if (message != WM_HSCROLL && message != WM_VSCROLL)
        return 1;
    const auto code = static_cast<std::int32_t>(LOWORD(first));
    std::int32_t trackPosition = 0;
    if (code == SB_THUMBTRACK) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetWindowTable().GetScrollInfo(GetNativeHandle(), SB_CTL, &info);
        trackPosition = info.nTrackPos + mRange.GetMinimum();
    }
    const bool wasTracking = mTracking;
    DispatchScrollCode(GetHandler(), this, mTracking, code, trackPosition, mRange);
    // The framework learns of the tracking too, so that it treats the bar as the view that has the mouse.
    if (mTracking && !wasTracking)
        NSTramvell::BeginTracking(this);
    else if (!mTracking && wasTracking)
        NSTramvell::EndTracking(this);
    return 0;
}

void CScrollBarView::NotifyPending(std::int32_t kind, std::int32_t amount)
{
    mPendingKind = kind;
    mPendingAmount = amount;
    try {
        NotifyViewChanged(this);
    } catch (...) {
        mPendingKind = kPendingPosition;
        mPendingAmount = kNoPendingAmount;
        throw;
    }
    mPendingKind = kPendingPosition;
    mPendingAmount = kNoPendingAmount;
}

void CScrollBarView::Step(CScrollBarView*, std::int32_t direction, std::int32_t amount)
{
    switch (direction) {
    case CScrollPositions::kPageBack:
        NotifyPending(kPendingPage, -amount);
        break;
    case CScrollPositions::kPageForward:
        NotifyPending(kPendingPage, amount);
        break;
    case CScrollPositions::kLineBack:
        NotifyPending(kPendingLine, -amount);
        break;
    case CScrollPositions::kLineForward:
        NotifyPending(kPendingLine, amount);
        break;
    default:
        break;
    }
}

void CScrollBarView::Position(CScrollBarView*, std::int32_t position)
{
    NotifyPending(kPendingPosition, position);
}

void CScrollBarView::ScrollByAmount(std::int32_t lines)
{
    if (lines > 0)
        GetHandler().Step(this, CScrollPositions::kLineForward, lines);
    else if (lines < 0)
        GetHandler().Step(this, CScrollPositions::kLineBack, -lines);
}

void CScrollBarView::PageBack()
{
    GetHandler().Step(this, CScrollPositions::kPageBack, 1);
}

void CScrollBarView::PageForward()
{
    GetHandler().Step(this, CScrollPositions::kPageForward, 1);
}

void CScrollBarView::ScrollToPosition(std::int32_t position)
{
    GetHandler().Position(this, position);
}

} // namespace NSTramvell
