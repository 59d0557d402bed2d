// Scan-line writers, the BMP library for each screen depth, and the caching bitmap fetcher, on
// pictures made by the BMP writer in memory. Converted pictures go to DRAVIM_TEST_PICTURES for review.

#include "framework/gui/images/BMPLib.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/images/BMPFormat.h"
#include "framework/gui/images/BitmapFetcher.h"
#include "framework/gui/images/ScanLineWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>

using NSTramvell::CBitmapKey;
using NSTramvell::CColor;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A 24-bit BMP file of 0x00RRGGBB pixels given top row first.
std::unique_ptr<NSTramvell::COwnedMemoryMedia> MakeBMP(std::int32_t width, const std::vector<std::uint32_t>& pixels)
{
    const std::int32_t height = static_cast<std::int32_t>(pixels.size()) / width;
    const std::int32_t bytesPerRow = width * 4;
    Bytes memory(pixels.size() * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        memory[4 * i] = NSTramvell::GetBlueOf(pixels[i]);
        memory[4 * i + 1] = NSTramvell::GetGreenOf(pixels[i]);
        memory[4 * i + 2] = NSTramvell::GetRedOf(pixels[i]);
    }
    auto media = std::make_unique<NSTramvell::COwnedMemoryMedia>();
    NSTramvell::WriteBMP(*media, NSTramvell::CPixelRows{memory.data(), {width, height, bytesPerRow, 32}}, nullptr);
    media->SetPosition(0);
    return media;
}

Bytes BytesAt(NSTramvell::COSBitmap& bitmap, std::int32_t x, std::int32_t y, std::int32_t count)
{
    NSTramvell::CPixelReadAccess access(bitmap);
    const std::uint8_t* at = access.GetRows().GetRow(y) + x * bitmap.GetLayout().bitsPerPixel / 8;
    return Bytes(at, at + count);
}

void SaveForReview(NSTramvell::COSBitmap& bitmap, const std::string& name)
{
    const char* folder = std::getenv("DRAVIM_TEST_PICTURES");
    if (folder == nullptr || *folder == '\0')
        return;
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::GetBMPLib().Write(bitmap, media);
    std::ofstream file(std::string(folder) + "/converted-" + name + ".bmp", std::ios::binary);
    file.write(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
}

std::int32_t gContextsDeleted = 0;

} // namespace

TEST(ScanLineWriters, ConvertEachLayoutIntoTheirTarget)
{
    const std::uint8_t rgbx[] = {1, 2, 3, 77};
    const std::uint8_t index[] = {9};
    NSTramvell::C32ScanLineWriter plain;
    plain.Begin(1, 2);
    plain.WriteRGBXRow(0, 1, rgbx);
    plain.WriteIndexRow(1, 1, index);
    NSTramvell::CRGBAScanLineWriter alpha;
    alpha.Begin(1, 1);
    alpha.WriteRGBXRow(0, 1, rgbx);
    NSTramvell::C16ErrorDiffusionScanLineWriter sixteen;
    sixteen.Begin(1, 1);
    sixteen.WriteIndexRow(0, 1, index);

    EXPECT_EQ(plain.TakeBitmapAs<NSTramvell::CAlphaBitmap32>(), nullptr);  // a plain 32-bit target stays
    const std::unique_ptr<NSTramvell::CBitmap32> plainBitmap = plain.TakeBitmapAs<NSTramvell::CBitmap32>();
    ASSERT_NE(plainBitmap, nullptr);
    EXPECT_EQ(BytesAt(*plainBitmap, 0, 0, 4), (Bytes{3, 2, 1, 0}));
    EXPECT_EQ(BytesAt(*plainBitmap, 0, 1, 4), (Bytes{0, 0, 0, 0}));
    const std::unique_ptr<NSTramvell::CAlphaBitmap32> alphaBitmap = alpha.TakeBitmapAs<NSTramvell::CAlphaBitmap32>();
    ASSERT_NE(alphaBitmap, nullptr);
    EXPECT_EQ(BytesAt(*alphaBitmap, 0, 0, 4), (Bytes{3, 2, 1, 77}));
    const std::unique_ptr<NSTramvell::CBitmap16> sixteenBitmap = sixteen.TakeBitmapAs<NSTramvell::CBitmap16>();
    ASSERT_NE(sixteenBitmap, nullptr);
    EXPECT_EQ(BytesAt(*sixteenBitmap, 0, 0, 2), (Bytes{0, 0}));

    NSTramvell::CMaskedScanLineWriter masked;
    masked.Begin(2, 2);
    const std::unique_ptr<NSTramvell::CMaskedBitmap> maskedBitmap = masked.TakeBitmapAs<NSTramvell::CMaskedBitmap>();
    ASSERT_NE(maskedBitmap, nullptr);
    EXPECT_EQ(maskedBitmap->GetMask(), nullptr);
}

TEST(ScanLineWriters, AWriterDestroyedBeforeTheTakeDeletesItsTarget)
{
    static BOOL (*realDelete)(HDC) = GetWindowTable().DeleteDC;
    realDelete = GetWindowTable().DeleteDC;
    gContextsDeleted = 0;
    CScopedTableEntry counting(GetWindowTable().DeleteDC, [](HDC context) -> BOOL {
        ++gContextsDeleted;
        return realDelete(context);
    });
    {
        NSTramvell::C16ScanLineWriter writer;
        writer.Begin(3, 3);
    }
    EXPECT_EQ(gContextsDeleted, 1);
}

TEST(ScanLineWriters, EightBitWriterRefusesAScreenWithoutTwoHundredFiftySixColours)
{
    const NSTramvell::CScreenPalette screen(std::vector<CColor>(16));
    NSTramvell::C8NoDitherScanLineWriter writer(screen);
    EXPECT_THROW(writer.Begin(1, 1), NSTramvell::XBase);
    EXPECT_EQ(writer.TakeBitmap(), nullptr);
}

TEST(CBMPLib, ReadsForEveryScreenDepthAndNeverGivesNothing)
{
    std::vector<CColor> colors(256, CColor(255, 255, 255));
    colors[4] = CColor(0x10, 0x20, 0x30);
    colors[5] = CColor(0xF0, 0xF0, 0xF0);
    struct { std::int32_t depth; std::int32_t bitsPerPixel; Bytes topLeft; } kCases[] = {
        {8, 8, {4}}, {16, 16, {0x86, 0x08}}, {24, 32, {0x30, 0x20, 0x10, 0}}, {32, 32, {0x30, 0x20, 0x10, 0}},
        {15, 32, {0x30, 0x20, 0x10, 0}}, {0, 32, {0x30, 0x20, 0x10, 0}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.depth);
        const std::unique_ptr<NSTramvell::CScreenPalette> screen =
            c.depth == 8 ? std::make_unique<NSTramvell::CScreenPalette>(colors)
                         : std::make_unique<NSTramvell::CScreenPalette>(c.depth);
        const auto media = MakeBMP(2, {0x102030, 0xEEEEEE, 0xFFFFFF, 0xF1F1F1});
        const std::unique_ptr<NSTramvell::COSBitmap> bitmap = NSTramvell::GetBMPLib().ReadForScreen(*screen, *media);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->GetLayout().bitsPerPixel, c.bitsPerPixel);
        EXPECT_EQ(BytesAt(*bitmap, 0, 0, static_cast<std::int32_t>(c.topLeft.size())), c.topLeft);
        SaveForReview(*bitmap, "depth-" + std::to_string(c.depth));
    }
}

TEST(CBMPLib, WritesAnEightBitBitmapThroughItsOwnColours)
{
    std::vector<CColor> colors(256);
    colors[7] = CColor(10, 20, 30);
    NSTramvell::CBitmap8 bitmap(1, 1, colors);
    {
        NSTramvell::CPixelWriteAccess access(bitmap);
        access.GetRows().pixels[0] = 7;
    }
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::GetBMPLib().Write(bitmap, media);
    ASSERT_EQ(media.GetSize(), 58);
    EXPECT_EQ(Bytes(media.GetBuffer() + 54, media.GetBuffer() + 57), (Bytes{30, 20, 10}));
}

namespace {

// Pictures by resource id, and how often each was loaded.
std::map<std::uint16_t, std::function<std::unique_ptr<NSTramvell::COwnedMemoryMedia>()>> gPictures;
std::map<std::uint16_t, std::int32_t> gLoads;

std::unique_ptr<NSTramvell::COwnedMemoryMedia> LoadTestPicture(std::uint16_t id)
{
    ++gLoads[id];
    const auto found = gPictures.find(id);
    if (found == gPictures.end())
        throw NSTramvell::XNotFound();
    return found->second();
}

class CachingBitmapFetcher : public testing::Test
{
protected:
    CachingBitmapFetcher() : mScreen(32), mFetcher(NSTramvell::GetBMPLib(), LoadTestPicture)
    {
        gLoads.clear();
        // Bottom-left is the transparent colour (0, 0, 200); it also lies top-right.
        gPictures[1] = [] { return MakeBMP(2, {0x406080, 0x0000C8, 0x0000C8, 0xFFFFFF}); };
        gPictures[2] = [] { return std::make_unique<NSTramvell::COwnedMemoryMedia>(); };  // not a picture
    }

    NSTramvell::CScreenPalette mScreen;
    NSTramvell::CCachingBitmapFetcher mFetcher;
};

} // namespace

TEST_F(CachingBitmapFetcher, ReadsEachKeyOnceUntilReleasedOrPurged)
{
    NSTramvell::CABCImage* first = mFetcher.FetchBitmap(mScreen, CBitmapKey(1));
    EXPECT_EQ(mFetcher.FetchBitmap(mScreen, CBitmapKey(1)), first);
    EXPECT_EQ(gLoads[1], 1);
    CBitmapKey tinted(1);
    tinted.SetTintColor(0, 0, 1);
    EXPECT_NE(mFetcher.FetchBitmap(mScreen, CBitmapKey(1, 5)), first);
    EXPECT_NE(mFetcher.FetchBitmap(mScreen, tinted), first);
    EXPECT_EQ(gLoads[1], 3);

    mFetcher.ReleaseBitmap(CBitmapKey(1));
    mFetcher.ReleaseBitmap(CBitmapKey(99));
    mFetcher.FetchBitmap(mScreen, CBitmapKey(1));
    EXPECT_EQ(gLoads[1], 4);
    mFetcher.Purge();
    mFetcher.FetchBitmap(mScreen, CBitmapKey(1));
    mFetcher.FetchBitmap(mScreen, CBitmapKey(1, 5));
    EXPECT_EQ(gLoads[1], 6);
}

TEST_F(CachingBitmapFetcher, MasksTheBottomLeftColourAndTintsWhatStaysOpaque)
{
    CBitmapKey masked(1);
    masked.SetMasked();
    CBitmapKey tinted = masked;
    tinted.SetTintColor(0, 0, 0);
    tinted.SetMasked();
    struct { CBitmapKey key; Bytes opaque; } kCases[] = {{masked, {0x80, 0x60, 0x40}}, {tinted, {0x40, 0x30, 0x20}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.key.HasTintColor());
        auto* bitmap = dynamic_cast<NSTramvell::CMaskedBitmap*>(mFetcher.FetchBitmap(mScreen, c.key));
        ASSERT_NE(bitmap, nullptr);
        ASSERT_NE(bitmap->GetMask(), nullptr);
        NSTramvell::CPixelReadAccess mask(*bitmap->GetMask());
        EXPECT_EQ(mask.GetRows().GetRow(0)[0] & 0xC0, 0x40);  // top-right transparent
        EXPECT_EQ(mask.GetRows().GetRow(1)[0] & 0xC0, 0x80);  // bottom-left transparent
        EXPECT_EQ(BytesAt(*bitmap, 0, 0, 3), c.opaque);
        EXPECT_EQ(BytesAt(*bitmap, 1, 0, 3), (Bytes{0, 0, 0}));
        SaveForReview(*bitmap, c.key.HasTintColor() ? "masked-tinted" : "masked");
    }

    CBitmapKey both(1);
    both.SetMasked();
    both.Set32Bit();
    NSTramvell::CABCImage* plain = mFetcher.FetchBitmap(mScreen, both);
    EXPECT_EQ(dynamic_cast<NSTramvell::CMaskedBitmap*>(plain), nullptr);
    EXPECT_NE(dynamic_cast<NSTramvell::CBitmap32*>(plain), nullptr);
}

TEST_F(CachingBitmapFetcher, CachesNothingForAPictureThatCannotBeRead)
{
    CBitmapKey maskedDamaged(2);
    maskedDamaged.SetMasked();
    for (const CBitmapKey& key : {CBitmapKey(77), CBitmapKey(2), maskedDamaged}) {
        SCOPED_TRACE(key.GetResourceId());
        EXPECT_THROW(mFetcher.FetchBitmap(mScreen, key), NSTramvell::XBase);
        EXPECT_THROW(mFetcher.FetchBitmap(mScreen, key), NSTramvell::XBase);
    }
    EXPECT_EQ(gLoads[77], 2);
    EXPECT_EQ(gLoads[2], 4);
}
