#pragma once

// A turn of the mouse wheel as scroll views read it: whole notches, where the pointer was and the
// modifiers held.

#include "framework/gui/geometry/Point.h"
#include "framework/gui/input/ModifierKeys.h"

#include <cstdint>

namespace NSTramvell {

class CMouseEventRecord
{
public:
    CMouseEventRecord(const CModifierKeys& modifiers, const CPoint& position, std::int16_t steps) noexcept
        : mModifiers(modifiers), mPosition(position), mSteps(steps)
    {
    }

    const CModifierKeys& GetModifiers() const noexcept { return mModifiers; }
    const CPoint& GetPosition() const noexcept { return mPosition; }
    // Notches away from the user are positive; a part of a notch counts as none.
    std::int16_t GetCode() const noexcept { return mSteps; }

private:
    CModifierKeys mModifiers;
    CPoint mPosition;
    std::int16_t mSteps;
};

// From a wheel message: the signed high half of wParam in 120ths of a notch, the position as signed
// halves of lParam (screen coordinates, negative left of or above the primary monitor).
CMouseEventRecord MakeMouseWheelEvent(std::uintptr_t wParam, std::intptr_t lParam, const CModifierKeys& modifiers) noexcept;

} // namespace NSTramvell
