#pragma once

// Uncompressed 24-bit BMP data: the 14-byte file header and at least the 40-byte info header, then rows
// of blue, green, red padded to four bytes, the bottom row first. The reader refuses anything else before
// it hands on a single row, so a receiver never sees half a picture.

#include "framework/gui/images/PixelRows.h"

#include <cstdint>

namespace NSTramvell {

class CMedia;

inline constexpr std::int32_t kBMPFileHeaderSizeInBytes = 14;
inline constexpr std::int32_t kBMPInfoHeaderSizeInBytes = 40;
inline constexpr std::int32_t kBMPHeaderSizeInBytes = kBMPFileHeaderSizeInBytes + kBMPInfoHeaderSizeInBytes;

struct CBMPHeader
{
    char type[2] = {'B', 'M'};
    std::uint32_t fileSize = 0;
    std::uint32_t reserved = 0;
    std::uint32_t dataOffset = kBMPHeaderSizeInBytes;
    std::uint32_t infoHeaderSize = kBMPInfoHeaderSizeInBytes;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t horizontalPixelsPerMetre = 1000;
    std::uint32_t verticalPixelsPerMetre = 1000;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
};

CBMPHeader DecodeBMPHeader(const std::uint8_t* bytes);
void EncodeBMPHeader(const CBMPHeader& header, std::uint8_t* bytes);
// Width x 3 bytes, padded to a multiple of four.
std::int64_t GetBMPRowSizeInBytes(std::int64_t width);

// Throws XBadFormat for a damaged header (type, sizes, offsets, data past mediaSizeInBytes) and
// XUnsupportedFormat for a sound one the reader does not handle (other depths or compressions,
// rows stored top row first).
void CheckBMPHeader(const CBMPHeader& header, std::int64_t mediaSizeInBytes);

// What the reader feeds: the picture's size once, then each row once, the bottom row first.
class IBMPRowReceiver
{
public:
    virtual void BeginPicture(std::int32_t width, std::int32_t height) = 0;
    virtual void ReceiveBGRRow(std::int32_t row, std::int32_t width, const std::uint8_t* bytes) = 0;

protected:
    ~IBMPRowReceiver() = default;
};

// Reads a picture from the media's current position; the data offset counts from the media's start.
void ReadBMP(CMedia& media, IBMPRowReceiver& receiver);
// Writes the picture (depth 8, 16, 24 or 32; an 8-bit one through its 256-entry palette of 0x00RRGGBB
// colours) at the media's current position. Another depth throws XUnsupportedFormat before a byte is
// written.
void WriteBMP(CMedia& media, const CPixelRows& picture, const std::uint32_t* paletteRGB);

} // namespace NSTramvell
