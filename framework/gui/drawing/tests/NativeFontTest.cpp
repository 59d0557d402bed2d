// Platform fonts from descriptions and the default interface font read back as one.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/NativeFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using NSTramvell::CFontSpec;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

LOGFONTA gRequested{};
LOGFONTA gStock{};

// A 120-dpi screen whose fonts are only recorded.
class CRecordedFonts
{
public:
    CRecordedFonts()
        : mCaps(GetWindowTable().GetDeviceCaps, [](HDC, int index) { return index == LOGPIXELSY ? 120 : 32; })
        , mFont(GetWindowTable().CreateFontIndirectA, [](const LOGFONTA* font) {
            gRequested = *font;
            return reinterpret_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
        })
    {
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetDeviceCaps)> mCaps;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateFontIndirectA)> mFont;
};

} // namespace

TEST(CreateNativeFont, ScalesToTheScreenAndCarriesEveryStyle)
{
    CRecordedFonts recorded;
    CFontSpec spec(std::string(40, 'F'), 8, 1, 1, 0);
    spec.SetCharacterSet(238);
    NSTramvell::CreateNativeFont(spec);
    EXPECT_EQ(gRequested.lfHeight, -6);
    EXPECT_EQ(gRequested.lfWeight, 700);
    EXPECT_EQ(gRequested.lfItalic, 1);
    EXPECT_EQ(gRequested.lfUnderline, 0);
    EXPECT_EQ(gRequested.lfCharSet, 238);
    EXPECT_EQ(gRequested.lfQuality, 1);
    EXPECT_EQ(std::string(gRequested.lfFaceName), std::string(31, 'F'));

    NSTramvell::CreateNativeFont(CFontSpec("Tahoma", 13));
    EXPECT_EQ(gRequested.lfWeight, 400);
    EXPECT_STREQ(gRequested.lfFaceName, "Tahoma");
}

TEST(CreateNativeFont, NoFontFromThePlatformIsAnError)
{
    CScopedTableEntry noFont(GetWindowTable().CreateFontIndirectA, [](const LOGFONTA*) { return HFONT{}; });
    EXPECT_THROW(NSTramvell::CreateNativeFont(CFontSpec("Tahoma", 13)), NSTramvell::XBase);
}

TEST(MakeSystemFontSpec, ReadsTheStockFontsHeightAsSizeAndBoldFromSemiBold)
{
    NSTramvell::ForgetFontStandIns();
    // The face is installed, so it is taken as it stands.
    CScopedTableEntry installed(GetWindowTable().EnumFontFamiliesExA,
                                [](HDC, LPLOGFONTA wanted, FONTENUMPROCA report, LPARAM context, DWORD) {
                                    TEXTMETRICA metrics{};
                                    return report(wanted, &metrics, TRUETYPE_FONTTYPE, context);
                                });
    CScopedTableEntry stock(GetWindowTable().GetObjectA, [](HANDLE, int size, LPVOID out) {
        std::memcpy(out, &gStock, static_cast<std::size_t>(size));
        return size;
    });
    const struct { LONG weight; std::uint8_t bold; } kCases[] = {{699, 0}, {700, 1}, {400, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.weight);
        gStock = LOGFONTA{};
        gStock.lfHeight = -11;
        gStock.lfWeight = c.weight;
        gStock.lfCharSet = 161;
        std::strcpy(gStock.lfFaceName, "Interface");
        const CFontSpec spec = NSTramvell::GetSystemFontSpec();
        EXPECT_EQ(spec.GetFace(), "Interface");
        EXPECT_EQ(spec.GetSize(), 11);
        EXPECT_EQ(spec.GetBold(), c.bold);
        EXPECT_EQ(spec.GetCharacterSet(), 161);
        EXPECT_EQ(NSTramvell::GetBoldSystemFontSpec().GetBold(), 1);
    }
    NSTramvell::ForgetFontStandIns();
}

namespace {

// A screen with a made-up set of installed faces, each drawn with the cell height and alphabet width given
// for its face and size. A face that is not installed is drawn as the platform's fallback would draw it.
struct CFakeFace
{
    const char* face;
    BYTE pitchAndFamily;
    bool installed;
    std::int32_t size;
    std::int32_t cell;
    std::int32_t alphabet;
};

std::vector<CFakeFace> gFaces;
std::vector<LOGFONTA> gMade;   // index + 1 is the handle
std::size_t gSelected = 0;

const CFakeFace* FindDrawn(const LOGFONTA& font)
{
    for (const CFakeFace& face : gFaces)
        if (face.size == -font.lfHeight && std::strcmp(face.face, font.lfFaceName) == 0)
            return &face;
    return nullptr;
}

class CFakeFaces
{
public:
    explicit CFakeFaces(std::vector<CFakeFace> faces)
        : mCaps(GetWindowTable().GetDeviceCaps, [](HDC, int index) { return index == LOGPIXELSY ? 96 : 32; })
        , mStock(GetWindowTable().GetObjectA,
                 [](HANDLE, int size, LPVOID out) {
                     LOGFONTA stock{};
                     stock.lfHeight = -11;
                     stock.lfWeight = 400;
                     std::strcpy(stock.lfFaceName, "Dialog Face");
                     std::memcpy(out, &stock, static_cast<std::size_t>(size));
                     return size;
                 })
        , mEnumerate(GetWindowTable().EnumFontFamiliesExA,
                     [](HDC, LPLOGFONTA wanted, FONTENUMPROCA report, LPARAM context, DWORD) {
                         for (const CFakeFace& face : gFaces) {
                             LOGFONTA found{};
                             std::strcpy(found.lfFaceName, face.face);
                             found.lfPitchAndFamily = face.pitchAndFamily;
                             TEXTMETRICA metrics{};
                             const bool asked = wanted->lfFaceName[0] == '\0' ||
                                                std::strcmp(wanted->lfFaceName, face.face) == 0;
                             if (face.installed && asked && report(&found, &metrics, TRUETYPE_FONTTYPE, context) == 0)
                                 return 0;
                         }
                         return 1;
                     })
        , mCreate(GetWindowTable().CreateFontIndirectA,
                  [](const LOGFONTA* font) {
                      gMade.push_back(*font);
                      return reinterpret_cast<HFONT>(gMade.size());
                  })
        , mSelect(GetWindowTable().SelectObject,
                  [](HDC, HGDIOBJ object) {
                      const std::size_t previous = gSelected;
                      gSelected = reinterpret_cast<std::size_t>(object);
                      return reinterpret_cast<HGDIOBJ>(previous);
                  })
        , mDelete(GetWindowTable().DeleteObject, [](HGDIOBJ) { return TRUE; })
        , mMetrics(GetWindowTable().GetTextMetricsA,
                   [](HDC, LPTEXTMETRICA metrics) {
                       const CFakeFace* drawn = FindDrawn(gMade.at(gSelected - 1));
                       *metrics = TEXTMETRICA{};
                       metrics->tmHeight = drawn != nullptr ? drawn->cell : 99;
                       return TRUE;
                   })
        , mExtent(GetWindowTable().GetTextExtentPoint32A, [](HDC, LPCSTR, int count, LPSIZE extent) {
            const CFakeFace* drawn = FindDrawn(gMade.at(gSelected - 1));
            EXPECT_EQ(count, 52);
            *extent = SIZE{drawn != nullptr ? drawn->alphabet : 999, 0};
            return TRUE;
        })
    {
        gFaces = std::move(faces);
        gMade.clear();
        gSelected = 0;
        NSTramvell::ForgetFontStandIns();
    }
    ~CFakeFaces() { NSTramvell::ForgetFontStandIns(); }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetDeviceCaps)> mCaps;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetObjectA)> mStock;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::EnumFontFamiliesExA)> mEnumerate;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateFontIndirectA)> mCreate;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::SelectObject)> mSelect;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DeleteObject)> mDelete;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetTextMetricsA)> mMetrics;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetTextExtentPoint32A)> mExtent;
};

constexpr BYTE kSans = FF_SWISS | VARIABLE_PITCH;
constexpr BYTE kSerif = FF_ROMAN | VARIABLE_PITCH;
constexpr BYTE kMono = FF_MODERN | FIXED_PITCH;

} // namespace

TEST(MakeSystemFontSpec, AMissingFaceDrawnTooWideGivesWayToAnInstalledFaceThatFits)
{
    // "Dialog Face" as the platform draws it when it is missing: 7 pixels a unit.
    const CFakeFace tooWide{"Dialog Face", 0, false, 11, 13, 359};
    const CFakeFace fitting{"Dialog Face", 0, false, 11, 13, 312};
    const struct { const char* what; std::vector<CFakeFace> faces; const char* face; std::uint16_t size; } kCases[] = {
        {"installed, kept however drawn", {{"Dialog Face", kSans, true, 11, 13, 359}, {"Sans Condensed", kSans, true, 11, 13, 318}},
         "Dialog Face", 11},
        {"missing but drawn within the units, kept", {fitting, {"Sans Condensed", kSans, true, 11, 13, 318}},
         "Dialog Face", 11},
        {"the sans-serif that fits, not a mono, a vertical or a serif one",
         {tooWide, {"Mono", kMono, true, 11, 13, 312}, {"@Sans Condensed", kSans, true, 11, 13, 330},
          {"Serif Condensed", kSerif, true, 11, 13, 330}, {"Sans Condensed", kSans, true, 11, 13, 318},
          {"Sans", kSans, true, 11, 13, 359}},
         "Sans Condensed", 11},
        {"a smaller size of a face that fits no other way",
         {tooWide, {"Sans", kSans, true, 11, 13, 359}, {"Sans", kSans, true, 10, 11, 322},
          {"Tall", kSans, true, 11, 15, 300}, {"Tall", kSans, true, 10, 14, 280}, {"Tall", kSans, true, 9, 13, 260}},
         "Sans", 10},
        {"nothing fits, kept", {tooWide, {"Sans", kSans, true, 11, 13, 359}, {"Sans", kSans, true, 10, 13, 350}},
         "Dialog Face", 11},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CFakeFaces faces(c.faces);
        const CFontSpec spec = NSTramvell::GetSystemFontSpec();
        EXPECT_EQ(spec.GetFace(), c.face);
        EXPECT_EQ(spec.GetSize(), c.size);
        EXPECT_EQ(gSelected, 0u) << "the screen keeps a font selected";
        const std::size_t made = gMade.size();
        NSTramvell::GetBoldSystemFontSpec();
        EXPECT_EQ(gMade.size(), made) << "the choice is made once";
    }
}

TEST(MakeSystemFontSpec, TheRealDefaultFontMakesAFontAgain)
{
    const CFontSpec spec = NSTramvell::GetSystemFontSpec();
    EXPECT_FALSE(spec.GetFace().empty());
    EXPECT_GT(spec.GetSize(), 0);
    HFONT font = NSTramvell::CreateNativeFont(spec);
    ASSERT_NE(font, nullptr);
    ::DeleteObject(font);
}
