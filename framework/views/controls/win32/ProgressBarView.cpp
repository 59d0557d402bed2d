#include "framework/views/controls/ProgressBarView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {
namespace {
constexpr auto kProgressBarKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kProgressBar);
} // namespace

CProgressBarView::CProgressBarView(CABCGroupView* parent, const CRect& frame)
    : CView(parent, frame)
{
    // The bar tells nothing back: it has no callback to link.
    mControl.Create(nullptr, WS_CHILD | WS_VISIBLE, kProgressBarKind, nullptr);
    GetWindowTable().SendMessageA(GetNativeHandle(), PBM_SETRANGE, 0, MAKELPARAM(0, kFullProgress));
}

CProgressBarView::~CProgressBarView()
{
    mControl.Destroy();
}

void CProgressBarView::EnabledChanged(bool)
{
    mControl.FollowEnabled();
}

void CProgressBarView::Draw(CABCViewDrawSpec& drawSpec)
{
    const std::uint16_t position = mValue == kUnknownProgress ? 0 : mValue;
    GetWindowTable().SendMessageA(GetNativeHandle(), PBM_SETPOS, position, 0);
    CRect visible = *GetFrame();
    if (GetVisibleRect(this, visible) && !visible.IsEmpty()) {
        visible.Offset(-GetFrame()->GetLeft(), -GetFrame()->GetTop());
        NSWinControlUtils::RedrawNativeArea(GetNativeHandle(), &visible, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    CView::Draw(drawSpec);
}

CRegion CProgressBarView::GetDrawRegion() const
{
    return CRegion(GetControlRect(*GetFrame()));
}

void CProgressBarView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mControl.FollowFrame(oldFrame, newFrame);
}

void CProgressBarView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mControl.Place();
}

void CProgressBarView::SetValue(std::uint16_t value)
{
    if (value == mValue)
        return;
    mValue = value;
    Invalidate();
}

} // namespace NSTramvell
