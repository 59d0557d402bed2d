#include "framework/views/choices/CheckBoxView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControl.h"

namespace NSTramvell {

using NSWinControlUtils::CNativeControl;
using NSWinControlUtils::EControlKeys;

namespace {
constexpr std::uint32_t kCheckBoxStyle = WS_CHILD | WS_VISIBLE | BS_CHECKBOX;
static_assert(kCheckBoxStyle == 0x50000002);
constexpr auto kCheckBoxKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kCheckBox);
} // namespace

// Owns the native check box and answers for it.
class CCheckBoxViewImplementation : public NSWinControlUtils::IWinControlCallback
{
public:
    CCheckBoxViewImplementation(CCheckBoxView* view, const std::string& title);
    ~CCheckBoxViewImplementation() override { mControl.Destroy(); }
    CCheckBoxViewImplementation(const CCheckBoxViewImplementation&) = delete;
    CCheckBoxViewImplementation& operator=(const CCheckBoxViewImplementation&) = delete;

    CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override
    {
        return mControl.HandleMessage(message, first, second);
    }
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    void SetChecked(bool checked);
    CNativeControl& GetControl() { return mControl; }

    bool mChecked = false;
    bool mChanged = false;

private:
    CCheckBoxView* mView;   // borrowed: the view owns this object
    CNativeControl mControl;
};

CCheckBoxViewImplementation::CCheckBoxViewImplementation(CCheckBoxView* view, const std::string& title)
    : mView(view), mControl(*view, EControlKeys::kSpaceWhileShown)
{
    mControl.Create(this, kCheckBoxStyle, kCheckBoxKind, title.c_str());
}

void CCheckBoxViewImplementation::SetChecked(bool checked)
{
    if (checked == mChecked)
        return;
    mChecked = checked;
    GetWindowTable().SendMessageA(GetNativeHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
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
    : CView(parent, frame), mImplementation(std::make_unique<CCheckBoxViewImplementation>(this, title))
{
}

CCheckBoxView::CCheckBoxView(CABCGroupView* parent, const CCheckBoxViewDescription& description)
    : CView(parent, CRect())
{
    CRect frame;
    description.GetFrame(frame);
    SetFrameRect(frame);
    mImplementation = std::make_unique<CCheckBoxViewImplementation>(this, description.GetTitle());
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
    mImplementation->GetControl().FollowEnabled();
}

void CCheckBoxView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mImplementation->GetControl().FollowFrame(oldFrame, newFrame);
}

void CCheckBoxView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mImplementation->GetControl().Place();
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
