#pragma once

// A canvas drawing into a framework bitmap through the bitmap's own context, answering the bitmap as
// its target, as an offscreen canvas does.

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/images/Bitmap.h"

#include <memory>

namespace NSTramvellTest {

class CBitmapCanvas : public NSTramvell::CABCCanvas
{
public:
    explicit CBitmapCanvas(NSTramvell::COSBitmap& target, bool answersTarget = true)
        : mTarget(target), mAnswersTarget(answersTarget),
          mState(std::make_unique<NSTramvell::CCanvasDrawingState>(target.GetNativeBitmap().GetContext()))
    {
        AttachContext(mState.get());
    }
    ~CBitmapCanvas() override { AttachContext(nullptr); }

    NSTramvell::CABCImage* GetTargetBitmap() override { return mAnswersTarget ? &mTarget : nullptr; }

private:
    NSTramvell::COSBitmap& mTarget;   // borrowed: outlives the canvas
    bool mAnswersTarget;
    std::unique_ptr<NSTramvell::CCanvasDrawingState> mState;
};

} // namespace NSTramvellTest
