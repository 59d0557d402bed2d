#pragma once

// One frame of a bitmap sequence as the sequence views draw it: the sequence's bitmap placed so that the
// frame lands at the given point, clipped to the frame.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

class CABCBitmapSequence;
class CABCCanvas;

// (0, 0, width, height) of one frame, for the size of the sequence's bitmap.
CRect GetSequenceFrameSize(const CABCBitmapSequence& sequence);
void DrawSequenceFrame(CABCCanvas& canvas, const CABCBitmapSequence& sequence, const CPoint& topLeft,
                       std::uint16_t index);

} // namespace NSTramvell
