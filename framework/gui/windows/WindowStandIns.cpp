// Stand-ins for what the window layer's later parts bring: the input layer's dispatch and the
// native-control registry.

#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {

void DispatchKeyMessage(HWND, std::uint32_t, std::uintptr_t, std::intptr_t) {}
void DispatchCommandMessage(HWND, std::uintptr_t, std::intptr_t) {}
void PrepareMenuBarForDisplay() {}
void NotifyWindowFocus(CABCWindow&, std::uint32_t, std::uintptr_t, std::intptr_t) {}
bool DispatchWheelMessage(CABCWindow&, std::uintptr_t, std::intptr_t) { return false; }
void HandleHelpMessage(CABCWindow*, std::intptr_t) {}
bool CallControlCallback(HWND, std::uint32_t, std::uintptr_t, std::intptr_t, std::intptr_t&) { return false; }

} // namespace NSTramvell
