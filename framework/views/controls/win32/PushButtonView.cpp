#include "framework/views/controls/PushButtonView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/controls/NativeWindowHandle.h"

namespace NSTramvell {

using NSWinControlUtils::CNativeControlLink;

namespace {
constexpr auto kPushButtonKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kPushButton);
} // namespace

// Owns the native button and answers for it: focus notices, keys, and the push the button reports to its
// parent window.
class CPushButtonImplementation : public NSWinControlUtils::IWinControlCallback
{
public:
    CPushButtonImplementation(CPushButtonView* view, const std::string& title, std::int32_t kind, const CRect& frame);
    ~CPushButtonImplementation() override;
    CPushButtonImplementation(const CPushButtonImplementation&) = delete;
    CPushButtonImplementation& operator=(const CPushButtonImplementation&) = delete;

    CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mHandle; }
    CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    // The view's frame around a rectangle that the native button is to take.
    static CRect FrameAroundControlRect(const CRect& rect) { return CPushButtonView::FrameFromItemRect(rect); }

    bool mPushed = false;

private:
    std::intptr_t HandleKey(std::uint32_t message, std::uintptr_t first, std::intptr_t second);

    CPushButtonView* mView;   // borrowed: the view owns this object
    HWND mHandle = nullptr;
    std::unique_ptr<CNativeControlLink> mLink;
};

CPushButtonImplementation::CPushButtonImplementation(CPushButtonView* view, const std::string& title,
                                                     std::int32_t kind, const CRect& frame)
    : mView(view)
{
    CWindowTable& table = GetWindowTable();
    mHandle = NSWinControlUtils::CreateNativeControl(*view->GetWindow(), 0, WS_CHILD | WS_VISIBLE, kPushButtonKind,
                                                     title.c_str(), CPushButtonView::GetControlRect(frame));
    try {
        mLink = std::make_unique<CNativeControlLink>(mHandle, this);
    } catch (...) {
        NSWinControlUtils::DestroyNativeControl(mHandle);   // nothing when the link destroyed it already
        throw;
    }
    if (kind == CPushButtonView::kDefaultButton) {
        const LONG_PTR style = table.GetWindowLongPtrA(mHandle, GWL_STYLE);
        table.SetWindowLongPtrA(mHandle, GWL_STYLE, style | BS_DEFPUSHBUTTON);
        // The button reads its style when it paints.
        table.InvalidateRect(mHandle, nullptr, FALSE);
    }
}

CPushButtonImplementation::~CPushButtonImplementation()
{
    mView->SetToolTipText(std::string());
    NSWinControlUtils::DestroyNativeControl(mHandle);
    mHandle = nullptr;
    mLink.reset();
}

std::intptr_t CPushButtonImplementation::HandleNativeMessage(std::uint32_t message, std::uintptr_t first,
                                                             std::intptr_t second)
{
    switch (message) {
    case WM_SETFOCUS:
        NSWinControlUtils::NotifyNativeFocusGained(mHandle, message, first, second);
        break;
    case WM_KILLFOCUS:
        NSWinControlUtils::NotifyNativeFocusLost(mHandle);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        return HandleKey(message, first, second);
    default:
        break;
    }
    return mLink->HandleMessage(message, first, second);
}

std::intptr_t CPushButtonImplementation::HandleKey(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (first != VK_SPACE)
        return PassNativeWindowMessage(GetNativeParentWindow(mHandle), message, first, second);
    // A button on a hidden page may still hold the focus; Space must not push what the user cannot see.
    if (!NSWinControlUtils::IsVisibleInWindow(*mView))
        return 0;
    return mLink->HandleMessage(message, first, second);
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
    , mImplementation(std::make_unique<CPushButtonImplementation>(this, title, kind, frame))
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
    HWND handle = GetNativeHandle();
    if (NSWinControlUtils::SyncNativeEnabled(handle, IsEnabled()))
        Invalidate();
}

CRegion CPushButtonView::GetDrawRegion() const
{
    return CRegion(GetControlRect(*GetFrame()));
}

void CPushButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    PlaceControl();
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CPushButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    PlaceControl();
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

void CPushButtonView::PlaceControl()
{
    HWND handle = GetNativeHandle();
    NSWinControlUtils::PlaceNativeControl(handle, GetControlRect(*GetFrame()));
}

} // namespace NSTramvell
