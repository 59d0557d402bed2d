#include "framework/views/choices/UpDownButtonView.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeWindowHandle.h"

namespace NSTramvell {
namespace {

constexpr std::uint32_t kUpDownStyle = WS_CHILD | WS_VISIBLE;
constexpr UINT kSetRange32 = WM_USER + 111;   // UDM_SETRANGE32
constexpr UINT kSetPosition32 = WM_USER + 113;   // UDM_SETPOS32

} // namespace

CUpDownButtonView::CDescription CUpDownButtonView::MakeDescription(const CDialogTemplate& dialogTemplate,
                                                                   std::uint16_t itemId)
{
    return CDescription{dialogTemplate.GetItemRect(itemId)};
}

CUpDownButtonView::CUpDownButtonView(CABCGroupView* parent, const CDescription& description)
    : CUpDownButtonView(parent, description.mFrame)
{
}

CUpDownButtonView::CUpDownButtonView(CABCGroupView* parent, const CDialogItem& item)
    : CUpDownButtonView(parent, item.GetRect())
{
}

CUpDownButtonView::CUpDownButtonView(CABCGroupView* parent, const CRect& frame) : CView(parent, frame)
{
    CWindowTable& table = GetWindowTable();
    CABCCodeModule* module = CABCCodeModule::GetCurrent();
    mHandle = table.CreateWindowExA(0, "msctls_updown32", "", kUpDownStyle, frame.GetLeft(), frame.GetTop(),
                                    frame.GetWidth(), frame.GetHeight(), GetWindow()->GetWindowHandle(), nullptr,
                                    module != nullptr ? module->GetInstanceHandle() : nullptr, nullptr);
    if (mHandle == nullptr)
        throw XOutOfMemory();
    try {
        mLink = std::make_unique<NSWinControlUtils::CNativeControlLink>(mHandle, this);
    } catch (...) {
        NSWinControlUtils::DestroyNativeControl(mHandle);   // nothing when the link destroyed it already
        throw;
    }
    // The control's default range runs from 100 down to 0, which turns up into -1.
    table.SendMessageA(mHandle, kSetRange32, 0, kControlMaximum);
    table.SendMessageA(mHandle, kSetPosition32, 0, kControlPosition);
}

CUpDownButtonView::~CUpDownButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    SetToolTipText(std::string());
    NSWinControlUtils::DestroyNativeControl(mHandle);
    mLink.reset();
    mHandle = nullptr;
}

void CUpDownButtonView::EnabledChanged(bool)
{
    if (NSWinControlUtils::SyncNativeEnabled(mHandle, IsEnabled()))
        Invalidate();
}

void CUpDownButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    PlaceControl();
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CUpDownButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    PlaceControl();
}

void CUpDownButtonView::PlaceControl()
{
    NSWinControlUtils::PlaceNativeControl(mHandle, *GetFrame());
}

std::intptr_t CUpDownButtonView::HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
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
        if (first != VK_UP && first != VK_DOWN)
            return PassNativeWindowMessage(GetNativeParentWindow(mHandle), message, first, second);
        break;
    default:
        break;
    }
    return mLink->HandleMessage(message, first, second);
}

std::intptr_t CUpDownButtonView::HandleParentNotification(std::uint32_t message, std::uintptr_t, std::intptr_t second)
{
    if (message != WM_NOTIFY)
        return 0;
    const auto* header = reinterpret_cast<const NMHDR*>(second);
    if (header->code != static_cast<UINT>(UDN_DELTAPOS))
        return 0;
    const auto* change = reinterpret_cast<const NMUPDOWN*>(second);
    if (change->iDelta != 0)
        NotifyStep(static_cast<std::int16_t>(change->iDelta));
    // Refused: the position stays in the middle, so neither end ever stops a step.
    return 1;
}

bool CUpDownButtonView::TakePendingStep(std::int16_t& step)
{
    if (!mPending)
        return false;
    step = mPendingStep;
    mPendingStep = kNoStep;
    mPending = false;
    return true;
}

void CUpDownButtonView::NotifyStep(std::int16_t step)
{
    mPendingStep = step;
    mPending = true;
    try {
        NotifyViewChanged(this);
    } catch (...) {
        mPendingStep = kNoStep;
        mPending = false;
        throw;
    }
    mPendingStep = kNoStep;
    mPending = false;
}

} // namespace NSTramvell
