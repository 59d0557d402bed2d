#pragma once

// Frames of an animated or many-state control, all kept in one bitmap resource: a sequence holds the
// bitmap's key (not the bitmap, which the cache owns) and the frame count, and finds frame i in a bitmap
// of a given size. The index is not checked: frames past the last lie outside the bitmap and are clipped
// by whoever draws them. Immutable after construction.

#include "framework/gui/geometry/Rect.h"
#include "framework/gui/images/BitmapKey.h"

#include <cstdint>

namespace NSTramvell {

class CABCBitmapSequence
{
public:
    virtual ~CABCBitmapSequence();
    virtual void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                              std::uint16_t index) const = 0;

    std::uint16_t GetFrameCount() const { return mFrameCount; }
    const CBitmapKey& GetKey() const { return mKey; }

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
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;
};

// Frames stacked, each followed by a one-pixel divider.
class CVerticalBitmapSequence : public CABCBitmapSequence
{
public:
    CVerticalBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount);
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;
};

// Frames of a fixed size at a fixed place, stacked with 16-pixel gaps.
class CFilmStrip : public CABCBitmapSequence
{
public:
    CFilmStrip(const CBitmapKey& key, std::uint16_t frameCount, std::int32_t left, std::int32_t top,
               std::int32_t frameWidth, std::int32_t frameHeight);
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
    void GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                      std::uint16_t index) const override;

private:
    std::int32_t mFrameHeight;
};

} // namespace NSTramvell
