#pragma once

// Pixel memory seen through a bitmap's layout while an access to it is open: borrowed from the bitmap,
// valid no longer than that access. Colours travel as 0x00RRGGBB words; 32-bit pixels are stored blue,
// green, red, fourth byte.

#include "framework/gui/images/Image.h"

#include <cstdint>

namespace NSTramvell {

struct CPixelRows
{
    std::uint8_t* pixels = nullptr;
    CImageLayout layout;

    std::uint8_t* GetRow(std::int32_t y) const { return pixels + static_cast<std::int64_t>(y) * layout.bytesPerRow; }
    std::uint8_t* GetPixel32(std::int32_t x, std::int32_t y) const { return GetRow(y) + 4 * x; }
};

constexpr std::uint32_t MakeRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
}
constexpr std::uint8_t GetRedOf(std::uint32_t rgb) { return static_cast<std::uint8_t>(rgb >> 16); }
constexpr std::uint8_t GetGreenOf(std::uint32_t rgb) { return static_cast<std::uint8_t>(rgb >> 8); }
constexpr std::uint8_t GetBlueOf(std::uint32_t rgb) { return static_cast<std::uint8_t>(rgb); }

// The colour of a 32-bit pixel, its fourth byte left out.
inline std::uint32_t GetPixelRGB(const std::uint8_t* pixel) { return MakeRGB(pixel[2], pixel[1], pixel[0]); }

// One-bit rows: the leftmost pixel is the most significant bit of a byte.
inline bool GetMaskBit(const std::uint8_t* row, std::int32_t x) { return (row[x / 8] & (0x80 >> (x % 8))) != 0; }
inline void SetMaskBit(std::uint8_t* row, std::int32_t x, bool set)
{
    const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    row[x / 8] = static_cast<std::uint8_t>(set ? row[x / 8] | bit : row[x / 8] & ~bit);
}

} // namespace NSTramvell
