#pragma once

// The framework's points and rectangles and the platform's records of them carry the same 32-bit
// values in the same order, so each conversion copies field by field and checks nothing.

#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

inline CPoint ToPoint(const POINT& native) noexcept
{
    return CPoint(native.x, native.y);
}

inline CLocation ToLocation(const POINT& native) noexcept
{
    return CLocation(native.x, native.y);
}

// A point the platform hands over packed in 64 bits: x in the low half, y in the high one.
inline CPoint ToPoint(std::uint64_t packed) noexcept
{
    return CPoint(static_cast<std::int32_t>(static_cast<std::uint32_t>(packed)),
                  static_cast<std::int32_t>(static_cast<std::uint32_t>(packed >> 32)));
}

inline CRect ToRect(const RECT& native) noexcept
{
    return CRect(native.left, native.top, native.right, native.bottom);
}

inline CLocationRect ToLocationRect(const RECT& native) noexcept
{
    return CLocationRect(native.left, native.top, native.right, native.bottom);
}

template <typename TSelf, typename TCorner>
RECT ToNative(const CRectangle<TSelf, TCorner>& rect) noexcept
{
    RECT native;
    native.left = rect.GetLeft();
    native.top = rect.GetTop();
    native.right = rect.GetRight();
    native.bottom = rect.GetBottom();
    return native;
}

} // namespace NSTramvell
