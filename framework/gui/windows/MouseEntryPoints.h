#pragma once

// Where the window procedure hands the primary mouse button to the framework: a press activates the
// native window and goes, as a mouse event with the current modifier keys, to its framework window;
// a release ends the tracking of a view.

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

// True when a view handled the press; false also when the native window is no framework window.
bool HandleButtonDown(HWND window, std::uint32_t keyState, std::int32_t x, std::int32_t y, std::uint32_t time);
bool HandleButtonDoubleClick(HWND window, std::uint32_t keyState, std::int32_t x, std::int32_t y,
                             std::uint32_t time);
void HandleButtonUp(HWND window, std::uint32_t keyState, std::int32_t x, std::int32_t y, std::uint32_t time);
void ResetButtonState();

} // namespace NSTramvell
