#pragma once

// Two signed coordinates: a position, or a size with x as the width and y as the height. CPoint and
// CLocation are one value in two types: window placements are kept as CLocation, so a view's point
// and a saved window position cannot be handed one for the other. Plain values, copied freely.

#include <cstdint>

namespace NSTramvell {

template <typename TSelf>
class CCoordinatePair
{
public:
    constexpr CCoordinatePair() noexcept : mX(0), mY(0) {}
    constexpr CCoordinatePair(std::int32_t x, std::int32_t y) noexcept : mX(x), mY(y) {}

    void Clear() noexcept { Set(0, 0); }
    constexpr std::int32_t GetX() const noexcept { return mX; }
    constexpr std::int32_t GetY() const noexcept { return mY; }
    void SetX(std::int32_t x) noexcept { mX = x; }
    void SetY(std::int32_t y) noexcept { mY = y; }
    void Set(std::int32_t x, std::int32_t y) noexcept
    {
        mX = x;
        mY = y;
    }
    void CopyFrom(const TSelf& other) noexcept { Set(other.mX, other.mY); }
    void Offset(std::int32_t dx, std::int32_t dy) noexcept
    {
        mX += dx;
        mY += dy;
    }

    friend constexpr bool operator==(const TSelf& a, const TSelf& b) noexcept
    {
        return a.mX == b.mX && a.mY == b.mY;
    }

private:
    std::int32_t mX;
    std::int32_t mY;
};

class CPoint : public CCoordinatePair<CPoint>
{
public:
    using CCoordinatePair::CCoordinatePair;
};

// Window-position code stores (-32768, -32768) here for "no position saved"; the type gives no value
// a meaning of its own.
class CLocation : public CCoordinatePair<CLocation>
{
public:
    using CCoordinatePair::CCoordinatePair;
};

} // namespace NSTramvell
