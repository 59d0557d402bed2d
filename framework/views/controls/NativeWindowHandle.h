#pragma once

// One native window handle as a value, and the two one-call functions through which native controls hand
// messages on to the window they belong to.

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CNativeWindowHandle
{
public:
    CNativeWindowHandle() = default;
    explicit CNativeWindowHandle(HWND handle) : mHandle(handle) {}
    HWND Get() const { return mHandle; }

private:
    HWND mHandle = nullptr;
};

// Sends the message and returns the window's answer.
std::intptr_t PassNativeWindowMessage(HWND window, std::uint32_t message, std::uintptr_t first, std::intptr_t second);
// Null when the window has no parent.
HWND GetNativeParentWindow(HWND window);

} // namespace NSTramvell
