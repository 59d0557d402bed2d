#pragma once

// A canvas over a 32-bit top-down bitmap of its own, so tests read back what was drawn.

#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace NSTramvellTest {

class CBitmapTestCanvas : public NSTramvell::CABCCanvas
{
public:
    // Filled with the background before the drawing state is attached.
    CBitmapTestCanvas(int width, int height, const NSTramvell::CColor& background = NSTramvell::kColorWhite);
    ~CBitmapTestCanvas() override;

    NSTramvell::CABCImage* GetTargetBitmap() override { return nullptr; }

    HDC GetDeviceContext() const noexcept { return mContext; }
    NSTramvell::CColor PixelAt(int x, int y) const;
    // The x (or y) positions of one row (or column) that hold the colour.
    std::vector<int> ColumnsInRow(int y, const NSTramvell::CColor& color) const;
    std::vector<int> RowsInColumn(int x, const NSTramvell::CColor& color) const;

private:
    int mWidth;
    int mHeight;
    HDC mContext = nullptr;
    HBITMAP mBitmap = nullptr;
    HGDIOBJ mPreviousBitmap = nullptr;
    const std::uint32_t* mPixels = nullptr;
    std::unique_ptr<NSTramvell::CCanvasDrawingState> mState;
};

std::vector<int> Range(int first, int last);

} // namespace NSTramvellTest
