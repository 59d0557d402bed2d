#include "framework/gui/drawing/Palette.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/ColorTables.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace NSTramvell {

namespace {

static_assert(sizeof(CPaletteEntry) == sizeof(PALETTEENTRY));

CPaletteEntry ToEntry(const CColor& color) { return {color.GetRed(), color.GetGreen(), color.GetBlue(), 0}; }

std::vector<CPaletteEntry> ToEntries(const CColor* colors, std::size_t count)
{
    std::vector<CPaletteEntry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        entries.push_back(ToEntry(colors[i]));
    return entries;
}

HDC TakeScreenContext()
{
    HDC screen = GetWindowTable().GetDC(nullptr);
    if (screen == nullptr)
        throw XOutOfMemory();
    return screen;
}

} // namespace

CNativePalette::CNativePalette(const CPaletteEntry* entries, std::uint16_t count)
{
    if (count == 0)
        mEntries = ToEntries(kDefaultPaletteColors.data(), kStaticColorsPerEnd);
    else
        mEntries.assign(entries, entries + count);
    Create();
}

CNativePalette::CNativePalette(const CColor (&freeColors)[236])
    : mEntries([&] {
        const std::vector<CColor> table = Make256ColorTable(MakeColorVector(freeColors, kFreeColorCount));
        return ToEntries(table.data(), table.size());
    }())
{
    Create();
}

CNativePalette::CNativePalette(const std::vector<CColor>& colors)
{
    if (colors.size() < kPaletteSize)
        throw std::invalid_argument("a palette is made of 256 colours");
    mEntries = ToEntries(colors.data(), kPaletteSize);
    Create();
}

CNativePalette::~CNativePalette()
{
    if (mHandle != nullptr)
        GetWindowTable().DeleteObject(mHandle);
}

void CNativePalette::Create()
{
    // The platform record: version, count, then the entries in place of its one-entry array.
    std::vector<std::uint8_t> record(sizeof(LOGPALETTE) + mEntries.size() * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(record.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(mEntries.size());
    auto* entries = reinterpret_cast<CPaletteEntry*>(palette->palPalEntry);
    for (std::size_t i = 0; i < mEntries.size(); ++i)
        entries[i] = mEntries[i];
    mHandle = GetWindowTable().CreatePalette(palette);
    if (mHandle == nullptr)
        throw XOutOfMemory();
}

CNativePalette* CNativePalette::FromContextSystemPalette(HDC context)
{
    PALETTEENTRY read[kPaletteSize] = {};
    const UINT count = GetWindowTable().GetSystemPaletteEntries(context, 0, kPaletteSize, read);
    if (count == 0)
        return new CNativePalette(nullptr, 0);
    return new CNativePalette(reinterpret_cast<const CPaletteEntry*>(read),
                              static_cast<std::uint16_t>(std::min<UINT>(count, kPaletteSize)));
}

CColor CNativePalette::GetColor(std::uint16_t index) const noexcept
{
    if (index >= mEntries.size())
        return kColorBlack;
    const CPaletteEntry& entry = mEntries[index];
    return CColor(entry.red, entry.green, entry.blue);
}

std::vector<CColor> CNativePalette::GetColors() const { return ToColorVector(*this); }

bool CNativePalette::Equals(const CNativePalette& other) const noexcept
{
    if (mEntries.size() != other.mEntries.size())
        return false;
    for (std::size_t i = 0; i < mEntries.size(); ++i) {
        if (!(GetColor(static_cast<std::uint16_t>(i)) == other.GetColor(static_cast<std::uint16_t>(i))))
            return false;
    }
    return true;
}

std::vector<CColor> ToColorVector(const CNativePalette& palette)
{
    std::vector<CColor> colors(kPaletteSize);
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        colors[i] = palette.GetColor(static_cast<std::uint16_t>(i));
    return colors;
}

CNativePalette* ReadPalette236(CMedia& media) { return new CNativePalette(Make256ColorTable(ReadFreeColors(media))); }

CScreenPalette::CScreenPalette()
    : mScreenContext(TakeScreenContext())
{
    CWindowTable& table = GetWindowTable();
    const auto bitsPerPixel = static_cast<std::uint16_t>(table.GetDeviceCaps(mScreenContext, BITSPIXEL));
    const auto planes = static_cast<std::uint16_t>(table.GetDeviceCaps(mScreenContext, PLANES));
    mDepth = bitsPerPixel * planes;
    if (mDepth == 8) {
        try {
            const std::unique_ptr<CNativePalette> system(CNativePalette::FromContextSystemPalette(mScreenContext));
            mColors = ToColorVector(*system);
        } catch (...) {
            table.ReleaseDC(nullptr, mScreenContext);
            throw;
        }
    }
}

CScreenPalette::CScreenPalette(const std::vector<CColor>& colors)
    : mDepth(8)
    , mColors(colors)
    , mScreenContext(TakeScreenContext())
{
}

CScreenPalette::CScreenPalette(std::int32_t depth)
    : mDepth(depth)
    , mScreenContext(TakeScreenContext())
{
}

CScreenPalette::~CScreenPalette() { GetWindowTable().ReleaseDC(nullptr, mScreenContext); }

} // namespace NSTramvell
