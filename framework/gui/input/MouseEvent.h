#pragma once

// A press of the primary mouse button as views see it: where (window client coordinates), how (press or
// double click), with which modifiers, and whether it was made up (a key pressing a button, or a context
// click) rather than coming from the mouse.

#include "framework/gui/geometry/Point.h"
#include "framework/gui/input/ModifierKeys.h"

#include <cstdint>

namespace NSTramvell {

class CMouseEvent
{
public:
    static constexpr std::int32_t kPress = 44;
    static constexpr std::int32_t kDoubleClick = 45;

    CMouseEvent() noexcept = default;
    CMouseEvent(std::int32_t kind, const CPoint& position, std::uint32_t stamp, const CModifierKeys& modifiers,
                bool simulated) noexcept
        : mKind(kind), mModifiers(modifiers), mPosition(position), mStamp(stamp), mSimulated(simulated ? 1 : 0)
    {
    }

    std::int32_t GetKind() const noexcept { return mKind; }
    CModifierKeys GetModifiers() const noexcept { return mModifiers; }
    std::int32_t GetX() const noexcept { return mPosition.GetX(); }
    std::int32_t GetY() const noexcept { return mPosition.GetY(); }
    CPoint GetPosition() const noexcept { return mPosition; }
    std::uint32_t GetStamp() const noexcept { return mStamp; }
    bool IsPress() const noexcept { return mKind == kPress; }
    bool IsDoubleClick() const noexcept { return mKind == kDoubleClick; }
    bool IsSimulated() const noexcept { return mSimulated != 0; }

private:
    std::int32_t mKind = kPress;
    CModifierKeys mModifiers;
    CPoint mPosition;
    std::uint32_t mStamp = 0;
    std::uint8_t mSimulated = 0;
};

} // namespace NSTramvell
