#include "framework/gui/images/BMPFormat.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/gui/images/RowConversion.h"

#include <vector>

namespace NSTramvell {
namespace {

constexpr std::int32_t kFileSizeOffset = 2;
constexpr std::int32_t kReservedOffset = 6;
constexpr std::int32_t kDataOffsetOffset = 10;
constexpr std::int32_t kInfoHeaderSizeOffset = 14;
constexpr std::int32_t kWidthOffset = 18;
constexpr std::int32_t kHeightOffset = 22;
constexpr std::int32_t kPlanesOffset = 26;
constexpr std::int32_t kBitCountOffset = 28;
constexpr std::int32_t kCompressionOffset = 30;
constexpr std::int32_t kImageSizeOffset = 34;
constexpr std::int32_t kHorizontalResolutionOffset = 38;
constexpr std::int32_t kVerticalResolutionOffset = 42;
constexpr std::int32_t kColorsUsedOffset = 46;
constexpr std::int32_t kColorsImportantOffset = 50;

} // namespace

CBMPHeader DecodeBMPHeader(const std::uint8_t* bytes)
{
    CBMPHeader header;
    header.type[0] = static_cast<char>(bytes[0]);
    header.type[1] = static_cast<char>(bytes[1]);
    header.fileSize = ReadLittleEndian32(bytes + kFileSizeOffset);
    header.reserved = ReadLittleEndian32(bytes + kReservedOffset);
    header.dataOffset = ReadLittleEndian32(bytes + kDataOffsetOffset);
    header.infoHeaderSize = ReadLittleEndian32(bytes + kInfoHeaderSizeOffset);
    header.width = static_cast<std::int32_t>(ReadLittleEndian32(bytes + kWidthOffset));
    header.height = static_cast<std::int32_t>(ReadLittleEndian32(bytes + kHeightOffset));
    header.planes = ReadLittleEndian16(bytes + kPlanesOffset);
    header.bitCount = ReadLittleEndian16(bytes + kBitCountOffset);
    header.compression = ReadLittleEndian32(bytes + kCompressionOffset);
    header.imageSize = ReadLittleEndian32(bytes + kImageSizeOffset);
    header.horizontalPixelsPerMetre = ReadLittleEndian32(bytes + kHorizontalResolutionOffset);
    header.verticalPixelsPerMetre = ReadLittleEndian32(bytes + kVerticalResolutionOffset);
    header.colorsUsed = ReadLittleEndian32(bytes + kColorsUsedOffset);
    header.colorsImportant = ReadLittleEndian32(bytes + kColorsImportantOffset);
    return header;
}

void EncodeBMPHeader(const CBMPHeader& header, std::uint8_t* bytes)
{
    bytes[0] = static_cast<std::uint8_t>(header.type[0]);
    bytes[1] = static_cast<std::uint8_t>(header.type[1]);
    WriteLittleEndian32(bytes + kFileSizeOffset, header.fileSize);
    WriteLittleEndian32(bytes + kReservedOffset, header.reserved);
    WriteLittleEndian32(bytes + kDataOffsetOffset, header.dataOffset);
    WriteLittleEndian32(bytes + kInfoHeaderSizeOffset, header.infoHeaderSize);
    WriteLittleEndian32(bytes + kWidthOffset, static_cast<std::uint32_t>(header.width));
    WriteLittleEndian32(bytes + kHeightOffset, static_cast<std::uint32_t>(header.height));
    WriteLittleEndian16(bytes + kPlanesOffset, header.planes);
    WriteLittleEndian16(bytes + kBitCountOffset, header.bitCount);
    WriteLittleEndian32(bytes + kCompressionOffset, header.compression);
    WriteLittleEndian32(bytes + kImageSizeOffset, header.imageSize);
    WriteLittleEndian32(bytes + kHorizontalResolutionOffset, header.horizontalPixelsPerMetre);
    WriteLittleEndian32(bytes + kVerticalResolutionOffset, header.verticalPixelsPerMetre);
    WriteLittleEndian32(bytes + kColorsUsedOffset, header.colorsUsed);
    WriteLittleEndian32(bytes + kColorsImportantOffset, header.colorsImportant);
}

std::int64_t GetBMPRowSizeInBytes(std::int64_t width)
{
    return (width * 3 + 3) & ~std::int64_t{3};
}

void CheckBMPHeader(const CBMPHeader& header, std::int64_t mediaSizeInBytes)
{
    if (header.type[0] != 'B' || header.type[1] != 'M' || header.infoHeaderSize < kBMPInfoHeaderSizeInBytes ||
        header.planes != 1)
        throw XBadFormat();
    if (header.bitCount != 24 || header.compression != 0 || header.height < 0)
        throw XUnsupportedFormat();
    if (header.width < 1 || header.height < 1)
        throw XBadFormat();
    const std::int64_t headersEnd = std::int64_t{kBMPFileHeaderSizeInBytes} + header.infoHeaderSize;
    if (header.dataOffset < headersEnd || header.dataOffset > mediaSizeInBytes)
        throw XBadFormat();
    // Divided rather than multiplied: width and height from a file may make any product.
    const std::int64_t rowSize = GetBMPRowSizeInBytes(header.width);
    if (header.height > (mediaSizeInBytes - header.dataOffset) / rowSize)
        throw XBadFormat();
}

void ReadBMP(CMedia& media, IBMPRowReceiver& receiver)
{
    std::uint8_t bytes[kBMPHeaderSizeInBytes];
    media.Read(kBMPHeaderSizeInBytes, bytes);
    const CBMPHeader header = DecodeBMPHeader(bytes);
    CheckBMPHeader(header, media.GetSize());

    media.SetPosition(static_cast<std::int32_t>(header.dataOffset));
    const std::int32_t rowSize = static_cast<std::int32_t>(GetBMPRowSizeInBytes(header.width));
    std::vector<std::uint8_t> row(static_cast<std::size_t>(rowSize));
    receiver.BeginPicture(header.width, header.height);
    for (std::int32_t y = header.height - 1; y >= 0; --y) {
        media.Read(rowSize, row.data());
        receiver.ReceiveBGRRow(y, header.width, row.data());
    }
}

void WriteBMP(CMedia& media, const CPixelRows& picture, const std::uint32_t* paletteRGB)
{
    const CImageLayout& layout = picture.layout;
    const std::int32_t depth = layout.bitsPerPixel;
    if (depth != 8 && depth != 16 && depth != 24 && depth != 32)
        throw XUnsupportedFormat();
    const std::int64_t rowSize = GetBMPRowSizeInBytes(layout.width);

    CBMPHeader header;
    header.width = layout.width;
    header.height = layout.height;
    header.fileSize = static_cast<std::uint32_t>(kBMPHeaderSizeInBytes + rowSize * layout.height);
    std::uint8_t bytes[kBMPHeaderSizeInBytes];
    EncodeBMPHeader(header, bytes);
    media.Write(kBMPHeaderSizeInBytes, bytes);

    std::vector<std::uint8_t> row(static_cast<std::size_t>(rowSize), 0);
    for (std::int32_t i = 0; i < layout.height; ++i) {
        ConvertRowToBGR(row.data(), layout.width, picture.GetRow(layout.height - 1 - i), depth, paletteRGB);
        media.Write(static_cast<std::int32_t>(rowSize), row.data());
    }
}

} // namespace NSTramvell
