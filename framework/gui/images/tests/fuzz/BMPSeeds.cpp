#include "framework/gui/images/tests/fuzz/BMPSeeds.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Media.h"
#include "framework/gui/images/BMPFormat.h"
#include "framework/gui/images/Image.h"
#include "tests/fuzz/SeedFiles.h"

#include <vector>

namespace NSFuzzTargets {
namespace {

std::vector<std::uint8_t> WrittenPicture(std::int32_t width, std::int32_t height)
{
    const std::int32_t bytesPerRow = static_cast<std::int32_t>(NSTramvell::GetRowBytes(width, 32, 4));
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(bytesPerRow) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i * 37);
    const NSTramvell::CPixelRows rows{pixels.data(), {width, height, bytesPerRow, 32}};
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::WriteBMP(media, rows, nullptr);
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

// The same picture behind a longer info header, as newer writers store it.
std::vector<std::uint8_t> WithLongInfoHeader(std::vector<std::uint8_t> file)
{
    constexpr std::uint32_t kLongInfoHeaderSize = 124;
    const std::uint32_t extra = kLongInfoHeaderSize - NSTramvell::kBMPInfoHeaderSizeInBytes;
    file.insert(file.begin() + NSTramvell::kBMPHeaderSizeInBytes, extra, 0);
    NSTramvell::WriteLittleEndian32(file.data() + 2, static_cast<std::uint32_t>(file.size()));
    NSTramvell::WriteLittleEndian32(file.data() + 10, NSTramvell::kBMPHeaderSizeInBytes + extra);
    NSTramvell::WriteLittleEndian32(file.data() + 14, kLongInfoHeaderSize);
    return file;
}

} // namespace

void WriteBMPSeeds(const std::filesystem::path& folder)
{
    WriteSeedFile(folder, "written-2x2.bmp", WrittenPicture(2, 2));
    WriteSeedFile(folder, "written-5x3.bmp", WrittenPicture(5, 3));
    WriteSeedFile(folder, "long-info-header.bmp", WithLongInfoHeader(WrittenPicture(3, 2)));
}

} // namespace NSFuzzTargets
