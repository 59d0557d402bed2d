#pragma once

// Rectangles of signed 32-bit coordinates whose right and bottom edges are exclusive: (0, 0, 10, 10)
// covers x and y from 0 to 9. Coordinates are never normalised, so an inverted rectangle simply counts
// as empty. CRect answers its corners, centre and size as CPoint, its twin CLocationRect (used for
// window placements) as CLocation; the operations are the same. Plain values without virtual members.

#include "framework/gui/geometry/Point.h"

#include <cstdint>

namespace NSTramvell {

template <typename TSelf, typename TCorner>
class CRectangle
{
public:
    static constexpr std::int32_t kStoredSizeInBytes = 16;

    constexpr CRectangle() noexcept : mLeft(0), mTop(0), mRight(0), mBottom(0) {}
    constexpr CRectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) noexcept
        : mLeft(left), mTop(top), mRight(right), mBottom(bottom)
    {
    }
    constexpr CRectangle(const TCorner& topLeft, const TCorner& bottomRight) noexcept
        : CRectangle(topLeft.GetX(), topLeft.GetY(), bottomRight.GetX(), bottomRight.GetY())
    {
    }

    constexpr std::int32_t GetLeft() const noexcept { return mLeft; }
    constexpr std::int32_t GetTop() const noexcept { return mTop; }
    constexpr std::int32_t GetRight() const noexcept { return mRight; }
    constexpr std::int32_t GetBottom() const noexcept { return mBottom; }
    void SetLeft(std::int32_t left) noexcept { mLeft = left; }
    void SetTop(std::int32_t top) noexcept { mTop = top; }
    void SetRight(std::int32_t right) noexcept { mRight = right; }
    void SetBottom(std::int32_t bottom) noexcept { mBottom = bottom; }

    void Clear() noexcept { Set(0, 0, 0, 0); }
    void Set(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) noexcept;

    constexpr std::int32_t GetWidth() const noexcept { return mRight - mLeft; }
    constexpr std::int32_t GetHeight() const noexcept { return mBottom - mTop; }
    void SetWidth(std::int32_t width) noexcept { mRight = mLeft + width; }
    void SetHeight(std::int32_t height) noexcept { mBottom = mTop + height; }
    void SetSize(std::int32_t width, std::int32_t height) noexcept;
    void SetSize(const TCorner& size) noexcept { SetSize(size.GetX(), size.GetY()); }
    TCorner GetSize() const noexcept { return TCorner(GetWidth(), GetHeight()); }

    void Offset(std::int32_t dx, std::int32_t dy) noexcept;
    void OffsetBy(const TCorner& delta) noexcept { Offset(delta.GetX(), delta.GetY()); }
    void OffsetX(std::int32_t n) noexcept { Offset(n, 0); }
    void OffsetY(std::int32_t n) noexcept { Offset(0, n); }
    void OffsetXNegative(std::int32_t n) noexcept { Offset(-n, 0); }
    void OffsetYNegative(std::int32_t n) noexcept { Offset(0, -n); }
    // The top-left corner goes to the point; width and height stay.
    void MoveTo(std::int32_t x, std::int32_t y) noexcept;
    void MoveTo(const TCorner& topLeft) noexcept { MoveTo(topLeft.GetX(), topLeft.GetY()); }
    // Each moves by the rectangle's own width or height, to the neighbouring cell of a grid.
    void StepRight() noexcept;
    void StepLeft() noexcept;
    void StepUp() noexcept;
    void StepDown() noexcept;

    void Grow(std::int32_t n) noexcept;
    void Inset(std::int32_t n) noexcept { Grow(-n); }
    void GrowVertically(std::int32_t n) noexcept;
    void GrowHorizontally(std::int32_t n) noexcept;
    void InsetVertically(std::int32_t n) noexcept { GrowVertically(-n); }
    void InsetHorizontally(std::int32_t n) noexcept { GrowHorizontally(-n); }
    void EnsureMinSize(std::int32_t width, std::int32_t height) noexcept;
    void EnsureMinSize(const TCorner& size) noexcept { EnsureMinSize(size.GetX(), size.GetY()); }
    void LimitSize(std::int32_t width, std::int32_t height) noexcept;
    void LimitSize(const TCorner& size) noexcept { LimitSize(size.GetX(), size.GetY()); }
    // The minimum first: where the two disagree, the maximum wins.
    void ClampSize(std::int32_t minimumWidth, std::int32_t minimumHeight, std::int32_t maximumWidth,
                   std::int32_t maximumHeight) noexcept;
    void ClampSize(const TCorner& minimum, const TCorner& maximum) noexcept;

    constexpr bool IsEmpty() const noexcept { return GetWidth() < 1 || GetHeight() < 1; }
    constexpr bool IsVertical() const noexcept { return GetHeight() > GetWidth(); }
    constexpr bool ContainsXY(std::int32_t x, std::int32_t y) const noexcept
    {
        return mLeft <= x && x < mRight && mTop <= y && y < mBottom;
    }
    constexpr bool Contains(const TCorner& point) const noexcept { return ContainsXY(point.GetX(), point.GetY()); }
    // Rectangles that only touch do not intersect.
    bool Intersects(const TSelf& other) const noexcept;
    bool IsInside(const TSelf& other) const noexcept;
    // Narrows this rectangle to the common part; when nothing is common it becomes (0, 0, 0, 0) and
    // the answer is false.
    bool Intersect(const TSelf& other) noexcept;
    // The bounding rectangle of both; an empty one takes part like any other.
    void Union(const TSelf& other) noexcept;

    TCorner GetCenter() const noexcept;
    TCorner GetTopLeft() const noexcept { return TCorner(mLeft, mTop); }
    TCorner GetTopRight() const noexcept { return TCorner(mRight, mTop); }
    TCorner GetBottomLeft() const noexcept { return TCorner(mLeft, mBottom); }
    TCorner GetBottomRight() const noexcept { return TCorner(mRight, mBottom); }

    // Centres this rectangle in other, keeping its size; a larger one sticks out on every side.
    void AlignIn(const TSelf& other) noexcept;
    void CenterHorizontallyIn(const TSelf& other) noexcept;
    void CenterVerticallyIn(const TSelf& other) noexcept;
    // Moves this rectangle, keeping its size, to lie in other. One larger than other keeps its right
    // and bottom edges on other's: the top-left edges are pulled in first.
    void PullInside(const TSelf& other) noexcept;
    // As PullInside, but a larger rectangle keeps its left and top edges on other's.
    void PullInsideFromBottomRight(const TSelf& other) noexcept;
    // Moves this rectangle so that at least one pixel of it lies over other.
    void KeepOverlapping(const TSelf& other) noexcept;

    // Stored forms: four big-endian unsigned 16-bit values, left, top, right, bottom, or in the old
    // order top, left, bottom, right; written as four big-endian 32-bit values (kStoredSizeInBytes).
    void ReadFromBytes(const std::uint8_t* buffer) noexcept;
    void ReadFromBytesMacOrder(const std::uint8_t* buffer) noexcept;
    void WriteToBytes(std::uint8_t* buffer) const noexcept;

    friend constexpr bool operator==(const TSelf& a, const TSelf& b) noexcept
    {
        return a.mLeft == b.mLeft && a.mTop == b.mTop && a.mRight == b.mRight && a.mBottom == b.mBottom;
    }

private:
    std::int32_t mLeft;
    std::int32_t mTop;
    std::int32_t mRight;
    std::int32_t mBottom;
};

class CRect : public CRectangle<CRect, CPoint>
{
public:
    using CRectangle::CRectangle;
};

class CLocationRect : public CRectangle<CLocationRect, CLocation>
{
public:
    using CRectangle::CRectangle;
};

extern template class CRectangle<CRect, CPoint>;
extern template class CRectangle<CLocationRect, CLocation>;

} // namespace NSTramvell
