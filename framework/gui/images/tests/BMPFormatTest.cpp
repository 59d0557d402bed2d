#include "framework/gui/images/BMPFormat.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/gui/images/RowConversion.h"
#include "framework/gui/images/tests/TestPicture.h"

#include <gtest/gtest.h>

#include <functional>

using NSTramvellTest::CTestPicture;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Keeps what the reader hands on: the size, the order of the rows, and the picture as 32-bit pixels.
class CRecordingReceiver : public NSTramvell::IBMPRowReceiver
{
public:
    void BeginPicture(std::int32_t width, std::int32_t height) override
    {
        ++mBeginCount;
        mPicture = std::make_unique<CTestPicture>(width, height);
    }
    void ReceiveBGRRow(std::int32_t row, std::int32_t width, const std::uint8_t* bytes) override
    {
        mRowOrder.push_back(row);
        NSTramvell::ConvertRowTo32(mPicture->Rows().GetRow(row), width, bytes, NSTramvell::ESourceLayout::kBGR,
                                   false);
    }

    std::int32_t mBeginCount = 0;
    std::vector<std::int32_t> mRowOrder;
    std::unique_ptr<CTestPicture> mPicture;
};

// A 24-bit file of the given size whose pixel (x, y) is blue x, green y, red 7, stored bottom row first
// after an info header of infoHeaderSize bytes.
Bytes MakeBMPFile(std::int32_t width, std::int32_t height, std::uint32_t infoHeaderSize = 40)
{
    const std::int32_t rowSize = static_cast<std::int32_t>(NSTramvell::GetBMPRowSizeInBytes(width));
    const std::uint32_t dataOffset = 14 + infoHeaderSize;
    Bytes file(dataOffset + static_cast<std::size_t>(rowSize) * height, 0);
    NSTramvell::CBMPHeader header;
    header.width = width;
    header.height = height;
    header.infoHeaderSize = infoHeaderSize;
    header.dataOffset = dataOffset;
    header.fileSize = static_cast<std::uint32_t>(file.size());
    NSTramvell::EncodeBMPHeader(header, file.data());
    for (std::int32_t y = 0; y < height; ++y) {
        std::uint8_t* stored = file.data() + dataOffset + static_cast<std::size_t>(height - 1 - y) * rowSize;
        for (std::int32_t x = 0; x < width; ++x) {
            stored[3 * x] = static_cast<std::uint8_t>(x);
            stored[3 * x + 1] = static_cast<std::uint8_t>(y);
            stored[3 * x + 2] = 7;
        }
    }
    return file;
}

void ReadFile(const Bytes& file, CRecordingReceiver& receiver)
{
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(file.size()), file.data());
    NSTramvell::ReadBMP(media, receiver);
}

Bytes WritePicture(const CTestPicture& picture, const std::uint32_t* palette = nullptr)
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::WriteBMP(media, picture.Rows(), palette);
    Bytes written(static_cast<std::size_t>(media.GetSize()));
    media.ReadAt(0, media.GetSize(), written.data());
    return written;
}

} // namespace

TEST(WriteBMP, WritesTheHeaderAndPaddedRowsBottomUpAndReadsBackTheSame)
{
    CTestPicture picture(2, 2);
    picture.Set(0, 0, 1, 2, 3);
    picture.Set(1, 0, 4, 5, 6);
    picture.Set(0, 1, 7, 8, 9);
    picture.Set(1, 1, 10, 11, 12);
    const Bytes written = WritePicture(picture);

    ASSERT_EQ(written.size(), 70u);
    const Bytes expectedHeader = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0,
                                  0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE8, 3, 0, 0, 0xE8, 3, 0, 0, 0, 0,
                                  0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 54), expectedHeader);
    EXPECT_EQ(Bytes(written.begin() + 54, written.begin() + 60), (Bytes{7, 8, 9, 10, 11, 12}));

    CRecordingReceiver receiver;
    ReadFile(written, receiver);
    EXPECT_EQ(receiver.mRowOrder, (std::vector<std::int32_t>{1, 0}));
    for (std::int32_t y = 0; y < 2; ++y)
        for (std::int32_t x = 0; x < 2; ++x)
            EXPECT_EQ(receiver.mPicture->Get(x, y), picture.Get(x, y)) << x << ", " << y;
}

TEST(WriteBMP, WidensSixteenAndEightBitSources)
{
    CTestPicture sixteen(1, 1, 16);
    sixteen.Rows().pixels[0] = 0xFF;
    sixteen.Rows().pixels[1] = 0x7F;
    const Bytes widened = WritePicture(sixteen);
    EXPECT_EQ(Bytes(widened.begin() + 54, widened.end()), (Bytes{0xF8, 0xF8, 0xF8, 0}));

    std::uint32_t palette[256] = {};
    palette[5] = NSTramvell::MakeRGB(10, 20, 30);
    CTestPicture eight(1, 1, 8);
    eight.Rows().pixels[0] = 5;
    const Bytes written = WritePicture(eight, palette);
    EXPECT_EQ(Bytes(written.begin() + 54, written.end()), (Bytes{30, 20, 10, 0}));
}

TEST(WriteBMP, RefusesOtherDepthsBeforeWritingAnything)
{
    CTestPicture oneBit(8, 1, 1);
    NSTramvell::COwnedMemoryMedia media;
    EXPECT_THROW(NSTramvell::WriteBMP(media, oneBit.Rows(), nullptr), NSTramvell::XUnsupportedFormat);
    EXPECT_EQ(media.GetSize(), 0);
}

TEST(ReadBMP, ReadsLongerInfoHeadersAndWidePictures)
{
    struct { std::int32_t width; std::uint32_t infoHeaderSize; } kCases[] = {{3, 124}, {5000, 40}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.width);
        CRecordingReceiver receiver;
        ReadFile(MakeBMPFile(c.width, 2, c.infoHeaderSize), receiver);
        ASSERT_EQ(receiver.mBeginCount, 1);
        EXPECT_EQ(receiver.mRowOrder, (std::vector<std::int32_t>{1, 0}));
        const std::int32_t last = c.width - 1;
        EXPECT_EQ(receiver.mPicture->Get(last, 1), (Bytes{static_cast<std::uint8_t>(last), 1, 7, 0}));
        EXPECT_EQ(receiver.mPicture->Get(0, 0), (Bytes{0, 0, 7, 0}));
    }
}

TEST(ReadBMP, RefusesBadAndUnsupportedFilesBeforeAnyRow)
{
    using Damage = std::function<void(Bytes&)>;
    auto set32 = [](std::size_t offset, std::uint32_t value) {
        return [offset, value](Bytes& file) { NSTramvell::WriteLittleEndian32(file.data() + offset, value); };
    };
    auto set16 = [](std::size_t offset, std::uint16_t value) {
        return [offset, value](Bytes& file) { NSTramvell::WriteLittleEndian16(file.data() + offset, value); };
    };
    struct { const char* name; Damage damage; bool unsupported; } kCases[] = {
        {"wrong type", [](Bytes& file) { file[1] = 'A'; }, false},
        {"12-byte header", set32(14, 12), false},
        {"two planes", set16(26, 2), false},
        {"32 bits", set16(28, 32), true},
        {"8 bits", set16(28, 8), true},
        {"RLE8", set32(30, 1), true},
        {"BITFIELDS", set32(30, 3), true},
        {"top-down", set32(22, static_cast<std::uint32_t>(-2)), true},
        {"zero width", set32(18, 0), false},
        {"zero height", set32(22, 0), false},
        {"negative width", set32(18, static_cast<std::uint32_t>(-2)), false},
        {"offset inside the headers", set32(10, 53), false},
        {"offset past the end", set32(10, 1000), false},
        {"data one byte short", [](Bytes& file) { file.pop_back(); }, false},
        // 0x7FFFFFFF x 0x7FFFFFFF pixels: the rows overflow 32 bits and even a 64-bit product of bytes.
        {"rows overflowing", [](Bytes& file) {
             NSTramvell::WriteLittleEndian32(file.data() + 18, 0x7FFFFFFF);
             NSTramvell::WriteLittleEndian32(file.data() + 22, 0x7FFFFFFF);
         }, false},
        {"rows wrapping in 32 bits", [](Bytes& file) {
             // 0x55555556 pixels x 3 bytes wraps to 2 in 32 bits, which this file would seem to hold.
             NSTramvell::WriteLittleEndian32(file.data() + 18, 0x55555556);
             NSTramvell::WriteLittleEndian32(file.data() + 22, 1);
         }, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Bytes file = MakeBMPFile(2, 2);
        c.damage(file);
        CRecordingReceiver receiver;
        if (c.unsupported)
            EXPECT_THROW(ReadFile(file, receiver), NSTramvell::XUnsupportedFormat);
        else
            EXPECT_THROW(ReadFile(file, receiver), NSTramvell::XBadFormat);
        EXPECT_EQ(receiver.mBeginCount, 0);
        EXPECT_TRUE(receiver.mRowOrder.empty());
    }
}

TEST(ReadBMP, ShortHeaderIsAReadError)
{
    const Bytes file = {'B', 'M', 0, 0};
    CRecordingReceiver receiver;
    EXPECT_THROW(ReadFile(file, receiver), NSTramvell::XRead);
    EXPECT_EQ(receiver.mBeginCount, 0);
}
