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
    mHandle = NSWinControlUtils::CreateNativeControl(*GetWindow(), 0, kPopupStyle, kComboBoxKind, nullptr,
                                                     GetControlRect(frame));
    try {
        mLink = std::make_unique<NSWinControlUtils::CNativeControlLink>(mHandle, this);
    } catch (...) {
        NSWinControlUtils::DestroyNativeControl(mHandle);
        throw;
    }
    // No destructor runs for a view whose construction fails: the control must not outlive it.
    try {
        Fill();
    } catch (...) {
        NSWinControlUtils::DestroyNativeControl(mHandle);
        mLink.reset();
        throw;
    }
}

CPopupButtonView::~CPopupButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    SetToolTipText(std::string());
    NSWinControlUtils::DestroyNativeControl(mHandle);
    mLink.reset();
    mHandle = nullptr;
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
    GetWindowTable().EnableWindow(mHandle, IsEnabled() ? TRUE : FALSE);
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
    GetWindowTable().MoveWindow(mHandle, control.GetLeft(), control.GetTop(), control.GetWidth(), control.GetHeight(),
                                TRUE);
}

void CPopupButtonView::SetStringList(const IStringList* strings)
{
    mStrings = strings;
    Fill();
}

void CPopupButtonView::Fill()
{
    Send(mHandle, CB_RESETCONTENT, 0, 0);
    const std::int32_t count = mStrings != nullptr ? mStrings->GetLineCount() : 0;
    for (std::int32_t index = 0; index < count; ++index) {
        const std::string line = mStrings->GetLine(index);
        Send(mHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    ShowSelection(mSelection);
}

void CPopupButtonView::ShowSelection(std::uint16_t index)
{
    Send(mHandle, CB_SETCURSEL, SelectionParameter(index), 0);
}

void CPopupButtonView::SetSelection(std::uint16_t index)
{
    if (index == mSelection)
        return;
    mSelection = index;
    // A list in use keeps what the user sees; the stored selection returns when it closes.
    if (mStrings != nullptr && !mDropped && GetWindowTable().GetCapture() != mHandle)
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
    switch (message) {
    case WM_SETFOCUS:
        NSWinControlUtils::NotifyNativeFocusGained(mHandle, message, first, second);
        break;
    case WM_KILLFOCUS:
        NSWinControlUtils::NotifyNativeFocusLost(mHandle);
        break;
    default:
        break;
    }
    return mLink->HandleMessage(message, first, second);
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
        const LRESULT chosen = Send(mHandle, CB_GETCURSEL, 0, 0);
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
