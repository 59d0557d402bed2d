#include "framework/gui/drawing/NativeFont.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/gui/drawing/FontRules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace NSTramvell {

namespace {

std::int32_t ReadScreenVerticalDotsPerInch()
{
    CWindowTable& table = GetWindowTable();
    HDC screen = table.GetDC(nullptr);
    const int dotsPerInch = table.GetDeviceCaps(screen, LOGPIXELSY);
    table.ReleaseDC(nullptr, screen);
    return dotsPerInch;
}

// What the interface font's face and charset are drawn as, decided once (the enumeration and measuring
// take a while) until the screen resources are released. Fonts are made on the interface thread only.
std::map<std::pair<std::string, std::uint8_t>, std::pair<std::string, std::uint16_t>> gStandIns;

// The screen's drawing context for measuring, released at the end of the scope.
class CScreenContext
{
public:
    CScreenContext() : mContext(GetWindowTable().GetDC(nullptr)) {}
    ~CScreenContext() { GetWindowTable().ReleaseDC(nullptr, mContext); }
    CScreenContext(const CScreenContext&) = delete;
    CScreenContext& operator=(const CScreenContext&) = delete;
    HDC Get() const noexcept { return mContext; }

private:
    HDC mContext;
};

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// The smallest size a stand-in may take; below it texts grow hard to read.
constexpr std::uint16_t kSmallestStandInSize = 9;

// The face as the platform draws it at `size`: false when the platform makes no font of it.
bool MeasureFace(HDC screen, const std::string& face, std::uint16_t size, std::uint8_t characterSet,
                 std::int32_t dotsPerInch, CMeasuredFace& out)
{
    CWindowTable& table = GetWindowTable();
    LOGFONTA description{};
    description.lfHeight = NativeFontHeight(size, dotsPerInch);
    description.lfWeight = kNormalFontWeight;
    description.lfCharSet = characterSet;
    description.lfQuality = DRAFT_QUALITY;
    std::memcpy(description.lfFaceName, face.data(), std::min(face.size(), sizeof description.lfFaceName - 1));
    HFONT font = table.CreateFontIndirectA(&description);
    if (font == nullptr)
        return false;
    HGDIOBJ previous = table.SelectObject(screen, font);
    TEXTMETRICA metrics{};
    SIZE alphabet{};
    const bool measured = table.GetTextMetricsA(screen, &metrics) != 0 &&
                          table.GetTextExtentPoint32A(screen, kAlphabet, sizeof kAlphabet - 1, &alphabet) != 0;
    table.SelectObject(screen, previous);
    table.DeleteObject(font);
    out.mFace = face;
    out.mSize = size;
    out.mCellHeight = metrics.tmHeight;
    out.mAlphabetWidth = alphabet.cx;
    return measured;
}

struct CFaceSearch
{
    const std::string* face;
    bool found;
};

// The enumeration's callbacks take the platform's calling convention, which a lambda does not convert to.
int CALLBACK ReportInstalledFace(const LOGFONTA* found, const TEXTMETRICA*, DWORD, LPARAM context)
{
    auto* search = reinterpret_cast<CFaceSearch*>(context);
    // Face names compare without regard to case, as the platform compares them.
    search->found = search->found || CompareNoCase(found->lfFaceName, *search->face) == 0;
    return search->found ? 0 : 1;
}

using TTextFaces = std::vector<std::pair<std::string, bool>>;

int CALLBACK ReportTextFace(const LOGFONTA* found, const TEXTMETRICA*, DWORD, LPARAM context)
{
    auto* faces = reinterpret_cast<TTextFaces*>(context);
    const std::string name(found->lfFaceName);
    // '@' names the same face turned for vertical writing.
    if (name.empty() || name.front() == '@' || (found->lfPitchAndFamily & 3) == FIXED_PITCH ||
        found->lfCharSet == SYMBOL_CHARSET)
        return 1;
    const auto known =
        std::find_if(faces->begin(), faces->end(), [&](const auto& face) { return face.first == name; });
    if (known == faces->end())
        faces->emplace_back(name, (found->lfPitchAndFamily & 0xF0) == FF_SWISS);
    return 1;
}

// Whether the platform's font enumeration knows the face itself (not a face it would draw instead).
bool IsFaceInstalled(HDC screen, const std::string& face)
{
    CFaceSearch search{&face, false};
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::memcpy(wanted.lfFaceName, face.data(), std::min(face.size(), sizeof wanted.lfFaceName - 1));
    GetWindowTable().EnumFontFamiliesExA(screen, &wanted, &ReportInstalledFace, reinterpret_cast<LPARAM>(&search), 0);
    return search.found;
}

// The installed faces that could draw interface texts: proportional, with letters (no symbol faces), each
// once, in the platform's order, with whether they are sans-serif.
TTextFaces ListTextFaces(HDC screen)
{
    TTextFaces faces;
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    GetWindowTable().EnumFontFamiliesExA(screen, &all, &ReportTextFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

// The face and size that draw the interface font within the dialog units of the templates. Where the
// platform lacks the named face it draws another, which may be wider or taller than the dialog font and
// cut texts off; then an installed face that fits takes its place. A face that is installed, or that fits
// as drawn, is kept, so a platform with its own dialog font changes nothing.
CFontSpec FitToDialogUnits(const CFontSpec& spec)
{
    if (spec.GetSize() != kDialogFontSize || spec.GetFace().empty())
        return spec;
    const auto key = std::make_pair(spec.GetFace(), spec.GetCharacterSet());
    auto known = gStandIns.find(key);
    if (known == gStandIns.end()) {
        std::pair<std::string, std::uint16_t> chosen(spec.GetFace(), spec.GetSize());
        const std::int32_t dotsPerInch = ReadScreenVerticalDotsPerInch();
        CScreenContext screen;
        CMeasuredFace drawn;
        if (!IsFaceInstalled(screen.Get(), spec.GetFace()) &&
            MeasureFace(screen.Get(), spec.GetFace(), spec.GetSize(), spec.GetCharacterSet(), dotsPerInch, drawn) &&
            !FitsDialogFont(drawn.mCellHeight, drawn.mAlphabetWidth)) {
            std::vector<CMeasuredFace> candidates;
            for (const auto& [face, sansSerif] : ListTextFaces(screen.Get())) {
                for (std::uint16_t size = spec.GetSize(); size >= kSmallestStandInSize; --size) {
                    CMeasuredFace measured;
                    if (!MeasureFace(screen.Get(), face, size, spec.GetCharacterSet(), dotsPerInch, measured))
                        break;
                    if (FitsDialogFont(measured.mCellHeight, measured.mAlphabetWidth)) {
                        measured.mSansSerif = sansSerif;
                        candidates.push_back(measured);
                        break;
                    }
                }
            }
            if (const auto standIn = PickDialogFontStandIn(candidates))
                chosen = {standIn->mFace, standIn->mSize};
        }
        known = gStandIns.emplace(key, chosen).first;
    }
    CFontSpec fitted = spec;
    fitted.SetFace(known->second.first);
    fitted.SetSize(known->second.second);
    return fitted;
}

} // namespace

HFONT CreateNativeFont(const CFontSpec& spec)
{
    LOGFONTA description{};
    description.lfHeight = NativeFontHeight(spec.GetSize(), ReadScreenVerticalDotsPerInch());
    description.lfWeight = NativeFontWeight(spec.GetBold());
    description.lfItalic = spec.GetItalic();
    description.lfUnderline = spec.GetUnderline();
    description.lfCharSet = spec.GetCharacterSet();
    description.lfQuality = DRAFT_QUALITY;
    const std::string& face = spec.GetFace();
    std::memcpy(description.lfFaceName, face.data(), std::min(face.size(), sizeof description.lfFaceName - 1));
    HFONT font = GetWindowTable().CreateFontIndirectA(&description);
    if (font == nullptr)
        throw XBase();
    return font;
}

void ForgetFontStandIns()
{
    gStandIns.clear();
}

void MakeSystemFontSpec(CFontSpec& out)
{
    LOGFONTA description{};
    CWindowTable& table = GetWindowTable();
    if (table.GetObjectA(table.GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description) == 0)
        throw XBase();
    description.lfFaceName[sizeof description.lfFaceName - 1] = '\0';
    CFontSpec spec(description.lfFaceName, static_cast<std::uint16_t>(std::abs(description.lfHeight)),
                   IsBoldWeight(description.lfWeight) ? 1 : 0, description.lfItalic, description.lfUnderline);
    spec.SetCharacterSet(description.lfCharSet);
    out = FitToDialogUnits(spec);
}

CFontSpec GetSystemFontSpec()
{
    CFontSpec spec("", 0);
    MakeSystemFontSpec(spec);
    return spec;
}

CFontSpec GetBoldSystemFontSpec()
{
    CFontSpec spec = GetSystemFontSpec();
    spec.SetBold(1);
    return spec;
}

CFontSpec GetPageFontSpec() { return GetSystemFontSpec(); }

CFontSpec GetControlFontSpec() { return GetSystemFontSpec(); }

} // namespace NSTramvell
