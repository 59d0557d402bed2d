#include "framework/gui/images/ImageOperations.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace NSTramvell {
namespace {

constexpr float kByteToUnit = 1.0f / 255.0f;

// Rounds to the nearest integer, halves to even (the default rounding mode).
std::int32_t RoundToInt(float value)
{
    return static_cast<std::int32_t>(std::lrintf(value));
}

std::uint8_t BlendByte(std::uint8_t destination, std::uint8_t source, float alpha)
{
    const std::int32_t step = RoundToInt((static_cast<float>(source) - static_cast<float>(destination)) * alpha);
    return static_cast<std::uint8_t>(destination + step);
}

bool HasColor(const std::uint8_t* pixel, std::uint32_t rgb)
{
    return GetPixelRGB(pixel) == rgb;
}

// Calls each(destinationPixel, sourcePixel) over the clipped rectangle.
template <typename TEach>
void ForEachClippedPixel(const CPixelRows& destination, std::int32_t dstX, std::int32_t dstY,
                         const CPixelRows& source, std::int32_t srcX, std::int32_t srcY, std::int32_t width,
                         std::int32_t height, TEach each)
{
    CRect sourceRect;
    CRect destinationRect;
    if (!ClipBlitRects(destination.layout, dstX, dstY, source.layout, srcX, srcY, width, height, sourceRect,
                       destinationRect))
        return;
    for (std::int32_t r = 0; r < sourceRect.GetHeight(); ++r) {
        std::uint8_t* to = destination.GetPixel32(destinationRect.GetLeft(), destinationRect.GetTop() + r);
        const std::uint8_t* from = source.GetPixel32(sourceRect.GetLeft(), sourceRect.GetTop() + r);
        for (std::int32_t c = 0; c < sourceRect.GetWidth(); ++c, to += 4, from += 4)
            each(to, from);
    }
}

} // namespace

std::uint32_t GetCornerRGB(const CPixelRows& picture)
{
    return GetPixelRGB(picture.GetRow(picture.layout.height - 1));
}

void TintPixels(const CPixelRows& picture, std::uint32_t skipRGB, std::uint32_t tintRGB)
{
    const std::uint8_t tint[3] = {GetBlueOf(tintRGB), GetGreenOf(tintRGB), GetRedOf(tintRGB)};
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* pixel = picture.GetRow(y);
        for (std::int32_t x = 0; x < picture.layout.width; ++x, pixel += 4) {
            if (HasColor(pixel, skipRGB))
                continue;
            for (int c = 0; c < 3; ++c)
                pixel[c] = static_cast<std::uint8_t>((pixel[c] + tint[c]) / 2);
        }
    }
}

bool ClipBlitRects(const CImageLayout& destination, std::int32_t dstX, std::int32_t dstY,
                   const CImageLayout& source, std::int32_t srcX, std::int32_t srcY, std::int32_t width,
                   std::int32_t height, CRect& sourceRect, CRect& destinationRect)
{
    CRect clipped(srcX, srcY, srcX + width, srcY + height);
    if (!clipped.Intersect(CRect(0, 0, source.width, source.height)))
        return false;
    clipped.Offset(dstX - srcX, dstY - srcY);
    if (!clipped.Intersect(CRect(0, 0, destination.width, destination.height)))
        return false;
    destinationRect = clipped;
    clipped.Offset(srcX - dstX, srcY - dstY);
    sourceRect = clipped;
    return true;
}

void AlphaBlendPixels(const CPixelRows& destination, bool destinationHasAlpha, std::int32_t dstX,
                      std::int32_t dstY, const CPixelRows& source, std::int32_t srcX, std::int32_t srcY,
                      std::int32_t width, std::int32_t height)
{
    ForEachClippedPixel(destination, dstX, dstY, source, srcX, srcY, width, height,
                        [destinationHasAlpha](std::uint8_t* to, const std::uint8_t* from) {
                            const std::uint8_t alpha8 = from[3];
                            if (alpha8 == 0)
                                return;
                            if (alpha8 == 255) {
                                std::memcpy(to, from, destinationHasAlpha ? 4 : 3);
                                return;
                            }
                            const float alpha = static_cast<float>(alpha8) * kByteToUnit;
                            for (int c = 0; c < 3; ++c)
                                to[c] = BlendByte(to[c], from[c], alpha);
                            if (destinationHasAlpha) {
                                const float old = static_cast<float>(to[3]) / 255.0f;
                                to[3] = static_cast<std::uint8_t>(RoundToInt((alpha + old - old * alpha) * 255.0f));
                            }
                        });
}

void AddPixels(const CPixelRows& destination, std::int32_t dstX, std::int32_t dstY, const CPixelRows& source,
               std::int32_t srcX, std::int32_t srcY, std::int32_t width, std::int32_t height)
{
    ForEachClippedPixel(destination, dstX, dstY, source, srcX, srcY, width, height,
                        [](std::uint8_t* to, const std::uint8_t* from) {
                            for (int c = 0; c < 3; ++c)
                                to[c] = static_cast<std::uint8_t>(std::min(255, to[c] + from[c]));
                        });
}

void MultiplyPixels(const CPixelRows& destination, const CPixelRows& first, const CPixelRows& second)
{
    for (std::int32_t y = 0; y < destination.layout.height; ++y) {
        std::uint8_t* to = destination.GetRow(y);
        const std::uint8_t* a = first.GetRow(y);
        const std::uint8_t* b = second.GetRow(y);
        for (std::int32_t x = 0; x < destination.layout.width; ++x, to += 4, a += 4, b += 4) {
            for (int c = 0; c < 3; ++c)
                to[c] = static_cast<std::uint8_t>(RoundToInt(static_cast<float>(a[c] * b[c]) * kByteToUnit));
        }
    }
}

void ReplacePixelColor(const CPixelRows& picture, std::uint32_t newRGB, std::uint32_t oldRGB)
{
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* pixel = picture.GetRow(y);
        for (std::int32_t x = 0; x < picture.layout.width; ++x, pixel += 4) {
            if (!HasColor(pixel, oldRGB))
                continue;
            pixel[0] = GetBlueOf(newRGB);
            pixel[1] = GetGreenOf(newRGB);
            pixel[2] = GetRedOf(newRGB);
            pixel[3] = 0;
        }
    }
}

void MarkColorInMask(const CPixelRows& picture, const CPixelRows& mask, std::uint32_t rgb)
{
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* pixel = picture.GetRow(y);
        std::uint8_t* maskRow = mask.GetRow(y);
        for (std::int32_t x = 0; x < picture.layout.width; ++x, pixel += 4) {
            const bool transparent = HasColor(pixel, rgb);
            SetMaskBit(maskRow, x, transparent);
            if (transparent)
                pixel[0] = pixel[1] = pixel[2] = 0;
        }
    }
}

void MakeMaskPixels(const CPixelRows& source, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, std::uint32_t rgb, const CPixelRows& mask)
{
    for (std::int32_t ry = 0; ry < height; ++ry) {
        std::uint8_t* maskRow = mask.GetRow(ry);
        std::memset(maskRow, 0, static_cast<std::size_t>(mask.layout.bytesPerRow));
        for (std::int32_t rx = 0; rx < width; ++rx)
            SetMaskBit(maskRow, rx, HasColor(source.GetPixel32(x + rx, y + ry), rgb));
    }
}

void FillPixelBytes(const CPixelRows& picture, std::uint8_t value)
{
    std::memset(picture.pixels, value,
                static_cast<std::size_t>(picture.layout.height) * static_cast<std::size_t>(picture.layout.bytesPerRow));
}

void SetPixelsFromRGBBytes(const CPixelRows& picture, const std::uint8_t* triples)
{
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* pixel = picture.GetRow(y);
        for (std::int32_t x = 0; x < picture.layout.width; ++x, pixel += 4, triples += 3) {
            pixel[0] = triples[2];
            pixel[1] = triples[1];
            pixel[2] = triples[0];
        }
    }
}

void CopyPixels32(const CPixelRows& source, std::int32_t srcX, std::int32_t srcY, const CPixelRows& destination,
                  std::int32_t dstX, std::int32_t dstY, std::int32_t width, std::int32_t height)
{
    for (std::int32_t r = 0; r < height; ++r)
        std::memcpy(destination.GetPixel32(dstX, dstY + r), source.GetPixel32(srcX, srcY + r),
                    4 * static_cast<std::size_t>(width));
}

void RotatePixels32(const CPixelRows& source, std::int32_t srcX, std::int32_t srcY, const CPixelRows& destination,
                    std::int32_t dstX, std::int32_t dstY, std::int32_t width, std::int32_t height)
{
    for (std::int32_t r = 0; r < height; ++r) {
        for (std::int32_t c = 0; c < width; ++c)
            std::memcpy(destination.GetPixel32(dstX + r, dstY + width - 1 - c), source.GetPixel32(srcX + c, srcY + r), 4);
    }
}

void InvertPixelBytes(const CPixelRows& picture)
{
    const std::int32_t count = picture.layout.width * picture.layout.bitsPerPixel / 8;
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* row = picture.GetRow(y);
        for (std::int32_t i = 0; i < count; ++i)
            row[i] = static_cast<std::uint8_t>(~row[i]);
    }
}

void SwapBlackAndWhite8(const CPixelRows& picture)
{
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* row = picture.GetRow(y);
        for (std::int32_t x = 0; x < picture.layout.width; ++x) {
            if (row[x] == 0)
                row[x] = 255;
            else if (row[x] == 255)
                row[x] = 0;
        }
    }
}

void SetAlphaBytes(const CPixelRows& picture, std::uint8_t alpha)
{
    for (std::int32_t y = 0; y < picture.layout.height; ++y) {
        std::uint8_t* pixel = picture.GetRow(y);
        for (std::int32_t x = 0; x < picture.layout.width; ++x, pixel += 4)
            pixel[3] = alpha;
    }
}

} // namespace NSTramvell
