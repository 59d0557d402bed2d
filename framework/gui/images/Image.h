#pragma once

// The framework's abstract picture, and the layout every bitmap reports: rows top first, each padded to
// a multiple of four bytes. Pictures are drawn onto canvases; who owns one is said where it is made.

#include <cstdint>

namespace NSTramvell {

class CABCCanvas;
class CPoint;

struct CImageLayout
{
    std::int32_t width = 0;
    std::int32_t height = 0;   // always positive: row 0 is the top row
    std::int32_t bytesPerRow = 0;
    std::int32_t bitsPerPixel = 0;
};

class CABCImage
{
public:
    virtual ~CABCImage();
    virtual void GetLayout(CImageLayout& layout) const = 0;
    // Copies the width x height pixels at (srcX, srcY) of the picture to (dstX, dstY) of the canvas.
    virtual void Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX,
                      std::int32_t srcY, std::int32_t width, std::int32_t height) = 0;
};

// The whole picture with its top-left corner at the point.
void DrawImageAt(CABCCanvas& canvas, CABCImage& image, const CPoint& at);

// Bytes of one row of width pixels at depth bits each, rounded up to whole bytes and then to a multiple
// of alignment. Computed in 64 bits: a width read from a file may be anything.
std::int64_t GetRowBytes(std::int64_t width, std::int32_t depth, std::int32_t alignment);

} // namespace NSTramvell
