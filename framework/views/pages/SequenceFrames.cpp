#include "framework/views/pages/SequenceFrames.h"

#include "framework/gui/images/BitmapSequence.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/images/BitmapDrawing.h"

namespace NSTramvell {
namespace {

CRect GetFrameInBitmap(const CABCBitmapSequence& sequence, std::uint16_t index)
{
    const CPoint bitmapSize = GetBitmapSize(sequence.GetKey());
    CRect frame;
    sequence.GetFrameRect(frame, bitmapSize.GetX(), bitmapSize.GetY(), index);
    return frame;
}

} // namespace

CRect GetSequenceFrameSize(const CABCBitmapSequence& sequence)
{
    const CRect frame = GetFrameInBitmap(sequence, 0);
    return CRect(0, 0, frame.GetWidth(), frame.GetHeight());
}

void DrawSequenceFrame(CABCCanvas& canvas, const CABCBitmapSequence& sequence, const CPoint& topLeft,
                       std::uint16_t index)
{
    const CRect frame = GetFrameInBitmap(sequence, index);
    const CRect target(topLeft.GetX(), topLeft.GetY(), topLeft.GetX() + frame.GetWidth(),
                       topLeft.GetY() + frame.GetHeight());
    const CClipGuard clip(&canvas, target);
    if (clip.IsEmpty())
        return;
    DrawBitmap(canvas, topLeft.GetX() - frame.GetLeft(), topLeft.GetY() - frame.GetTop(),
                              sequence.GetKey());
}

} // namespace NSTramvell
