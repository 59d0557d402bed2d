#pragma once

// What the framework-dialog tests share: the window classes, registered once per test program, and where
// a native control stands in its parent's client area.

#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/geometry/Rect.h"

namespace NSFrameworkDialogsTest {

inline void RegisterClassesOnce()
{
    static const bool registered = [] {
        NSTramvell::RegisterWindowClasses(::GetModuleHandleA(nullptr));
        return true;
    }();
    (void)registered;
}

inline NSTramvell::CRect GetRectInParent(HWND control)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return NSTramvell::CRect(rect.left, rect.top, rect.right, rect.bottom);
}

} // namespace NSFrameworkDialogsTest
