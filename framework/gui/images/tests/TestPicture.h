#pragma once

// Pixel memory of a chosen layout for the tests of the pixel loops, owned by the test.

#include "framework/gui/images/Image.h"
#include "framework/gui/images/PixelRows.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace NSTramvellTest {

class CTestPicture
{
public:
    CTestPicture(std::int32_t width, std::int32_t height, std::int32_t depth = 32)
    {
        mRows.layout = {width, height, static_cast<std::int32_t>(NSTramvell::GetRowBytes(width, depth, 4)), depth};
        mBytes.assign(static_cast<std::size_t>(mRows.layout.bytesPerRow) * height, 0);
        mRows.pixels = mBytes.data();
    }

    const NSTramvell::CPixelRows& Rows() const { return mRows; }
    std::uint8_t* Pixel(std::int32_t x, std::int32_t y) const { return mRows.GetPixel32(x, y); }
    void Set(std::int32_t x, std::int32_t y, std::uint8_t blue, std::uint8_t green, std::uint8_t red,
             std::uint8_t fourth = 0)
    {
        const std::uint8_t bytes[4] = {blue, green, red, fourth};
        std::memcpy(Pixel(x, y), bytes, 4);
    }
    // Blue, green, red and the fourth byte, for whole-pixel comparisons.
    std::vector<std::uint8_t> Get(std::int32_t x, std::int32_t y) const
    {
        return std::vector<std::uint8_t>(Pixel(x, y), Pixel(x, y) + 4);
    }
    void FillWith(std::uint8_t blue, std::uint8_t green, std::uint8_t red, std::uint8_t fourth)
    {
        for (std::int32_t y = 0; y < mRows.layout.height; ++y)
            for (std::int32_t x = 0; x < mRows.layout.width; ++x)
                Set(x, y, blue, green, red, fourth);
    }

private:
    std::vector<std::uint8_t> mBytes;
    NSTramvell::CPixelRows mRows;
};

} // namespace NSTramvellTest
