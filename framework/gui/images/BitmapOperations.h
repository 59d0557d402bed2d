#pragma once

// The image toolkit on bitmaps: each opens the pixel accesses its loop needs (see ImageOperations.h for
// the loops and which of them clip). New bitmaps belong to the caller.

#include "framework/gui/drawing/ColorMixing.h"
#include "framework/gui/geometry/Rect.h"
#include "framework/gui/images/Bitmap.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

// The bottom-left pixel's colour.
void GetCornerColor(CColor& color, CBitmap32& bitmap);
void TintImage(CBitmap32& bitmap, const CColor& skip, const CColor& tint);
void AlphaBlend(CBitmap32& destination, std::int32_t dstX, std::int32_t dstY, CBitmap32& source, std::int32_t srcX,
                std::int32_t srcY, std::int32_t width, std::int32_t height);
void AddImages(CBitmap32& destination, std::int32_t dstX, std::int32_t dstY, CBitmap32& source, std::int32_t srcX,
               std::int32_t srcY, std::int32_t width, std::int32_t height);
void MultiplyImages(CBitmap32& destination, CBitmap32& first, CBitmap32& second);
void ReplaceColor(CBitmap32& bitmap, const CColor& newColor, const CColor& oldColor);
void ReplaceCornerColor(CBitmap32& bitmap, const CColor& newColor);
std::unique_ptr<CBitmap1> MakeMaskFromColor(CBitmap32& source, std::int32_t x, std::int32_t y, std::int32_t width,
                                            std::int32_t height, const CColor& color);
void FillBytes(COSBitmap& bitmap, std::uint8_t value);
void SetPixelsFromRGB(CBitmap32& bitmap, const std::uint8_t* triples);
void Copy32(CBitmap32& source, std::int32_t srcX, std::int32_t srcY, CBitmap32& destination, std::int32_t dstX,
            std::int32_t dstY, std::int32_t width, std::int32_t height);
std::unique_ptr<CBitmap32> CopyRectToNewBitmap32(CBitmap32& source, const CRect& rect);
void Rotate32(CBitmap32& source, std::int32_t srcX, std::int32_t srcY, CBitmap32& destination, std::int32_t dstX,
              std::int32_t dstY, std::int32_t width, std::int32_t height);
std::unique_ptr<CAlphaBitmap32> RotatedAlphaCopy(CBitmap32& source);
std::unique_ptr<CMaskedBitmap> MakeMaskedCopy(CBitmap32& source);
// Each colour byte of every pixel through the table; the fourth byte stays.
void ApplyToneCurve(CBitmap32& bitmap, const CToneCurve& curve);
// The picture drawn at (0, 0) of a new bitmap of its size, through an offscreen canvas.
std::unique_ptr<CBitmap32> ConvertToBitmap32(CABCImage& image);

} // namespace NSTramvell
