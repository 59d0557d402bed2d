#include "framework/views/scrolling/ScrollWindowContents.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"

namespace NSTramvell {

void ScrollWindowContents(HWND window, std::int32_t dx, std::int32_t dy, const CRect& area)
{
    const RECT native = ToNative(area);
    // The area both moves and clips; the platform invalidates the strip the move uncovers.
    GetWindowTable().ScrollWindowEx(window, dx, dy, &native, &native, nullptr, nullptr, SW_INVALIDATE);
}

} // namespace NSTramvell
