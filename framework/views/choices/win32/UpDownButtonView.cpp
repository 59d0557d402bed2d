#include "framework/views/choices/UpDownButtonView.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"

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
    // The up-down control is none of the glue's nine kinds, so it is made here.
    CWindowTable& table = GetWindowTable();
    CABCCodeModule* module = CABCCodeModule::GetCurrent();
    HWND handle = table.CreateWindowExA(0, "msctls_updown32", "", kUpDownStyle, frame.GetLeft(), frame.GetTop(),
                                        frame.GetWidth(), frame.GetHeight(), GetWindow()->GetWindowHandle(), nullptr,
                                        module != nullptr ? module->GetInstanceHandle() : nullptr, nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    mControl.Attach(handle, this);
    // The control's default range runs from 100 down to 0, which turns up into -1.
    table.SendMessageA(handle, kSetRange32, 0, kControlMaximum);
    table.SendMessageA(handle, kSetPosition32, 0, kControlPosition);
}

CUpDownButtonView::~CUpDownButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mControl.Destroy();
}

void CUpDownButtonView::EnabledChanged(bool)
{
    mControl.FollowEnabled();
}

void CUpDownButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mControl.FollowFrame(oldFrame, newFrame);
}

void CUpDownButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mControl.Place();
}

std::intptr_t CUpDownButtonView::HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return mControl.HandleMessage(message, first, second);
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
