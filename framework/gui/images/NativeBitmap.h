#pragma once

// A platform device-independent bitmap kept selected into a drawing context of its own: the platform
// copies from that context, the framework writes the same pixel memory directly. Rows are stored top
// row first. A native bitmap keeps its size and depth for life and releases everything it made.

#include "framework/gui/drawing/NativeHandles.h"
#include "framework/gui/regions/Color.h"

#include <cstdint>
#include <memory>
#include <vector>

struct HBITMAP__;
typedef struct HBITMAP__* HBITMAP;

namespace NSTramvell {

class CNativePalette;

class CWinABCBitmap
{
public:
    virtual ~CWinABCBitmap();
    virtual HDC GetContext() const = 0;
    virtual std::uint8_t* GetPixels() = 0;
    virtual const std::uint8_t* GetPixelsConst() const = 0;
    virtual HBITMAP GetHandle() const = 0;
};

// What both kinds hold: the context, the bitmap made for it, its pixel memory and what the bitmap
// displaced in the context.
class CWinSectionBitmap : public CWinABCBitmap
{
public:
    CWinSectionBitmap(const CWinSectionBitmap&) = delete;
    CWinSectionBitmap& operator=(const CWinSectionBitmap&) = delete;

    HDC GetContext() const override { return mContext; }
    std::uint8_t* GetPixels() override { return mPixels; }
    const std::uint8_t* GetPixelsConst() const override { return mPixels; }
    HBITMAP GetHandle() const override { return mHandle; }

protected:
    CWinSectionBitmap() = default;
    // Selects the displaced object back, deletes the bitmap and the context; nothing without a context.
    void ReleaseSection() noexcept;

    HDC mContext = nullptr;            // owned
    std::uint8_t* mPixels = nullptr;   // the platform's, valid while mHandle lives
    HBITMAP mHandle = nullptr;         // owned
    HGDIOBJ mReplaced = nullptr;       // the context's own, selected back before the bitmap goes
};

// Depths 1 (0 black, 1 white), 16 and 32. Throws XOutOfMemory when the platform makes no context,
// bitmap or selection.
class CWinDirectBitmap : public CWinSectionBitmap
{
public:
    CWinDirectBitmap(std::int32_t width, std::int32_t height, std::int32_t depth);
    ~CWinDirectBitmap() override;
};

// 8 bits per pixel through a 256-colour table, whose palette is selected into the context too. Throws
// XBase for a table of another size or a palette the context refuses, XOutOfMemory as above.
class CWinBitmap8 : public CWinSectionBitmap
{
public:
    CWinBitmap8(std::int32_t width, std::int32_t height, const std::vector<CColor>& colors);
    ~CWinBitmap8() override;

private:
    void Release() noexcept;

    HPALETTE mReplacedPalette = nullptr;
    std::unique_ptr<CNativePalette> mPalette;
};

} // namespace NSTramvell
