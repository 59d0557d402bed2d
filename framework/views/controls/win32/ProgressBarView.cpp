#include "framework/views/controls/ProgressBarView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControlGlue.h"

namespace NSTramvell {
namespace {
constexpr auto kProgressBarKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kProgressBar);
} // namespace

CProgressBarView::CProgressBarView(CABCGroupView* parent, const CRect& frame)
    : CView(parent, frame)
{
    mHandle = NSWinControlUtils::CreateNativeControl(*GetWindow(), 0, WS_CHILD | WS_VISIBLE, kProgressBarKind, nullptr,
                                                     GetControlRect(frame));
    GetWindowTable().SendMessageA(mHandle, PBM_SETRANGE, 0, MAKELPARAM(0, kFullProgress));
}

CProgressBarView::~CProgressBarView()
{
    SetToolTipText(std::string());
    NSWinControlUtils::DestroyNativeControl(mHandle);
    mHandle = nullptr;
}

void CProgressBarView::EnabledChanged(bool)
{
    if (NSWinControlUtils::SyncNativeEnabled(mHandle, IsEnabled()))
        Invalidate();
}

void CProgressBarView::Draw(CABCViewDrawSpec& drawSpec)
{
    const std::uint16_t position = mValue == kUnknownProgress ? 0 : mValue;
    GetWindowTable().SendMessageA(mHandle, PBM_SETPOS, position, 0);
    CRect visible = *GetFrame();
    if (GetVisibleRect(this, visible) && !visible.IsEmpty()) {
        visible.Offset(-GetFrame()->GetLeft(), -GetFrame()->GetTop());
        NSWinControlUtils::RedrawNativeArea(mHandle, &visible, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    CView::Draw(drawSpec);
}

CRegion CProgressBarView::GetDrawRegion() const
{
    return CRegion(GetControlRect(*GetFrame()));
}

void CProgressBarView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    PlaceControl();
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CProgressBarView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    PlaceControl();
}

void CProgressBarView::SetValue(std::uint16_t value)
{
    if (value == mValue)
        return;
    mValue = value;
    Invalidate();
}

void CProgressBarView::PlaceControl()
{
    NSWinControlUtils::PlaceNativeControl(mHandle, GetControlRect(*GetFrame()));
}

} // namespace NSTramvell
