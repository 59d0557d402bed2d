#pragma once

// Pixel-row conversions between the layouts an image library decodes and the framework's bitmap
// formats. Each converts n pixels from the left of one row; the scan-line writers and the BMP writer
// call them with rows of the target's or source's own memory.

#include <cstdint>
#include <vector>

namespace NSTramvell {

enum class ESourceLayout
{
    kRGB,    // 3 bytes: red, green, blue
    kBGR,    // 3 bytes: blue, green, red, as BMP data stores them
    kRGBX    // 4 bytes: red, green, blue, fourth byte
};

// The index of the nearest of the 256 palette colours (0x00RRGGBB) by the sum of the channel distances;
// of equal distances the lowest index.
void ConvertRowToIndex8(std::uint8_t* target, std::int32_t count, const std::uint8_t* source,
                        ESourceLayout layout, const std::uint32_t* paletteRGB);
// 0RRRRRGGGGGBBBBB words, little-endian.
void ConvertRowTo16(std::uint8_t* target, std::int32_t count, const std::uint8_t* source, ESourceLayout layout);
// Blue, green, red and a fourth byte: 0, or with keepAlpha 255 (or the source's fourth byte for kRGBX).
void ConvertRowTo32(std::uint8_t* target, std::int32_t count, const std::uint8_t* source, ESourceLayout layout,
                    bool keepAlpha);

// The 16-bit conversion with error diffusion: each channel carries the two bits that the 5-bit value drops
// on to the next pixel and down to the same column of the next row converted. Each object keeps its own
// error row, so any number can be in use at once and any width works.
class CErrorDiffusion16
{
public:
    // Clears the error row for pictures of this width and the carried error.
    void Reset(std::int32_t width);
    void ConvertRow(std::uint8_t* target, std::int32_t count, const std::uint8_t* source, ESourceLayout layout);

private:
    std::vector<std::uint8_t> mErrorRow;   // blue, green, red per column
    std::uint8_t mCarried[3] = {};         // blue, green, red
};

// A row of the framework's bitmap memory at depth 8 (through the palette), 16, 24 or 32 into BMP data:
// blue, green, red per pixel. False for another depth.
bool ConvertRowToBGR(std::uint8_t* target, std::int32_t count, const std::uint8_t* source,
                     std::int32_t bitsPerPixel, const std::uint32_t* paletteRGB);

} // namespace NSTramvell
