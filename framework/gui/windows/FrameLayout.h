#pragma once

// The frame window's client area in frame mode: the tool bar across the top, the status bar across the
// bottom and the MDI client between them. Both bar heights start at 0. Document mode, the only mode
// this program runs, has no frame: there the layout moves nothing.

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;

// What the layout places; any of them may be missing.
struct CFrameClientParts
{
    HWND mdiClient = nullptr;
    CABCWindow* toolBar = nullptr;
    CABCWindow* statusBar = nullptr;
};

std::int32_t GetFrameToolbarHeight();
std::int32_t GetFrameStatusBarHeight();
// A changed height lays the application's client out again at the frame's current client size.
void SetFrameToolbarHeight(std::int32_t height);
void SetFrameStatusBarHeight(std::int32_t height);

// The application's parts (its MDI client and its bar windows) in a client of the given size.
void LayOutFrameClient(std::int32_t width, std::int32_t height);
// Each bar then fits its root view to its new client area.
void LayOutFrameClient(const CFrameClientParts& parts, std::int32_t width, std::int32_t height);

} // namespace NSTramvell
