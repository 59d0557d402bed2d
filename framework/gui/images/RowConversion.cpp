#include "framework/gui/images/RowConversion.h"

#include "framework/gui/images/PixelRows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace NSTramvell {
namespace {

struct CSourcePixel
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t fourth;
};

std::int32_t GetSourceStride(ESourceLayout layout)
{
    return layout == ESourceLayout::kRGBX ? 4 : 3;
}

CSourcePixel ReadSourcePixel(const std::uint8_t* source, ESourceLayout layout)
{
    switch (layout) {
    case ESourceLayout::kBGR:
        return {source[2], source[1], source[0], 255};
    case ESourceLayout::kRGBX:
        return {source[0], source[1], source[2], source[3]};
    case ESourceLayout::kRGB:
        break;
    }
    return {source[0], source[1], source[2], 255};
}

void Write16(std::uint8_t* target, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const std::uint16_t word =
        static_cast<std::uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3));
    target[0] = static_cast<std::uint8_t>(word);
    target[1] = static_cast<std::uint8_t>(word >> 8);
}

std::uint8_t FindNearestIndex(const CSourcePixel& pixel, const std::uint32_t* paletteRGB)
{
    std::int32_t bestIndex = 0;
    std::int32_t bestDistance = 0x7FFFFFFF;
    for (std::int32_t i = 0; i < 256; ++i) {
        const std::int32_t distance = std::abs(pixel.red - GetRedOf(paletteRGB[i])) +
                                      std::abs(pixel.green - GetGreenOf(paletteRGB[i])) +
                                      std::abs(pixel.blue - GetBlueOf(paletteRGB[i]));
        if (distance < bestDistance) {
            bestDistance = distance;
            bestIndex = i;
        }
    }
    return static_cast<std::uint8_t>(bestIndex);
}

} // namespace

void ConvertRowToIndex8(std::uint8_t* target, std::int32_t count, const std::uint8_t* source,
                        ESourceLayout layout, const std::uint32_t* paletteRGB)
{
    const std::int32_t stride = GetSourceStride(layout);
    for (std::int32_t x = 0; x < count; ++x, source += stride)
        target[x] = FindNearestIndex(ReadSourcePixel(source, layout), paletteRGB);
}

void ConvertRowTo16(std::uint8_t* target, std::int32_t count, const std::uint8_t* source, ESourceLayout layout)
{
    const std::int32_t stride = GetSourceStride(layout);
    for (std::int32_t x = 0; x < count; ++x, source += stride, target += 2) {
        const CSourcePixel pixel = ReadSourcePixel(source, layout);
        Write16(target, pixel.red, pixel.green, pixel.blue);
    }
}

void ConvertRowTo32(std::uint8_t* target, std::int32_t count, const std::uint8_t* source, ESourceLayout layout,
                    bool keepAlpha)
{
    const std::int32_t stride = GetSourceStride(layout);
    for (std::int32_t x = 0; x < count; ++x, source += stride, target += 4) {
        const CSourcePixel pixel = ReadSourcePixel(source, layout);
        target[0] = pixel.blue;
        target[1] = pixel.green;
        target[2] = pixel.red;
        target[3] = keepAlpha ? pixel.fourth : 0;
    }
}

void CErrorDiffusion16::Reset(std::int32_t width)
{
    mErrorRow.assign(static_cast<std::size_t>(width) * 3, 0);
    std::memset(mCarried, 0, sizeof mCarried);
}

void CErrorDiffusion16::ConvertRow(std::uint8_t* target, std::int32_t count, const std::uint8_t* source,
                                   ESourceLayout layout)
{
    // A row wider than the picture Reset was told of would run off the error row.
    count = std::min<std::int32_t>(count, static_cast<std::int32_t>(mErrorRow.size() / 3));
    const std::int32_t stride = GetSourceStride(layout);
    std::uint8_t* error = mErrorRow.data();
    for (std::int32_t x = 0; x < count; ++x, source += stride, target += 2, error += 3) {
        const CSourcePixel pixel = ReadSourcePixel(source, layout);
        const std::uint8_t values[3] = {pixel.blue, pixel.green, pixel.red};
        std::uint8_t corrected[3];
        for (int c = 0; c < 3; ++c) {
            const std::int32_t v = std::min(255, values[c] + error[c] + mCarried[c]);
            const std::uint8_t dropped = static_cast<std::uint8_t>((v >> 1) & 3);
            mCarried[c] = dropped;
            error[c] = dropped;
            corrected[c] = static_cast<std::uint8_t>(v);
        }
        Write16(target, corrected[2], corrected[1], corrected[0]);
    }
}

bool ConvertRowToBGR(std::uint8_t* target, std::int32_t count, const std::uint8_t* source,
                     std::int32_t bitsPerPixel, const std::uint32_t* paletteRGB)
{
    switch (bitsPerPixel) {
    case 32:
        for (std::int32_t x = 0; x < count; ++x, source += 4, target += 3)
            std::memcpy(target, source, 3);
        return true;
    case 24:
        std::memcpy(target, source, 3 * static_cast<std::size_t>(count));
        return true;
    case 16:
        for (std::int32_t x = 0; x < count; ++x, source += 2, target += 3) {
            const std::uint16_t word = static_cast<std::uint16_t>(source[0] | source[1] << 8);
            target[0] = static_cast<std::uint8_t>((word & 0x1F) << 3);
            target[1] = static_cast<std::uint8_t>(((word >> 5) & 0x1F) << 3);
            target[2] = static_cast<std::uint8_t>(((word >> 10) & 0x1F) << 3);
        }
        return true;
    case 8:
        for (std::int32_t x = 0; x < count; ++x, target += 3) {
            const std::uint32_t rgb = paletteRGB[source[x]];
            target[0] = GetBlueOf(rgb);
            target[1] = GetGreenOf(rgb);
            target[2] = GetRedOf(rgb);
        }
        return true;
    default:
        return false;
    }
}

} // namespace NSTramvell
