// Stand-ins for what the window layer's later parts bring: the native-control registry.

#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {

CView* FindNativeControlView(HWND) { return nullptr; }
bool CallControlCallback(HWND, std::uint32_t, std::uintptr_t, std::intptr_t, std::intptr_t&) { return false; }

} // namespace NSTramvell
