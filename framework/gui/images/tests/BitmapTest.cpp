// Bitmaps over native bitmaps: layouts, pixel access, the three draws and what each platform failure
// leaves behind.

#include "framework/gui/images/Bitmap.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/images/BitmapOperations.h"
#include "framework/gui/images/tests/BitmapCanvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes PixelOf(NSTramvell::COSBitmap& bitmap, std::int32_t x, std::int32_t y)
{
    NSTramvell::CPixelReadAccess access(bitmap);
    const std::uint8_t* pixel = access.GetRows().GetPixel32(x, y);
    return Bytes(pixel, pixel + 3);
}

void Fill(NSTramvell::CBitmap32& bitmap, std::uint8_t blue, std::uint8_t green, std::uint8_t red,
          std::uint8_t fourth = 0)
{
    NSTramvell::CPixelWriteAccess access(bitmap);
    const NSTramvell::CPixelRows& rows = access.GetRows();
    for (std::int32_t y = 0; y < rows.layout.height; ++y)
        for (std::int32_t x = 0; x < rows.layout.width; ++x) {
            const std::uint8_t bytes[4] = {blue, green, red, fourth};
            std::memcpy(rows.GetPixel32(x, y), bytes, 4);
        }
}

std::int32_t gFlushes = 0;
std::int32_t gContextsMade = 0;
std::int32_t gContextsDeleted = 0;
std::int32_t gObjectsMade = 0;
std::int32_t gObjectsDeleted = 0;

// Counts what the native bitmaps make and release, calling through to the real functions.
struct CCountingGdi
{
    static inline HDC (*sCreate)(HDC) = nullptr;
    static inline BOOL (*sDelete)(HDC) = nullptr;
    static inline HBITMAP (*sSection)(HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD) = nullptr;
    static inline HRGN (*sRegion)(int, int, int, int) = nullptr;
    static inline HPALETTE (*sPalette)(const LOGPALETTE*) = nullptr;
    static inline BOOL (*sDeleteObject)(HGDIOBJ) = nullptr;

    // Each real function is kept before its entry is replaced.
    template <typename TFunction>
    static TFunction Keep(TFunction& stored, TFunction real)
    {
        stored = real;
        return real;
    }

    CCountingGdi()
    {
        gContextsMade = gContextsDeleted = gObjectsMade = gObjectsDeleted = 0;
    }
    int kept = (Keep(sCreate, GetWindowTable().CreateCompatibleDC), Keep(sDelete, GetWindowTable().DeleteDC),
                Keep(sSection, GetWindowTable().CreateDIBSection), Keep(sRegion, GetWindowTable().CreateRectRgn),
                Keep(sPalette, GetWindowTable().CreatePalette), Keep(sDeleteObject, GetWindowTable().DeleteObject), 0);
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateCompatibleDC)> create{GetWindowTable().CreateCompatibleDC, [](HDC screen) -> HDC {
                                 HDC made = sCreate(screen);
                                 gContextsMade += made != nullptr;
                                 return made;
                             }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DeleteDC)> remove{GetWindowTable().DeleteDC, [](HDC context) -> BOOL {
                                 ++gContextsDeleted;
                                 return sDelete(context);
                             }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateDIBSection)> section{GetWindowTable().CreateDIBSection,
                              [](HDC context, const BITMAPINFO* info, UINT usage, void** bits, HANDLE file,
                                 DWORD offset) -> HBITMAP {
                                  HBITMAP made = sSection(context, info, usage, bits, file, offset);
                                  gObjectsMade += made != nullptr;
                                  return made;
                              }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateRectRgn)> region{GetWindowTable().CreateRectRgn, [](int left, int top, int right, int bottom) -> HRGN {
                                 HRGN made = sRegion(left, top, right, bottom);
                                 gObjectsMade += made != nullptr;
                                 return made;
                             }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreatePalette)> palette{GetWindowTable().CreatePalette, [](const LOGPALETTE* entries) -> HPALETTE {
                                  HPALETTE made = sPalette(entries);
                                  gObjectsMade += made != nullptr;
                                  return made;
                              }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DeleteObject)> deleteObject{GetWindowTable().DeleteObject, [](HGDIOBJ object) -> BOOL {
                                       ++gObjectsDeleted;
                                       return sDeleteObject(object);
                                   }};
};

std::vector<NSTramvell::CColor> GreyTable()
{
    std::vector<NSTramvell::CColor> colors;
    for (int i = 0; i < 256; ++i)
        colors.emplace_back(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i));
    return colors;
}

} // namespace

TEST(COSBitmap, LaysOutRowsPaddedToFourBytes)
{
    struct { std::function<std::unique_ptr<NSTramvell::COSBitmap>()> make; std::int32_t width, bytesPerRow, depth; }
    kCases[] = {
        {[] { return std::make_unique<NSTramvell::CBitmap1>(33, 2); }, 33, 8, 1},
        {[] { return std::make_unique<NSTramvell::CBitmap8>(10, 2, GreyTable()); }, 10, 12, 8},
        {[] { return std::make_unique<NSTramvell::CBitmap16>(3, 2); }, 3, 8, 16},
        {[] { return std::make_unique<NSTramvell::CBitmap32>(5, 2); }, 5, 20, 32},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.depth);
        const std::unique_ptr<NSTramvell::COSBitmap> bitmap = c.make();
        const NSTramvell::CImageLayout& layout = bitmap->GetLayout();
        EXPECT_EQ(layout.width, c.width);
        EXPECT_EQ(layout.height, 2);
        EXPECT_EQ(layout.bytesPerRow, c.bytesPerRow);
        EXPECT_EQ(layout.bitsPerPixel, c.depth);
    }
}

TEST(COSBitmap, RowZeroIsTheTopAndOneBitsAreWhite)
{
    // Pixel 32 of row 1 of a 1-bit bitmap: bit 0x80 of byte 4 of that row.
    NSTramvell::CBitmap1 mask(33, 2);
    {
        NSTramvell::CPixelWriteAccess access(mask);
        std::memset(access.GetRows().pixels, 0, 16);
        access.GetRows().GetRow(1)[4] = 0x80;
    }
    NSTramvell::CBitmap32 target(33, 2);
    Fill(target, 9, 9, 9);
    NSTramvellTest::CBitmapCanvas canvas(target);
    mask.Draw(canvas, 0, 0, 0, 0, 33, 2);
    EXPECT_EQ(PixelOf(target, 32, 1), (Bytes{255, 255, 255}));
    EXPECT_EQ(PixelOf(target, 32, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(PixelOf(target, 31, 1), (Bytes{0, 0, 0}));
}

TEST(COSBitmap, ItsContextClipsToTheBitmap)
{
    NSTramvell::CBitmap32 bitmap(4, 4);
    Fill(bitmap, 1, 1, 1);
    RECT rect;
    HRGN clip = GetWindowTable().CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowTable().GetClipRgn(bitmap.GetNativeBitmap().GetContext(), clip), 1);
    GetWindowTable().GetRgnBox(clip, &rect);
    GetWindowTable().DeleteObject(clip);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 4);
    EXPECT_EQ(rect.bottom, 4);
}

TEST(COSBitmap, FlushesOnlyBeforeTheFirstOpenAccess)
{
    NSTramvell::CBitmap32 bitmap(2, 2);
    gFlushes = 0;
    CScopedTableEntry flush(GetWindowTable().GdiFlush, []() -> BOOL {
        ++gFlushes;
        return TRUE;
    });
    std::uint8_t* first = bitmap.LockPixels();
    std::uint8_t* second = bitmap.LockPixels();
    EXPECT_EQ(gFlushes, 1);
    bitmap.UnlockPixels(second);
    bitmap.UnlockPixels(first);
    EXPECT_EQ(first, nullptr);
    const std::uint8_t* reading = bitmap.LockPixelsConst();
    EXPECT_EQ(gFlushes, 2);
    bitmap.UnlockPixelsConst(reading);
    std::uint8_t* again = bitmap.LockPixels();
    EXPECT_EQ(gFlushes, 3);
    bitmap.UnlockPixels(again);
}

TEST(COSBitmap, EachPlatformFailureThrowsAndReleasesWhatWasMade)
{
    using CBody = std::function<void()>;
    struct { const char* name; std::function<void(const CBody&)> whileFailing; bool outOfMemory; } kCases[] = {
        {"context", [](const CBody& body) {
             CScopedTableEntry failure(GetWindowTable().CreateCompatibleDC, [](HDC) -> HDC { return nullptr; });
             body();
         }, true},
        {"section", [](const CBody& body) {
             CScopedTableEntry failure(GetWindowTable().CreateDIBSection,
                                       [](HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD) -> HBITMAP {
                                           return nullptr;
                                       });
             body();
         }, true},
        {"selection", [](const CBody& body) {
             CScopedTableEntry failure(GetWindowTable().SelectObject, [](HDC, HGDIOBJ) -> HGDIOBJ { return nullptr; });
             body();
         }, true},
        {"palette", [](const CBody& body) {
             CScopedTableEntry failure(GetWindowTable().SelectPalette,
                                       [](HDC, HPALETTE, BOOL) -> HPALETTE { return nullptr; });
             body();
         }, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CCountingGdi counting;
        c.whileFailing([&c] {
            auto make = [] { NSTramvell::CBitmap8 bitmap(4, 4, GreyTable()); };
            if (c.outOfMemory)
                EXPECT_THROW(make(), std::bad_alloc);
            else
                EXPECT_THROW(make(), NSTramvell::XBase);
        });
        EXPECT_EQ(gContextsDeleted, gContextsMade);
        EXPECT_EQ(gObjectsDeleted, gObjectsMade);
    }
    EXPECT_THROW(NSTramvell::CBitmap8(4, 4, std::vector<NSTramvell::CColor>(255)), NSTramvell::XBase);
}

TEST(CMaskedBitmap, DrawsThroughItsMask)
{
    NSTramvell::CMaskedBitmap picture(2, 1);
    {
        NSTramvell::CPixelWriteAccess access(picture);
        const std::uint8_t bytes[8] = {10, 20, 30, 0, 40, 50, 60, 0};
        std::memcpy(access.GetRows().pixels, bytes, 8);
    }
    struct { const char* name; std::function<void()> prepare; Bytes left, right; } kCases[] = {
        {"before any mask: a plain copy", [] {}, {10, 20, 30}, {40, 50, 60}},
        {"no pixel of the colour: all drawn", [&] { picture.SetMask(NSTramvell::CColor(1, 2, 3)); },
         {10, 20, 30}, {40, 50, 60}},
        {"the right pixel's colour", [&] { picture.SetMask(NSTramvell::CColor(60, 50, 40)); }, {10, 20, 30},
         {7, 7, 7}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        c.prepare();
        NSTramvell::CBitmap32 target(2, 1);
        Fill(target, 7, 7, 7);
        NSTramvellTest::CBitmapCanvas canvas(target);
        picture.Draw(canvas, 0, 0, 0, 0, 2, 1);
        EXPECT_EQ(PixelOf(target, 0, 0), c.left);
        EXPECT_EQ(PixelOf(target, 1, 0), c.right);
    }
    // Every pixel transparent: the destination stays.
    NSTramvell::CMaskedBitmap flat(2, 1);
    Fill(flat, 5, 5, 5);
    flat.SetMask(NSTramvell::CColor(5, 5, 5));
    NSTramvell::CBitmap32 target(2, 1);
    Fill(target, 7, 8, 9);
    NSTramvellTest::CBitmapCanvas canvas(target);
    flat.Draw(canvas, 0, 0, 0, 0, 2, 1);
    EXPECT_EQ(PixelOf(target, 0, 0), (Bytes{7, 8, 9}));
}

TEST(CAlphaBitmap32, BlendsIntoA32BitTargetAndCopiesElsewhere)
{
    NSTramvell::CAlphaBitmap32 picture(1, 1);
    Fill(picture, 255, 255, 255, 128);
    struct { bool answersTarget; Bytes expected; } kCases[] = {{true, {128, 128, 128}}, {false, {255, 255, 255}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.answersTarget);
        NSTramvell::CBitmap32 target(2, 2);
        Fill(target, 0, 0, 0);
        NSTramvellTest::CBitmapCanvas canvas(target, c.answersTarget);
        picture.Draw(canvas, 1, 1, 0, 0, 1, 1);
        EXPECT_EQ(PixelOf(target, 1, 1), c.expected);
        EXPECT_EQ(PixelOf(target, 0, 0), (Bytes{0, 0, 0}));
    }
}

TEST(BitmapOperations, RotatedAlphaCopyAndMaskedCopy)
{
    NSTramvell::CBitmap32 source(3, 2);
    {
        NSTramvell::CPixelWriteAccess access(source);
        for (std::int32_t y = 0; y < 2; ++y)
            for (std::int32_t x = 0; x < 3; ++x)
                access.GetRows().GetPixel32(x, y)[0] = static_cast<std::uint8_t>(1 + x + 3 * y);
    }
    const std::unique_ptr<NSTramvell::CAlphaBitmap32> rotated = NSTramvell::RotatedAlphaCopy(source);
    EXPECT_EQ(rotated->GetLayout().width, 2);
    EXPECT_EQ(rotated->GetLayout().height, 3);
    EXPECT_EQ(PixelOf(*rotated, 0, 0)[0], 3);

    // The bottom-left pixel (4) is unique: only it turns transparent.
    const std::unique_ptr<NSTramvell::CMaskedBitmap> masked = NSTramvell::MakeMaskedCopy(source);
    NSTramvell::CPixelReadAccess mask(*masked->GetMask());
    EXPECT_EQ(mask.GetRows().GetRow(1)[0] & 0xE0, 0x80);
    EXPECT_EQ(mask.GetRows().GetRow(0)[0] & 0xE0, 0);
}
