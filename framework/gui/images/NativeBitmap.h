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

// Depths 1 (0 black, 1 white), 16 and 32. Throws XOutOfMemory when the platform makes no context,
// bitmap or selection.
class CWinDirectBitmap : public CWinABCBitmap
{
public:
    CWinDirectBitmap(std::int32_t width, std::int32_t height, std::int32_t depth);
    ~CWinDirectBitmap() override;
    CWinDirectBitmap(const CWinDirectBitmap&) = delete;
    CWinDirectBitmap& operator=(const CWinDirectBitmap&) = delete;

    HDC GetContext() const override { return mContext; }
    std::uint8_t* GetPixels() override { return mPixels; }
    const std::uint8_t* GetPixelsConst() const override { return mPixels; }
    HBITMAP GetHandle() const override { return mHandle; }

private:
    void Release() noexcept;

    HDC mContext = nullptr;         // owned
    std::uint8_t* mPixels = nullptr;   // the platform's, valid while mHandle lives
    HBITMAP mHandle = nullptr;      // owned
    HGDIOBJ mReplaced = nullptr;    // the context's own, selected back before the bitmap goes
};

// 8 bits per pixel through a 256-colour table, whose palette is selected into the context too. Throws
// XBase for a table of another size or a palette the context refuses, XOutOfMemory as above.
class CWinBitmap8 : public CWinABCBitmap
{
public:
    CWinBitmap8(std::int32_t width, std::int32_t height, const std::vector<CColor>& colors);
    ~CWinBitmap8() override;
    CWinBitmap8(const CWinBitmap8&) = delete;
    CWinBitmap8& operator=(const CWinBitmap8&) = delete;

    HDC GetContext() const override { return mContext; }
    std::uint8_t* GetPixels() override { return mPixels; }
    const std::uint8_t* GetPixelsConst() const override { return mPixels; }
    HBITMAP GetHandle() const override { return mHandle; }

private:
    void Release() noexcept;

    HDC mContext = nullptr;
    std::uint8_t* mPixels = nullptr;
    HBITMAP mHandle = nullptr;
    HGDIOBJ mReplaced = nullptr;
    HPALETTE mReplacedPalette = nullptr;
    std::unique_ptr<CNativePalette> mPalette;
};

} // namespace NSTramvell
