#include "framework/views/choices/RadioButtonView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"

#include <algorithm>

namespace NSTramvell {
namespace {

constexpr std::uint32_t kRadioStyle = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;
static_assert(kRadioStyle == 0x50000004);
constexpr auto kRadioKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kRadioButton);

// Left and Up go back, Right and Down forward; 0 for any other key.
std::int32_t GetArrowStep(std::uintptr_t virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT:
    case VK_UP:
        return -1;
    case VK_RIGHT:
    case VK_DOWN:
        return 1;
    default:
        return 0;
    }
}

} // namespace

CRadioButtonView::CDescription CRadioButtonView::MakeDescription(const CDialogTemplate& dialogTemplate,
                                                                 std::uint16_t itemId)
{
    const CDialogItem item = dialogTemplate.FindItem(itemId);
    return CDescription{item.GetText(), dialogTemplate.GetItemRect(itemId)};
}

CRadioButtonView::CRadioButtonView(CABCGroupView* parent, const CDescription& description)
    : CRadioButtonView(parent, description.mTitle, description.mFrame)
{
}

CRadioButtonView::CRadioButtonView(CABCGroupView* parent, const CDialogItem& item)
    : CRadioButtonView(parent, item.GetText(), item.GetRect())
{
}

CRadioButtonView::CRadioButtonView(CABCGroupView* parent, const std::string& title, const CRect& frame)
    : CView(parent, frame)
{
    mControl.Create(this, kRadioStyle, kRadioKind, title.c_str());
}

CRadioButtonView::~CRadioButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mControl.Destroy();
}

CRadioButtonGroupView* CRadioButtonView::GetGroup() const
{
    return dynamic_cast<CRadioButtonGroupView*>(GetParent());
}

void CRadioButtonView::ShowChecked(bool checked)
{
    if (checked == mShownChecked)
        return;
    mShownChecked = checked;
    GetWindowTable().SendMessageA(GetNativeHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CRadioButtonView::EnabledChanged(bool)
{
    mControl.FollowEnabled();
}

void CRadioButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mControl.FollowFrame(oldFrame, newFrame);
}

void CRadioButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mControl.Place();
}

// The arrow keys move the group's selection; the control would only move its own check.
std::intptr_t CRadioButtonView::HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        if (const std::int32_t step = GetArrowStep(first)) {
            if (message == WM_KEYDOWN && GetGroup() != nullptr)
                GetGroup()->SelectRelative(this, step);
            return 0;
        }
    }
    return mControl.HandleMessage(message, first, second);
}

std::intptr_t CRadioButtonView::HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t)
{
    if (message != WM_COMMAND)
        return 1;
    CRadioButtonGroupView* group = GetGroup();
    if (HIWORD(first) == BN_CLICKED && group != nullptr)
        group->Select(static_cast<std::uint16_t>(group->IndexOf(this)));
    return 0;
}

CRadioButtonGroupView::CRadioButtonGroupView(CABCGroupView* parent) : CStandardGroupView(parent, CRect(0, 0, 0, 0))
{
}

void CRadioButtonGroupView::AddChild(CView* child)
{
    CStandardGroupView::AddChild(child);
    FitToChildren();
}

void CRadioButtonGroupView::RemoveChild(CView* child)
{
    const std::int32_t index = IndexOf(child);
    CStandardGroupView::RemoveChild(child);
    if (index < 0)
        return;
    mSelection.ChildRemoved(static_cast<std::uint16_t>(index));
    FitToChildren();
}

void CRadioButtonGroupView::FitToChildren()
{
    CRect united;
    bool first = true;
    for (std::uint32_t i = 0; i < GetChildCount(); ++i) {
        const CRect& frame = *GetChild(i)->GetFrame();
        if (first) {
            united = frame;
            first = false;
            continue;
        }
        united = CRect(std::min(united.GetLeft(), frame.GetLeft()), std::min(united.GetTop(), frame.GetTop()),
                       std::max(united.GetRight(), frame.GetRight()), std::max(united.GetBottom(), frame.GetBottom()));
    }
    SetFrameRect(united);
}

CView* CRadioButtonGroupView::GetSubViewWithWin32Focus()
{
    HWND focus = GetWindowTable().GetFocus();
    for (std::uint32_t i = 0; i < GetChildCount(); ++i) {
        auto* native = dynamic_cast<INativeView*>(GetChild(i));
        if (native != nullptr && focus != nullptr && native->GetNativeHandle() == focus)
            return GetChild(i);
    }
    return nullptr;
}

std::int32_t CRadioButtonGroupView::IndexOf(const CView* view) const
{
    const std::uint32_t index = IndexOfChild(view);
    return index < GetChildCount() ? static_cast<std::int32_t>(index) : -1;
}

CRadioButtonView* CRadioButtonGroupView::GetButton(std::uint16_t index) const
{
    return index < GetChildCount() ? dynamic_cast<CRadioButtonView*>(GetChild(index)) : nullptr;
}

void CRadioButtonGroupView::Select(std::uint16_t index)
{
    if (!mSelection.ShouldOffer(index))
        return;
    mSelection.BeginOffer(index);
    try {
        NotifyViewChanged(this);
    } catch (...) {
        mSelection.EndOffer();
        throw;
    }
    mSelection.EndOffer();
}

void CRadioButtonGroupView::SelectRelative(const CRadioButtonView* from, std::int32_t delta)
{
    const std::int32_t fromIndex = IndexOf(from);
    if (fromIndex < 0)
        return;
    const std::uint16_t target =
        StepRadioIndex(static_cast<std::uint16_t>(fromIndex), delta, static_cast<std::uint16_t>(GetChildCount()));
    Select(target);
    CRadioButtonView* button = GetButton(target);
    if (button != nullptr && GetSelectedIndex() == target)
        GetWindowTable().SetFocus(button->GetNativeHandle());
}

void CRadioButtonGroupView::SetDisplayedSelection(std::uint16_t index)
{
    mSelection.SetSelected(index);
    for (std::uint32_t i = 0; i < GetChildCount(); ++i) {
        if (CRadioButtonView* button = GetButton(static_cast<std::uint16_t>(i)))
            button->ShowChecked(i == index);
    }
}

} // namespace NSTramvell
