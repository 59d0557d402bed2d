#pragma once

// Pictures held in a native bitmap (COSBitmap) at a fixed depth: CBitmap1, 8, 16 and 32, and the 32-bit
// CMaskedBitmap (drawn through a 1-bit mask) and CAlphaBitmap32 (blended by its fourth byte). Whoever
// makes a bitmap owns it: the bitmap cache for fetched pictures, a view for its offscreen buffer. Pixel
// access is counted only so that the platform is flushed before the first one.

#include "framework/gui/images/Image.h"
#include "framework/gui/images/NativeBitmap.h"
#include "framework/gui/images/PixelRows.h"
#include "framework/gui/regions/Color.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace NSTramvell {

class CScreenPalette;

class COSBitmap : public CABCImage
{
public:
    ~COSBitmap() override;
    COSBitmap(const COSBitmap&) = delete;
    COSBitmap& operator=(const COSBitmap&) = delete;

    void GetLayout(CImageLayout& layout) const override { layout = mLayout; }
    const CImageLayout& GetLayout() const { return mLayout; }
    // A plain copy with the platform's source copy.
    void Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX, std::int32_t srcY,
              std::int32_t width, std::int32_t height) override;

    const CWinABCBitmap& GetNativeBitmap() const { return *mNative; }
    CWinABCBitmap& GetNativeBitmap() { return *mNative; }

    std::uint8_t* LockPixels();
    void UnlockPixels(std::uint8_t*& pixels);
    const std::uint8_t* LockPixelsConst();
    void UnlockPixelsConst(const std::uint8_t*& pixels);
    void AttachCanvas() { ++mCanvasCount; }
    void DetachCanvas() { --mCanvasCount; }

    void InvertPixels();

protected:
    explicit COSBitmap(std::unique_ptr<CWinABCBitmap> native);

private:
    std::uint16_t mWriteAccessCount = 0;
    std::uint16_t mReadAccessCount = 0;
    std::uint16_t mCanvasCount = 0;
    std::unique_ptr<CWinABCBitmap> mNative;
    CImageLayout mLayout;   // read from the platform once the native bitmap exists
};

// Write access to a bitmap's pixels for one scope.
class CPixelWriteAccess
{
public:
    explicit CPixelWriteAccess(COSBitmap& bitmap) : mBitmap(bitmap), mRows{bitmap.LockPixels(), bitmap.GetLayout()} {}
    ~CPixelWriteAccess() { mBitmap.UnlockPixels(mRows.pixels); }
    CPixelWriteAccess(const CPixelWriteAccess&) = delete;
    CPixelWriteAccess& operator=(const CPixelWriteAccess&) = delete;
    const CPixelRows& GetRows() const { return mRows; }

private:
    COSBitmap& mBitmap;   // borrowed for the scope
    CPixelRows mRows;
};

// Read access for one scope; the rows must not be written.
class CPixelReadAccess
{
public:
    explicit CPixelReadAccess(COSBitmap& bitmap);
    ~CPixelReadAccess();
    CPixelReadAccess(const CPixelReadAccess&) = delete;
    CPixelReadAccess& operator=(const CPixelReadAccess&) = delete;
    const CPixelRows& GetRows() const { return mRows; }

private:
    COSBitmap& mBitmap;
    const std::uint8_t* mPixels;
    CPixelRows mRows;
};

class CBitmap1 : public COSBitmap
{
public:
    CBitmap1(std::int32_t width, std::int32_t height);
};

class CBitmap8 : public COSBitmap
{
public:
    // XBase for a table of other than 256 colours.
    CBitmap8(std::int32_t width, std::int32_t height, const std::vector<CColor>& colors);
    const std::vector<CColor>& GetColors() const { return mColors; }
    void SwapBlackAndWhite();

private:
    std::vector<CColor> mColors;
};

class CBitmap16 : public COSBitmap
{
public:
    CBitmap16(std::int32_t width, std::int32_t height);
};

class CBitmap32 : public COSBitmap
{
public:
    CBitmap32(std::int32_t width, std::int32_t height);
    void SetAlpha(std::uint8_t alpha);
};

class CMaskedBitmap : public CBitmap32
{
public:
    CMaskedBitmap(std::int32_t width, std::int32_t height);
    // Copies the 1-bits of the mask as transparent; before SetMask, a plain copy.
    void Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX, std::int32_t srcY,
              std::int32_t width, std::int32_t height) override;
    // Every pixel of exactly this colour turns transparent and black; all others opaque.
    void SetMask(const CColor& color);
    CBitmap1* GetMask() const { return mMask.get(); }

private:
    std::unique_ptr<CBitmap1> mMask;   // made by the first SetMask
};

class CAlphaBitmap32 : public CBitmap32
{
public:
    CAlphaBitmap32(std::int32_t width, std::int32_t height);
    // Blends into a canvas whose target is a 32-bit bitmap; elsewhere a plain copy.
    void Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX, std::int32_t srcY,
              std::int32_t width, std::int32_t height) override;
};

// 16 gives a CBitmap16; every other depth a CBitmap32, so a picture exists whatever the screen reports.
std::unique_ptr<COSBitmap> CreateBitmap(std::int32_t width, std::int32_t height, std::int32_t depth);
// A CBitmap8 over the screen's colours at 8 bits, else CreateBitmap with the screen's depth.
std::unique_ptr<COSBitmap> CreateBitmapOfDepth(std::int32_t width, std::int32_t height, const CScreenPalette& screen);

} // namespace NSTramvell
