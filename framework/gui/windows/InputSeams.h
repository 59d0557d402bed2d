#pragma once

// What the window procedure hands the input layer: keys, commands, menus, focus, help and the wheel;
// and what the window layer asks of the native-control glue (framework/views/controls).

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;
class CView;

void DispatchKeyMessage(HWND handle, std::uint32_t message, std::uintptr_t first, std::intptr_t second);
void DispatchCommandMessage(HWND handle, std::uintptr_t first, std::intptr_t second);
void PrepareMenuBarForDisplay();
void NotifyWindowFocus(CABCWindow& window, std::uint32_t message, std::uintptr_t first, std::intptr_t second);
// True when the window handled the wheel.
bool DispatchWheelMessage(CABCWindow& window, std::uintptr_t first, std::intptr_t second);
void HandleHelpMessage(CABCWindow* window, std::intptr_t second);
// The view of a registered native control; null for any other window.
CView* FindNativeControlView(HWND control);
// The registered control callback's answer, when the handle has one.
bool CallControlCallback(HWND control, std::uint32_t message, std::uintptr_t first, std::intptr_t second,
                         std::intptr_t& result);

} // namespace NSTramvell
