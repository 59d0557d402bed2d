#pragma once

// A window's native tool-tip control and its tools: one rectangle tool per view that has a tip, and a
// handle tool beside it for a view that is a native control (which gets the mouse messages itself).

#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <string>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

// Made switched on; null when the platform cannot make one.
HWND CreateToolTipControl(HWND owner);
void SetToolTipsActive(HWND control, bool active);
// Each throws XBase when the control refuses the tool.
void AddRectangleTool(HWND control, HWND owner, std::uint32_t id, const CRect& rect, const std::string& text);
void AddHandleTool(HWND control, HWND owner, HWND tool, const std::string& text);
void SetToolRect(HWND control, HWND owner, std::uint32_t id, const CRect& rect);
void RemoveRectangleTool(HWND control, HWND owner, std::uint32_t id);
void RemoveHandleTool(HWND control, HWND owner, HWND tool);
// Hands one mouse message of window to the control, a press followed by its release.
void RelayMouseToToolTipControl(HWND control, HWND window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam);

} // namespace NSTramvell
