#include "framework/views/groups/PlatformEdge.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"

namespace NSTramvell {

void DrawPlatformEdge(CABCCanvas& canvas, const CRect& rect, std::uint32_t style, std::uint32_t sides)
{
    CCanvasDrawingState* state = canvas.GetContext();
    if (state == nullptr)
        throw XOutOfMemory();
    RECT native = ToNative(rect);
    GetWindowTable().DrawEdge(state->GetHandle(), &native, style, sides);
}

} // namespace NSTramvell
