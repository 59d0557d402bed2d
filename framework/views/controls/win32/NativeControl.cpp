#include "framework/views/controls/NativeControl.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/ToolTips.h"
#include "framework/gui/views/View.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeWindowHandle.h"

#include <string>
#include <utility>

namespace NSWinControlUtils {

namespace {

bool IsArrowOrPagingKey(std::uintptr_t virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        return true;
    default:
        return false;
    }
}

bool TakesKey(EControlKeys keys, std::uintptr_t virtualKey)
{
    switch (keys) {
    case EControlKeys::kAll:
        return true;
    case EControlKeys::kSpace:
    case EControlKeys::kSpaceWhileShown:
        return virtualKey == VK_SPACE;
    case EControlKeys::kUpAndDown:
        return virtualKey == VK_UP || virtualKey == VK_DOWN;
    case EControlKeys::kArrowsAndPaging:
        return IsArrowOrPagingKey(virtualKey);
    }
    return false;
}

} // namespace

CNativeControl::CNativeControl(NSTramvell::CView& view, EControlKeys keys, ControlRectOf controlRectOf)
    : mView(view), mKeys(keys), mControlRectOf(std::move(controlRectOf))
{
}

CNativeControl::~CNativeControl()
{
    Discard();
}

void CNativeControl::Create(IWinControlCallback* callback, std::uint32_t style, std::int32_t kind, const char* title)
{
    Attach(CreateNativeControl(*mView.GetWindow(), 0, style, kind, title, GetControlRect()), callback);
}

void CNativeControl::Attach(HWND handle, IWinControlCallback* callback)
{
    if (callback != nullptr) {
        try {
            mLink = std::make_unique<CNativeControlLink>(handle, callback);
        } catch (...) {
            DestroyNativeControl(handle);   // nothing when the link destroyed it already
            throw;
        }
    }
    mHandle = handle;
}

void CNativeControl::Destroy()
{
    if (mHandle == nullptr)
        return;
    // A view whose implementation object is already going reads no handle any more, and would take only
    // its tool tip's rectangle tool away: the tool kept by the control's handle goes here, while it is known.
    if (const NSTramvell::CABCWindow* window = mView.GetWindow(); window != nullptr && window->GetToolTipControl())
        NSTramvell::RemoveHandleTool(window->GetToolTipControl(), window->GetWindowHandle(), mHandle);
    mView.SetToolTipText(std::string());
    Discard();
}

void CNativeControl::Discard()
{
    DestroyNativeControl(mHandle);
    mHandle = nullptr;
    mLink.reset();
}

void CNativeControl::FollowEnabled()
{
    if (SyncNativeEnabled(mHandle, mView.IsEnabled()))
        mView.Invalidate();
}

void CNativeControl::FollowFrame(const NSTramvell::CRect& oldFrame, const NSTramvell::CRect& newFrame)
{
    Place();
    mView.InvalidateOldAndNew(oldFrame, newFrame);
}

void CNativeControl::Place()
{
    PlaceNativeControl(mHandle, GetControlRect());
}

NSTramvell::CRect CNativeControl::GetControlRect() const
{
    const NSTramvell::CRect& frame = *mView.GetFrame();
    return mControlRectOf ? mControlRectOf(frame) : frame;
}

std::intptr_t CNativeControl::HandleMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    switch (message) {
    case WM_SETFOCUS:
        NotifyNativeFocusGained(mHandle, message, first, second);
        break;
    case WM_KILLFOCUS:
        NotifyNativeFocusLost(mHandle);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (!TakesKey(mKeys, first))
            return PassToWindow(message, first, second);
        if (mKeys == EControlKeys::kSpaceWhileShown && !IsVisibleInWindow(mView))
            return 0;
        break;
    default:
        break;
    }
    return PassToControl(message, first, second);
}

std::intptr_t CNativeControl::PassToControl(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return mLink->HandleMessage(message, first, second);
}

std::intptr_t CNativeControl::PassToWindow(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return NSTramvell::PassNativeWindowMessage(NSTramvell::GetNativeParentWindow(mHandle), message, first, second);
}

} // namespace NSWinControlUtils
