#include "framework/views/lists/PopupButtonView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/lists/StringList.h"
#include "framework/views/pages/ControlFrames.h"

namespace NSTramvell {

namespace {
constexpr auto kComboBoxKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kComboBox);
constexpr std::uint32_t kPopupStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;
static_assert(kPopupStyle == 0x50200003);
constexpr std::uint16_t kNoPending = 666;
static_assert(kPopupButtonHeight == CPopupButtonView::kClosedHeight);

LRESULT Send(HWND handle, UINT message, WPARAM first, LPARAM second)
{
    return GetWindowTable().SendMessageA(handle, message, first, second);
}

WPARAM SelectionParameter(std::uint16_t index)
{
    return index == CPopupButtonView::kNoSelection ? static_cast<WPARAM>(-1) : index;
}
} // namespace

CPopupButtonView::CPopupButtonView(CABCGroupView* parent, const CRect& frame, const IStringList* strings)
    : CView(parent, frame), mStrings(strings)
{
    mControl.Create(this, kPopupStyle, kComboBoxKind, nullptr);
    Fill();
}

CPopupButtonView::~CPopupButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mControl.Destroy();
}

CRect CPopupButtonView::GetControlRect(const CRect& frame)
{
    CRect control = frame;
    control.SetTop(frame.GetTop() - 1);
    control.SetHeight(kClosedHeight);
    return control;
}

CRect CPopupButtonView::FrameFromRect(const CRect& rect)
{
    return PopupButtonFrameFromRect(rect);
}

CRect CPopupButtonView::FrameFromTemplate(const CDialogTemplate& layout, std::uint16_t itemId)
{
    return FrameFromRect(layout.GetItemRect(itemId));
}

void CPopupButtonView::EnabledChanged(bool)
{
    GetWindowTable().EnableWindow(GetNativeHandle(), IsEnabled() ? TRUE : FALSE);
}

void CPopupButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    ResizeControl(mDropped ? kDroppedHeight : kClosedHeight);
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CPopupButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    ResizeControl(mDropped ? kDroppedHeight : kClosedHeight);
}

void CPopupButtonView::ResizeControl(std::int32_t height)
{
    CRect control = GetControlRect(*GetFrame());
    control.SetHeight(height);
    GetWindowTable().MoveWindow(GetNativeHandle(), control.GetLeft(), control.GetTop(), control.GetWidth(),
                                control.GetHeight(), TRUE);
}

void CPopupButtonView::SetStringList(const IStringList* strings)
{
    mStrings = strings;
    Fill();
}

void CPopupButtonView::Fill()
{
    Send(GetNativeHandle(), CB_RESETCONTENT, 0, 0);
    const std::int32_t count = mStrings != nullptr ? mStrings->GetLineCount() : 0;
    for (std::int32_t index = 0; index < count; ++index) {
        const std::string line = mStrings->GetLine(index);
        Send(GetNativeHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    ShowSelection(mSelection);
}

void CPopupButtonView::ShowSelection(std::uint16_t index)
{
    Send(GetNativeHandle(), CB_SETCURSEL, SelectionParameter(index), 0);
}

void CPopupButtonView::SetSelection(std::uint16_t index)
{
    if (index == mSelection)
        return;
    mSelection = index;
    // A list in use keeps what the user sees; the stored selection returns when it closes.
    if (mStrings != nullptr && !mDropped && GetWindowTable().GetCapture() != GetNativeHandle())
        ShowSelection(index);
}

bool CPopupButtonView::TakeChoice(std::uint16_t& index) const
{
    if (!mChoosing)
        return false;
    index = mPending;
    return true;
}

std::intptr_t CPopupButtonView::HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return mControl.HandleMessage(message, first, second);
}

std::intptr_t CPopupButtonView::HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t)
{
    if (message != WM_COMMAND)
        return 1;
    switch (HIWORD(first)) {
    case CBN_DROPDOWN:
        mDropped = true;
        ResizeControl(kDroppedHeight);
        break;
    case CBN_CLOSEUP:
        ResizeControl(kClosedHeight);
        mDropped = false;
        break;
    case CBN_SELENDOK: {
        const LRESULT chosen = Send(GetNativeHandle(), CB_GETCURSEL, 0, 0);
        mPending = chosen < 0 || chosen >= kNoSelection ? kNoSelection : static_cast<std::uint16_t>(chosen);
        mChoosing = true;
        try {
            NotifyViewChanged(this);
        } catch (...) {
            mChoosing = false;
            mPending = kNoPending;
            throw;
        }
        mChoosing = false;
        mPending = kNoPending;
        ShowSelection(mSelection);
        break;
    }
    default:
        break;
    }
    return 0;
}

} // namespace NSTramvell
