#include "framework/gui/drawing/tests/TestCanvas.h"

#include <stdexcept>

namespace NSTramvellTest {

CBitmapTestCanvas::CBitmapTestCanvas(int width, int height, const NSTramvell::CColor& background)
    : mWidth(width)
    , mHeight(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    mContext = ::CreateCompatibleDC(nullptr);
    mBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (mContext == nullptr || mBitmap == nullptr)
        throw std::runtime_error("no test bitmap");
    mPixels = static_cast<const std::uint32_t*>(bits);
    mPreviousBitmap = ::SelectObject(mContext, mBitmap);
    const RECT all{0, 0, width, height};
    HBRUSH fill = ::CreateSolidBrush(RGB(background.GetRed(), background.GetGreen(), background.GetBlue()));
    ::FillRect(mContext, &all, fill);
    ::DeleteObject(fill);
    mState = std::make_unique<NSTramvell::CCanvasDrawingState>(mContext);
    AttachContext(mState.get());
}

CBitmapTestCanvas::~CBitmapTestCanvas()
{
    AttachContext(nullptr);
    mState.reset();
    ::SelectObject(mContext, mPreviousBitmap);
    ::DeleteObject(mBitmap);
    ::DeleteDC(mContext);
}

NSTramvell::CColor CBitmapTestCanvas::PixelAt(int x, int y) const
{
    ::GdiFlush();
    const std::uint32_t pixel = mPixels[y * mWidth + x];   // blue in the low byte
    return NSTramvell::CColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                              static_cast<std::uint8_t>(pixel));
}

std::vector<int> CBitmapTestCanvas::ColumnsInRow(int y, const NSTramvell::CColor& color) const
{
    std::vector<int> found;
    for (int x = 0; x < mWidth; ++x) {
        if (PixelAt(x, y) == color)
            found.push_back(x);
    }
    return found;
}

std::vector<int> CBitmapTestCanvas::RowsInColumn(int x, const NSTramvell::CColor& color) const
{
    std::vector<int> found;
    for (int y = 0; y < mHeight; ++y) {
        if (PixelAt(x, y) == color)
            found.push_back(y);
    }
    return found;
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> values;
    for (int i = first; i <= last; ++i)
        values.push_back(i);
    return values;
}

} // namespace NSTramvellTest
