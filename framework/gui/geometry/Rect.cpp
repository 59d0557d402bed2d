#include "framework/gui/geometry/Rect.h"

#include "framework/foundation/core/ByteOrder.h"

#include <algorithm>

namespace NSTramvell {

namespace {

// Half of a signed difference, truncated toward zero; in 64 bits, since the difference of two far
// coordinates does not fit 32.
std::int32_t HalfOf(std::int64_t difference) noexcept
{
    return static_cast<std::int32_t>(difference / 2);
}

} // namespace

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::Set(std::int32_t left, std::int32_t top, std::int32_t right,
                                     std::int32_t bottom) noexcept
{
    mLeft = left;
    mTop = top;
    mRight = right;
    mBottom = bottom;
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::SetSize(std::int32_t width, std::int32_t height) noexcept
{
    SetWidth(width);
    SetHeight(height);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::Offset(std::int32_t dx, std::int32_t dy) noexcept
{
    Set(mLeft + dx, mTop + dy, mRight + dx, mBottom + dy);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::MoveTo(std::int32_t x, std::int32_t y) noexcept
{
    Offset(x - mLeft, y - mTop);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::StepRight() noexcept
{
    OffsetX(GetWidth());
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::StepLeft() noexcept
{
    OffsetX(-GetWidth());
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::StepUp() noexcept
{
    OffsetY(-GetHeight());
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::StepDown() noexcept
{
    OffsetY(GetHeight());
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::Grow(std::int32_t n) noexcept
{
    GrowHorizontally(n);
    GrowVertically(n);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::GrowVertically(std::int32_t n) noexcept
{
    mTop -= n;
    mBottom += n;
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::GrowHorizontally(std::int32_t n) noexcept
{
    mLeft -= n;
    mRight += n;
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::EnsureMinSize(std::int32_t width, std::int32_t height) noexcept
{
    if (GetWidth() < width)
        SetWidth(width);
    if (GetHeight() < height)
        SetHeight(height);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::LimitSize(std::int32_t width, std::int32_t height) noexcept
{
    if (GetWidth() > width)
        SetWidth(width);
    if (GetHeight() > height)
        SetHeight(height);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::ClampSize(std::int32_t minimumWidth, std::int32_t minimumHeight,
                                           std::int32_t maximumWidth, std::int32_t maximumHeight) noexcept
{
    EnsureMinSize(minimumWidth, minimumHeight);
    LimitSize(maximumWidth, maximumHeight);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::ClampSize(const TCorner& minimum, const TCorner& maximum) noexcept
{
    ClampSize(minimum.GetX(), minimum.GetY(), maximum.GetX(), maximum.GetY());
}

template <typename TSelf, typename TCorner>
bool CRectangle<TSelf, TCorner>::Intersects(const TSelf& other) const noexcept
{
    return mTop < other.mBottom && mBottom > other.mTop && mLeft < other.mRight && mRight > other.mLeft;
}

template <typename TSelf, typename TCorner>
bool CRectangle<TSelf, TCorner>::IsInside(const TSelf& other) const noexcept
{
    return mTop >= other.mTop && mBottom <= other.mBottom && mLeft >= other.mLeft && mRight <= other.mRight;
}

template <typename TSelf, typename TCorner>
bool CRectangle<TSelf, TCorner>::Intersect(const TSelf& other) noexcept
{
    mTop = std::max(mTop, other.mTop);
    mBottom = std::min(mBottom, other.mBottom);
    if (mBottom > mTop) {
        mLeft = std::max(mLeft, other.mLeft);
        mRight = std::min(mRight, other.mRight);
        if (mRight > mLeft)
            return true;
    }
    // Callers test the answer or the emptiness: a half-narrowed rectangle would be neither here nor there.
    Clear();
    return false;
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::Union(const TSelf& other) noexcept
{
    Set(std::min(mLeft, other.mLeft), std::min(mTop, other.mTop), std::max(mRight, other.mRight),
        std::max(mBottom, other.mBottom));
}

template <typename TSelf, typename TCorner>
TCorner CRectangle<TSelf, TCorner>::GetCenter() const noexcept
{
    return TCorner(HalfOf(std::int64_t{mLeft} + mRight), HalfOf(std::int64_t{mTop} + mBottom));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::AlignIn(const TSelf& other) noexcept
{
    MoveTo(other.mLeft + HalfOf(std::int64_t{other.GetWidth()} - GetWidth()),
           other.mTop + HalfOf(std::int64_t{other.GetHeight()} - GetHeight()));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::CenterHorizontallyIn(const TSelf& other) noexcept
{
    MoveTo(other.mLeft, mTop);
    OffsetX(HalfOf(std::int64_t{other.GetWidth()} - GetWidth()));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::CenterVerticallyIn(const TSelf& other) noexcept
{
    MoveTo(mLeft, other.mTop);
    OffsetY(HalfOf(std::int64_t{other.GetHeight()} - GetHeight()));
}

namespace {

// The two halves of pulling a rectangle inside another; their order decides which edges a rectangle
// larger than the bound keeps on the bound's.
template <typename TRect>
void PullTopLeftInside(TRect& rect, const TRect& bound) noexcept
{
    if (rect.GetLeft() < bound.GetLeft())
        rect.OffsetX(bound.GetLeft() - rect.GetLeft());
    if (rect.GetTop() < bound.GetTop())
        rect.OffsetY(bound.GetTop() - rect.GetTop());
}

template <typename TRect>
void PullBottomRightInside(TRect& rect, const TRect& bound) noexcept
{
    if (rect.GetRight() > bound.GetRight())
        rect.OffsetX(bound.GetRight() - rect.GetRight());
    if (rect.GetBottom() > bound.GetBottom())
        rect.OffsetY(bound.GetBottom() - rect.GetBottom());
}

} // namespace

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::PullInside(const TSelf& other) noexcept
{
    PullTopLeftInside(*this, static_cast<const CRectangle&>(other));
    PullBottomRightInside(*this, static_cast<const CRectangle&>(other));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::PullInsideFromBottomRight(const TSelf& other) noexcept
{
    PullBottomRightInside(*this, static_cast<const CRectangle&>(other));
    PullTopLeftInside(*this, static_cast<const CRectangle&>(other));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::KeepOverlapping(const TSelf& other) noexcept
{
    if (mRight <= other.mLeft)
        OffsetX(other.mLeft + 1 - mRight);
    if (mBottom <= other.mTop)
        OffsetY(other.mTop + 1 - mBottom);
    if (mLeft >= other.mRight)
        OffsetX(other.mRight - 1 - mLeft);
    if (mTop >= other.mBottom)
        OffsetY(other.mBottom - 1 - mTop);
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::ReadFromBytes(const std::uint8_t* buffer) noexcept
{
    Set(ReadBigEndian16(buffer), ReadBigEndian16(buffer + 2), ReadBigEndian16(buffer + 4),
        ReadBigEndian16(buffer + 6));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::ReadFromBytesMacOrder(const std::uint8_t* buffer) noexcept
{
    Set(ReadBigEndian16(buffer + 2), ReadBigEndian16(buffer), ReadBigEndian16(buffer + 6),
        ReadBigEndian16(buffer + 4));
}

template <typename TSelf, typename TCorner>
void CRectangle<TSelf, TCorner>::WriteToBytes(std::uint8_t* buffer) const noexcept
{
    WriteBigEndian32(buffer, static_cast<std::uint32_t>(mLeft));
    WriteBigEndian32(buffer + 4, static_cast<std::uint32_t>(mTop));
    WriteBigEndian32(buffer + 8, static_cast<std::uint32_t>(mRight));
    WriteBigEndian32(buffer + 12, static_cast<std::uint32_t>(mBottom));
}

template class CRectangle<CRect, CPoint>;
template class CRectangle<CLocationRect, CLocation>;

} // namespace NSTramvell
