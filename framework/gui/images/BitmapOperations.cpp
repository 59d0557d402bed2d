#include "framework/gui/images/BitmapOperations.h"

#include "framework/gui/images/OffscreenCanvas.h"

#include "framework/gui/images/ImageOperations.h"

namespace NSTramvell {
namespace {

std::uint32_t ToRGB(const CColor& color)
{
    return MakeRGB(color.GetRed(), color.GetGreen(), color.GetBlue());
}

} // namespace

void GetCornerColor(CColor& color, CBitmap32& bitmap)
{
    CPixelReadAccess access(bitmap);
    const std::uint32_t rgb = GetCornerRGB(access.GetRows());
    color = CColor(GetRedOf(rgb), GetGreenOf(rgb), GetBlueOf(rgb));
}

void TintImage(CBitmap32& bitmap, const CColor& skip, const CColor& tint)
{
    CPixelWriteAccess access(bitmap);
    TintPixels(access.GetRows(), ToRGB(skip), ToRGB(tint));
}

void AlphaBlend(CBitmap32& destination, std::int32_t dstX, std::int32_t dstY, CBitmap32& source, std::int32_t srcX,
                std::int32_t srcY, std::int32_t width, std::int32_t height)
{
    CPixelWriteAccess to(destination);
    CPixelReadAccess from(source);
    AlphaBlendPixels(to.GetRows(), dynamic_cast<CAlphaBitmap32*>(&destination) != nullptr, dstX, dstY,
                     from.GetRows(), srcX, srcY, width, height);
}

void AddImages(CBitmap32& destination, std::int32_t dstX, std::int32_t dstY, CBitmap32& source, std::int32_t srcX,
               std::int32_t srcY, std::int32_t width, std::int32_t height)
{
    CPixelWriteAccess to(destination);
    CPixelReadAccess from(source);
    AddPixels(to.GetRows(), dstX, dstY, from.GetRows(), srcX, srcY, width, height);
}

void MultiplyImages(CBitmap32& destination, CBitmap32& first, CBitmap32& second)
{
    CPixelWriteAccess to(destination);
    CPixelReadAccess a(first);
    CPixelReadAccess b(second);
    MultiplyPixels(to.GetRows(), a.GetRows(), b.GetRows());
}

void ReplaceColor(CBitmap32& bitmap, const CColor& newColor, const CColor& oldColor)
{
    CPixelWriteAccess access(bitmap);
    ReplacePixelColor(access.GetRows(), ToRGB(newColor), ToRGB(oldColor));
}

void ReplaceCornerColor(CBitmap32& bitmap, const CColor& newColor)
{
    CColor corner;
    GetCornerColor(corner, bitmap);
    ReplaceColor(bitmap, newColor, corner);
}

std::unique_ptr<CBitmap1> MakeMaskFromColor(CBitmap32& source, std::int32_t x, std::int32_t y, std::int32_t width,
                                            std::int32_t height, const CColor& color)
{
    auto mask = std::make_unique<CBitmap1>(source.GetLayout().width, source.GetLayout().height);
    CPixelWriteAccess to(*mask);
    CPixelReadAccess from(source);
    MakeMaskPixels(from.GetRows(), x, y, width, height, ToRGB(color), to.GetRows());
    return mask;
}

void FillBytes(COSBitmap& bitmap, std::uint8_t value)
{
    CPixelWriteAccess access(bitmap);
    FillPixelBytes(access.GetRows(), value);
}

void SetPixelsFromRGB(CBitmap32& bitmap, const std::uint8_t* triples)
{
    CPixelWriteAccess access(bitmap);
    SetPixelsFromRGBBytes(access.GetRows(), triples);
}

void Copy32(CBitmap32& source, std::int32_t srcX, std::int32_t srcY, CBitmap32& destination, std::int32_t dstX,
            std::int32_t dstY, std::int32_t width, std::int32_t height)
{
    CPixelReadAccess from(source);
    CPixelWriteAccess to(destination);
    CopyPixels32(from.GetRows(), srcX, srcY, to.GetRows(), dstX, dstY, width, height);
}

std::unique_ptr<CBitmap32> CopyRectToNewBitmap32(CBitmap32& source, const CRect& rect)
{
    auto copy = std::make_unique<CBitmap32>(rect.GetWidth(), rect.GetHeight());
    Copy32(source, rect.GetLeft(), rect.GetTop(), *copy, 0, 0, rect.GetWidth(), rect.GetHeight());
    return copy;
}

void Rotate32(CBitmap32& source, std::int32_t srcX, std::int32_t srcY, CBitmap32& destination, std::int32_t dstX,
              std::int32_t dstY, std::int32_t width, std::int32_t height)
{
    CPixelReadAccess from(source);
    CPixelWriteAccess to(destination);
    RotatePixels32(from.GetRows(), srcX, srcY, to.GetRows(), dstX, dstY, width, height);
}

std::unique_ptr<CAlphaBitmap32> RotatedAlphaCopy(CBitmap32& source)
{
    const CImageLayout& layout = source.GetLayout();
    auto rotated = std::make_unique<CAlphaBitmap32>(layout.height, layout.width);
    Rotate32(source, 0, 0, *rotated, 0, 0, layout.width, layout.height);
    return rotated;
}

std::unique_ptr<CMaskedBitmap> MakeMaskedCopy(CBitmap32& source)
{
    const CImageLayout& layout = source.GetLayout();
    auto masked = std::make_unique<CMaskedBitmap>(layout.width, layout.height);
    Copy32(source, 0, 0, *masked, 0, 0, layout.width, layout.height);
    CColor corner;
    GetCornerColor(corner, *masked);
    masked->SetMask(corner);
    return masked;
}

void ApplyToneCurve(CBitmap32& bitmap, const CToneCurve& curve)
{
    CPixelWriteAccess access(bitmap);
    const CPixelRows& rows = access.GetRows();
    for (std::int32_t y = 0; y < rows.layout.height; ++y) {
        std::uint8_t* pixel = rows.GetRow(y);
        for (std::int32_t x = 0; x < rows.layout.width; ++x, pixel += 4)
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = curve[pixel[channel]];
    }
}

std::unique_ptr<CBitmap32> ConvertToBitmap32(CABCImage& image)
{
    CImageLayout layout;
    image.GetLayout(layout);
    auto converted = std::make_unique<CBitmap32>(layout.width, layout.height);
    {
        COffscreenCanvas canvas(*converted);
        DrawImageAt(canvas, image, CPoint(0, 0));
    }
    return converted;
}

} // namespace NSTramvell
