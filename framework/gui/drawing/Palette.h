#pragma once

// Palettes for 256-colour screens: a platform palette (CNativePalette) and the record of the screen's
// depth and current colours (CScreenPalette) that painting consults before it draws.

#include "framework/gui/drawing/NativeHandles.h"
#include "framework/gui/regions/Color.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

class CMedia;

// One entry as the platform stores it.
struct CPaletteEntry
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t flags;
};

// Owns its platform palette. Every constructor throws XOutOfMemory when the platform makes none.
class CNativePalette
{
public:
    // The entries unchanged; no entries gives the ten low static colours.
    CNativePalette(const CPaletteEntry* entries, std::uint16_t count);
    // The 236 free colours between the static ones.
    explicit CNativePalette(const CColor (&freeColors)[236]);
    // The first 256 colours (std::invalid_argument when fewer).
    explicit CNativePalette(const std::vector<CColor>& colors);
    ~CNativePalette();
    CNativePalette(const CNativePalette&) = delete;
    CNativePalette& operator=(const CNativePalette&) = delete;

    // Up to 256 entries of the context's system palette; none read gives the low static colours.
    static CNativePalette* FromContextSystemPalette(HDC context);

    HPALETTE GetHandle() const noexcept { return mHandle; }
    std::uint16_t GetEntryCount() const noexcept { return static_cast<std::uint16_t>(mEntries.size()); }
    // Black for an index past the entries.
    CColor GetColor(std::uint16_t index) const noexcept;
    std::vector<CColor> GetColors() const;
    bool Equals(const CNativePalette& other) const noexcept;

private:
    void Create();

    std::vector<CPaletteEntry> mEntries;   // what the platform palette was made from
    HPALETTE mHandle = nullptr;            // owned
};

// 256 colours from the palette's entries, black where it has fewer.
std::vector<CColor> ToColorVector(const CNativePalette& palette);
CNativePalette* ReadPalette236(CMedia& media);

// The screen's depth (bits per pixel times planes) and, at 8 bits, its 256 current colours. Holds a
// drawing context of the whole screen for its lifetime, so it is not copied.
class CScreenPalette
{
public:
    CScreenPalette();
    explicit CScreenPalette(const std::vector<CColor>& colors);
    explicit CScreenPalette(std::int32_t depth);
    ~CScreenPalette();
    CScreenPalette(const CScreenPalette&) = delete;
    CScreenPalette& operator=(const CScreenPalette&) = delete;

    std::int32_t GetDepth() const noexcept { return mDepth; }
    const std::vector<CColor>& GetColors() const noexcept { return mColors; }
    HDC GetScreenContext() const noexcept { return mScreenContext; }

private:
    std::int32_t mDepth = 0;
    std::vector<CColor> mColors;
    HDC mScreenContext = nullptr;   // owned: released to the platform
};

} // namespace NSTramvell
