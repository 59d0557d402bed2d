#pragma once

// The pixel loops of the image toolkit, over 32-bit pixel memory (and 1-bit masks). The bitmap classes
// open the accesses and hand their memory in; these loops check no sizes beyond ClipBlitRects, so the
// rectangles of the unclipped ones must lie inside both pictures.

#include "framework/gui/geometry/Rect.h"
#include "framework/gui/images/PixelRows.h"

#include <cstdint>

namespace NSTramvell {

// The bottom-left pixel: the first of the last row in memory.
std::uint32_t GetCornerRGB(const CPixelRows& picture);
// Every pixel not of the skip colour takes, per channel, the mean of itself and the tint, rounded down.
void TintPixels(const CPixelRows& picture, std::uint32_t skipRGB, std::uint32_t tintRGB);

// Clips a copy of width x height pixels from (srcX, srcY) of the source to (dstX, dstY) of the
// destination against both pictures; false when nothing is left. sourceRect and destinationRect are the
// same pixels in each picture's coordinates.
bool ClipBlitRects(const CImageLayout& destination, std::int32_t dstX, std::int32_t dstY,
                   const CImageLayout& source, std::int32_t srcX, std::int32_t srcY, std::int32_t width,
                   std::int32_t height, CRect& sourceRect, CRect& destinationRect);

// Blends the source by its fourth byte. A destination with alpha of its own also gets the combined
// alpha; an opaque one keeps its fourth byte. Clipped.
void AlphaBlendPixels(const CPixelRows& destination, bool destinationHasAlpha, std::int32_t dstX,
                      std::int32_t dstY, const CPixelRows& source, std::int32_t srcX, std::int32_t srcY,
                      std::int32_t width, std::int32_t height);
// Adds the colour bytes, saturating at 255. Clipped.
void AddPixels(const CPixelRows& destination, std::int32_t dstX, std::int32_t dstY, const CPixelRows& source,
               std::int32_t srcX, std::int32_t srcY, std::int32_t width, std::int32_t height);
// Over the destination's size: each colour byte becomes first x second / 255, rounded.
void MultiplyPixels(const CPixelRows& destination, const CPixelRows& first, const CPixelRows& second);

// Pixels of the old colour become the new one with a fourth byte of 0.
void ReplacePixelColor(const CPixelRows& picture, std::uint32_t newRGB, std::uint32_t oldRGB);
// Marks in the 1-bit mask every pixel of the colour (bit set) and blackens it in the picture; clears
// the bit of every other pixel.
void MarkColorInMask(const CPixelRows& picture, const CPixelRows& mask, std::uint32_t rgb);
// Sets mask bit (rx, ry) where source pixel (x + rx, y + ry) has the colour, for the rectangle's size;
// the source stays as it is.
void MakeMaskPixels(const CPixelRows& source, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, std::uint32_t rgb, const CPixelRows& mask);

void FillPixelBytes(const CPixelRows& picture, std::uint8_t value);
// Takes red, green, blue triples, one per pixel, row by row from the top; fourth bytes stay.
void SetPixelsFromRGBBytes(const CPixelRows& picture, const std::uint8_t* triples);
void CopyPixels32(const CPixelRows& source, std::int32_t srcX, std::int32_t srcY, const CPixelRows& destination,
                  std::int32_t dstX, std::int32_t dstY, std::int32_t width, std::int32_t height);
// A quarter turn counter-clockwise: source (srcX + c, srcY + r) lands on (dstX + r, dstY + width - 1 - c).
void RotatePixels32(const CPixelRows& source, std::int32_t srcX, std::int32_t srcY, const CPixelRows& destination,
                    std::int32_t dstX, std::int32_t dstY, std::int32_t width, std::int32_t height);

// The byte-wise inversions of the toolkit, over each row's pixels (not its padding).
void InvertPixelBytes(const CPixelRows& picture);
void SwapBlackAndWhite8(const CPixelRows& picture);
void SetAlphaBytes(const CPixelRows& picture, std::uint8_t alpha);

} // namespace NSTramvell
