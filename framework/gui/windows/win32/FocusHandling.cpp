#include "framework/gui/windows/FocusHandling.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/menus/PopupMenu.h"
#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {
namespace {

constexpr std::int32_t kSimulatedPressPauseMs = 100;

// The view of a native control and the window it lies in; false when the control has no view.
bool FindControlView(HWND control, CView*& view, CABCWindow*& window)
{
    view = FindNativeControlView(control);
    window = view != nullptr ? view->GetWindow() : nullptr;
    return window != nullptr;
}

} // namespace

void CNormalFocusHandler::ControlGainedFocus(HWND control, HWND)
{
    CView* view = nullptr;
    CABCWindow* window = nullptr;
    if (!FindControlView(control, view, window))
        return;
    window->SetRequestedFocusViewOnly(view);
    NotifyFocusGained(view);
    window->SetFocusViewOnly(view);
}

void CNormalFocusHandler::ControlLostFocus(HWND control)
{
    CView* view = nullptr;
    CABCWindow* window = nullptr;
    if (!FindControlView(control, view, window))
        return;
    CView* const lost = window->GetFocusView();
    window->DropFocus();
    if (lost != nullptr)
        NotifyFocusLost(lost);
}

void CNormalFocusHandler::WindowLostFocus(CABCWindow& window, HWND, std::intptr_t, std::uintptr_t)
{
    CView* const lost = window.GetFocusView();
    if (lost == nullptr)
        return;
    window.DropFocus();
    NotifyFocusLost(lost);
}

void CExplicitFocusChangeHandler::ControlGainedFocus(HWND control, HWND)
{
    CView* view = nullptr;
    CABCWindow* window = nullptr;
    if (FindControlView(control, view, window))
        NotifyFocusGained(view);
}

void CExplicitFocusChangeHandler::ControlLostFocus(HWND control)
{
    CView* view = nullptr;
    CABCWindow* window = nullptr;
    if (FindControlView(control, view, window))
        NotifyFocusLost(view);
}

IWinFocusHandler& GetNormalFocusHandler()
{
    static CNormalFocusHandler handler;
    return handler;
}

IWinFocusHandler& GetExplicitFocusChangeHandler()
{
    static CExplicitFocusChangeHandler handler;
    return handler;
}

CFocusHandlerGuard::CFocusHandlerGuard(CABCWindow& window, IWinFocusHandler& handler)
    : mWindow(window), mPrevious(window.GetFocusHandler())
{
    mWindow.SetFocusHandler(&handler);
}

CFocusHandlerGuard::~CFocusHandlerGuard()
{
    mWindow.SetFocusHandler(mPrevious);
}

std::vector<CView*> GetFocusParticipants(const CView* view)
{
    std::vector<CView*> participants;
    for (CView* enclosing : GetEnclosingViews(view)) {
        if (enclosing->IsEnabled() && dynamic_cast<IFocusParticipant*>(enclosing) != nullptr)
            participants.push_back(enclosing);
    }
    return participants;
}

void NotifyFocusGained(CView* view)
{
    if (view == nullptr)
        return;
    const std::vector<CView*> participants = GetFocusParticipants(view);
    for (auto participant = participants.rbegin(); participant != participants.rend(); ++participant)
        dynamic_cast<IFocusParticipant*>(*participant)->FocusGained();
    if (auto* target = dynamic_cast<IFocusTarget*>(view))
        target->FocusGained();
}

void NotifyFocusLost(CView* view)
{
    if (view == nullptr)
        return;
    const std::vector<CView*> participants = GetFocusParticipants(view);
    if (auto* target = dynamic_cast<IFocusTarget*>(view))
        target->FocusLost();
    for (CView* participant : participants)
        dynamic_cast<IFocusParticipant*>(participant)->FocusLost();
}

void NotifyControlGainedFocus(HWND control, HWND other)
{
    CView* view = nullptr;
    CABCWindow* window = nullptr;
    if (FindControlView(control, view, window) && window->GetKind() != CABCWindow::kKindFrame &&
        window->GetFocusHandler() != nullptr)
        window->GetFocusHandler()->ControlGainedFocus(control, other);
}

void NotifyControlLostFocus(HWND control)
{
    CView* view = nullptr;
    CABCWindow* window = nullptr;
    if (FindControlView(control, view, window) && window->GetKind() != CABCWindow::kKindFrame &&
        window->GetFocusHandler() != nullptr)
        window->GetFocusHandler()->ControlLostFocus(control);
}

bool DispatchMouseWheel(CABCWindow& window, const CMouseEventRecord& event)
{
    if (!IsActiveWindow(&window))
        return false;
    std::vector<IMouseWheelInput*> chain;
    if (CView* focus = window.GetFocusView()) {
        if (auto* input = dynamic_cast<IMouseWheelInput*>(focus))
            chain.push_back(input);
        for (CView* participant : GetFocusParticipants(focus)) {
            if (auto* input = dynamic_cast<IMouseWheelInput*>(participant))
                chain.push_back(input);
        }
    }
    if (auto* input = dynamic_cast<IMouseWheelInput*>(&window))
        chain.push_back(input);
    for (IMouseWheelInput* member : chain) {
        if (member->HandleMouseWheel(event))
            return true;
    }
    return false;
}

void SimulateButtonClick(CView* view)
{
    if (view == nullptr || !view->IsEnabled())
        return;
    CABCWindow* const window = view->GetWindow();
    const CRect& frame = *view->GetFrame();
    const CPoint centre((frame.GetLeft() + frame.GetRight()) / 2, (frame.GetTop() + frame.GetBottom()) / 2);
    if (HWND control = GetNativeViewHandle(view)) {
        const auto x = static_cast<std::uint16_t>(centre.GetX() - frame.GetLeft());
        const auto y = static_cast<std::uint16_t>(centre.GetY() - frame.GetTop());
        const LPARAM position = static_cast<LPARAM>(static_cast<std::uint32_t>(x) | (static_cast<std::uint32_t>(y) << 16));
        GetWindowTable().SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, position);
        if (window != nullptr)
            window->UpdateNow();
        PauseMilliseconds(kSimulatedPressPauseMs);
        GetWindowTable().SendMessageA(control, WM_LBUTTONUP, MK_LBUTTON, position);
        return;
    }
    const CMouseEvent press(CMouseEvent::kPress, centre, static_cast<std::uint32_t>(GetTimeCounter()), CModifierKeys(),
                            true);
    CView::SendMouseDown(press, view);
    view->Invalidate();
    if (window != nullptr)
        window->UpdateNow();
    PauseMilliseconds(kSimulatedPressPauseMs);
    view->HandleMouseUp(CView::kMouseUpReleased);
    view->Invalidate();
    if (window != nullptr)
        window->UpdateNow();
}

std::vector<CView*> GetEnclosingViews(const CView* view)
{
    std::vector<CView*> enclosing;
    for (CView* parent = view != nullptr ? view->GetParent() : nullptr; parent != nullptr; parent = parent->GetParent())
        enclosing.push_back(parent);
    return enclosing;
}

bool PopUpMenuInView(CView& view, CMenu& menu, const CPoint& point, bool leftButton, std::uint16_t& index,
                     CMenu*& chosenMenu)
{
    return TrackPopup(menu, *view.GetWindow(), view.PointToScreen(point), leftButton, index, chosenMenu);
}

} // namespace NSTramvell
