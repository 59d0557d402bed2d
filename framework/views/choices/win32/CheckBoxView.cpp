#include "framework/views/choices/CheckBoxView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/controls/NativeWindowHandle.h"

namespace NSTramvell {
namespace {
constexpr std::uint32_t kCheckBoxStyle = WS_CHILD | WS_VISIBLE | BS_CHECKBOX;
static_assert(kCheckBoxStyle == 0x50000002);
constexpr auto kCheckBoxKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kCheckBox);
} // namespace

// Owns the native check box and answers for it.
class CCheckBoxViewImplementation : public NSWinControlUtils::IWinControlCallback
{
public:
    CCheckBoxViewImplementation(CCheckBoxView* view, const std::string& title, const CRect& frame);
    ~CCheckBoxViewImplementation() override;
    CCheckBoxViewImplementation(const CCheckBoxViewImplementation&) = delete;
    CCheckBoxViewImplementation& operator=(const CCheckBoxViewImplementation&) = delete;

    CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mHandle; }
    CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    void SetChecked(bool checked);
    void PlaceControl();

    bool mChecked = false;
    bool mChanged = false;

private:
    CCheckBoxView* mView;   // borrowed: the view owns this object
    HWND mHandle = nullptr;
    std::unique_ptr<NSWinControlUtils::CNativeControlLink> mLink;
};

CCheckBoxViewImplementation::CCheckBoxViewImplementation(CCheckBoxView* view, const std::string& title,
                                                         const CRect& frame)
    : mView(view)
{
    mHandle = NSWinControlUtils::CreateNativeControl(*view->GetWindow(), 0, kCheckBoxStyle, kCheckBoxKind,
                                                     title.c_str(), frame);
    try {
        mLink = std::make_unique<NSWinControlUtils::CNativeControlLink>(mHandle, this);
    } catch (...) {
        NSWinControlUtils::DestroyNativeControl(mHandle);   // nothing when the link destroyed it already
        throw;
    }
}

CCheckBoxViewImplementation::~CCheckBoxViewImplementation()
{
    mView->SetToolTipText(std::string());
    NSWinControlUtils::DestroyNativeControl(mHandle);
    mHandle = nullptr;
    mLink.reset();
}

void CCheckBoxViewImplementation::SetChecked(bool checked)
{
    if (checked == mChecked)
        return;
    mChecked = checked;
    GetWindowTable().SendMessageA(mHandle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CCheckBoxViewImplementation::PlaceControl()
{
    NSWinControlUtils::PlaceNativeControl(mHandle, *mView->GetFrame());
}

std::intptr_t CCheckBoxViewImplementation::HandleNativeMessage(std::uint32_t message, std::uintptr_t first,
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
        if (first != VK_SPACE)
            return PassNativeWindowMessage(GetNativeParentWindow(mHandle), message, first, second);
        // A check box on a hidden page may still hold the focus; Space must not toggle what is not seen.
        if (!NSWinControlUtils::IsVisibleInWindow(*mView))
            return 0;
        break;
    default:
        break;
    }
    return mLink->HandleMessage(message, first, second);
}

std::intptr_t CCheckBoxViewImplementation::HandleParentNotification(std::uint32_t message, std::uintptr_t,
                                                                    std::intptr_t)
{
    if (message != WM_COMMAND)
        return 1;
    mView->Toggle();
    return 0;
}

CCheckBoxViewDescription CCheckBoxViewDescription::Make(const CDialogTemplate& dialogTemplate, std::uint16_t itemId)
{
    const CDialogItem item = dialogTemplate.FindItem(itemId);
    return CCheckBoxViewDescription(item.GetText(), dialogTemplate.GetItemRect(itemId));
}

CCheckBoxView::CCheckBoxView(CABCGroupView* parent, const CRect& frame) : CCheckBoxView(parent, std::string(), frame)
{
}

CCheckBoxView::CCheckBoxView(CABCGroupView* parent, const std::string& title, const CRect& frame)
    : CView(parent, frame), mImplementation(std::make_unique<CCheckBoxViewImplementation>(this, title, frame))
{
}

CCheckBoxView::CCheckBoxView(CABCGroupView* parent, const CCheckBoxViewDescription& description)
    : CView(parent, CRect())
{
    CRect frame;
    description.GetFrame(frame);
    SetFrameRect(frame);
    mImplementation = std::make_unique<CCheckBoxViewImplementation>(this, description.GetTitle(), frame);
}

CCheckBoxView::~CCheckBoxView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mImplementation.reset();
}

HWND CCheckBoxView::GetNativeHandle() const
{
    return mImplementation != nullptr ? mImplementation->GetNativeHandle() : nullptr;
}

void CCheckBoxView::EnabledChanged(bool)
{
    HWND handle = GetNativeHandle();
    if (NSWinControlUtils::SyncNativeEnabled(handle, IsEnabled()))
        Invalidate();
}

void CCheckBoxView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mImplementation->PlaceControl();
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CCheckBoxView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mImplementation->PlaceControl();
}

bool CCheckBoxView::IsChecked() const
{
    return mImplementation->mChecked;
}

void CCheckBoxView::SetChecked(bool checked)
{
    mImplementation->SetChecked(checked);
}

void CCheckBoxView::Toggle()
{
    SetChecked(!IsChecked());
    NotifyChanged();
}

bool CCheckBoxView::ConsumeChanged()
{
    if (!mImplementation->mChanged)
        return false;
    mImplementation->mChanged = false;
    return true;
}

std::int32_t CCheckBoxView::NotifyChanged()
{
    mImplementation->mChanged = true;
    std::int32_t answer = 0;
    try {
        answer = ChildChanged();
    } catch (...) {
        mImplementation->mChanged = false;
        throw;
    }
    mImplementation->mChanged = false;
    return answer;
}

void CCheckBoxView::SetTitle(const std::string& title)
{
    NSWinControlUtils::SetNativeText(GetNativeHandle(), title);
}

} // namespace NSTramvell
