#pragma once

// Frames of an animated or many-state control, all kept in one bitmap resource: a sequence holds the
// bitmap's key (not the bitmap, which the cache owns) and the frame count, and finds frame i in a bitmap
// of a given size. The index is not checked: frames past the last lie outside the bitmap and are clipped
// by whoever draws them. Immutable after construction.

#include "framework/gui/geometry/Point.h"
#include "framework/gui/geometry/Rect.h"
#include "framework/gui/images/BitmapKey.h"

#include <cstdint>

namespace NSTramvell {

class CABCCanvas;

class CABCBitmapSequence
{
public:
    virtual ~CABCBitmapSequence();
    // (width, height) of a frame in a bitmap of the given size.
    virtual CPoint GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const = 0;
    virtual void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                              std::uint16_t index) const = 0;
    // False when frames have a size of their own, whatever the bitmap's.
    virtual bool DependsOnBitmapSize() const { return true; }

    std::uint16_t GetFrameCount() const { return mFrameCount; }
    const CBitmapKey& GetKey() const { return mKey; }

    // Both fetch the key's bitmap through the bitmap fetcher (BitmapDrawing.h), so they work only where
    // bitmaps do; GetFrameSize fetches nothing when the frames do not depend on the bitmap's size.
    void GetFrameSize(CPoint& size) const;
    // Frame index with its top-left corner at (x, y); what lies outside the bitmap is not drawn.
    void DrawFrame(CABCCanvas& canvas, std::int32_t x, std::int32_t y, std::uint16_t index) const;

protected:
    // Throws std::invalid_argument for fewer than minimumFrames frames.
    CABCBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount, std::uint16_t minimumFrames);

private:
    std::uint16_t mFrameCount;
    CBitmapKey mKey;
};

// Frames side by side, each followed by a one-pixel divider (the last one's lies past the bitmap).
class CBitmapSequence : public CABCBitmapSequence
{
public:
    CBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount);
    CPoint GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const override;
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;
};

// Frames stacked, each followed by a one-pixel divider.
class CVerticalBitmapSequence : public CABCBitmapSequence
{
public:
    CVerticalBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount);
    CPoint GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const override;
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;
};

// Frames of a fixed size at a fixed place, stacked with 16-pixel gaps.
class CFilmStrip : public CABCBitmapSequence
{
public:
    CFilmStrip(const CBitmapKey& key, std::uint16_t frameCount, std::int32_t left, std::int32_t top,
               std::int32_t frameWidth, std::int32_t frameHeight);
    bool DependsOnBitmapSize() const override { return false; }
    CPoint GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const override;
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;

private:
    std::int32_t mLeft;
    std::int32_t mTop;
    std::int32_t mFrameWidth;
    std::int32_t mFrameHeight;
};

// Frames of a fixed height spread evenly over the bitmap's height, the first at the top and the last at
// the bottom; so at least two frames.
class CVerticalFilmStrip : public CABCBitmapSequence
{
public:
    CVerticalFilmStrip(const CBitmapKey& key, std::uint16_t frameCount, std::int32_t frameHeight);
    CPoint GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const override;
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;

private:
    std::int32_t mFrameHeight;
};

} // namespace NSTramvell
