#include "framework/views/controls/PushButtonView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControl.h"

namespace NSTramvell {

using NSWinControlUtils::CNativeControl;
using NSWinControlUtils::EControlKeys;

namespace {
constexpr auto kPushButtonKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kPushButton);
} // namespace

// Owns the native button and answers for it: focus notices, keys, and the push the button reports to its
// parent window.
class CPushButtonImplementation : public NSWinControlUtils::IWinControlCallback
{
public:
    CPushButtonImplementation(CPushButtonView* view, const std::string& title, std::int32_t kind);
    ~CPushButtonImplementation() override { mControl.Destroy(); }
    CPushButtonImplementation(const CPushButtonImplementation&) = delete;
    CPushButtonImplementation& operator=(const CPushButtonImplementation&) = delete;

    CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override
    {
        return mControl.HandleMessage(message, first, second);
    }
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    // The view's frame around a rectangle that the native button is to take.
    static CRect FrameAroundControlRect(const CRect& rect) { return CPushButtonView::FrameFromItemRect(rect); }

    CNativeControl& GetControl() { return mControl; }

    bool mPushed = false;

private:
    CPushButtonView* mView;   // borrowed: the view owns this object
    CNativeControl mControl;
};

CPushButtonImplementation::CPushButtonImplementation(CPushButtonView* view, const std::string& title,
                                                     std::int32_t kind)
    : mView(view), mControl(*view, EControlKeys::kSpaceWhileShown, &CPushButtonView::GetControlRect)
{
    mControl.Create(this, WS_CHILD | WS_VISIBLE, kPushButtonKind, title.c_str());
    if (kind == CPushButtonView::kDefaultButton) {
        CWindowTable& table = GetWindowTable();
        const HWND handle = mControl.GetHandle();
        table.SetWindowLongPtrA(handle, GWL_STYLE, table.GetWindowLongPtrA(handle, GWL_STYLE) | BS_DEFPUSHBUTTON);
        // The button reads its style when it paints.
        table.InvalidateRect(handle, nullptr, FALSE);
    }
}

std::intptr_t CPushButtonImplementation::HandleParentNotification(std::uint32_t message, std::uintptr_t,
                                                                  std::intptr_t)
{
    if (message != WM_COMMAND)
        return 1;
    mView->Push();
    return 0;
}

CPushButtonView::CPushButtonView(CABCGroupView* parent, const CDescription& description)
    : CPushButtonView(parent, description.mTitle, description.mKind, description.mFrame)
{
}

CPushButtonView::CPushButtonView(CABCGroupView* parent, const CDialogItem& item, std::int32_t kind)
    : CPushButtonView(parent, item.GetText(), kind, CPushButtonImplementation::FrameAroundControlRect(item.GetRect()))
{
}

CPushButtonView::CPushButtonView(CABCGroupView* parent, const std::string& title, std::int32_t kind,
                                 const CRect& frame)
    : CView(parent, frame)
    , mImplementation(std::make_unique<CPushButtonImplementation>(this, title, kind))
{
}

CPushButtonView::~CPushButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mImplementation.reset();
}

void CPushButtonView::EnabledChanged(bool)
{
    mImplementation->GetControl().FollowEnabled();
}

CRegion CPushButtonView::GetDrawRegion() const
{
    return CRegion(GetControlRect(*GetFrame()));
}

void CPushButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mImplementation->GetControl().FollowFrame(oldFrame, newFrame);
}

void CPushButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mImplementation->GetControl().Place();
}

CMouseDownResult CPushButtonView::HandleMouseDown(const CMouseEvent&)
{
    Push();
    return CMouseDownResult(true);
}

// The window layer asks views for their handles while they are being made and unmade (focus and tool
// tips follow moves and deletions); before the control exists and after it is gone there is none.
HWND CPushButtonView::GetNativeHandle() const
{
    return mImplementation != nullptr ? mImplementation->GetNativeHandle() : nullptr;
}

bool CPushButtonView::ConsumePushed()
{
    if (!mImplementation->mPushed)
        return false;
    mImplementation->mPushed = false;
    return true;
}

void CPushButtonView::Push()
{
    mImplementation->mPushed = true;
    try {
        NotifyViewChanged(this);
    } catch (...) {
        mImplementation->mPushed = false;
        throw;
    }
    mImplementation->mPushed = false;
}

void CPushButtonView::PushIfEnabled(bool push)
{
    if (push && IsEnabled())
        Push();
}

void CPushButtonView::SetTitle(const std::string& title)
{
    NSWinControlUtils::SetNativeText(GetNativeHandle(), title);
}

std::string CPushButtonView::GetTitle() const
{
    return NSWinControlUtils::GetNativeText(GetNativeHandle());
}

} // namespace NSTramvell
