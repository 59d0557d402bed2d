#pragma once

// How a toolbar button looks, from its state: 43 the faded picture, 44 the faded picture sunk in a bevel
// (both disabled), 45 the plain picture, 46 raised, 47 sunk with the picture pushed one pixel in.

#include "framework/gui/regions/Color.h"

#include <cstdint>

namespace NSTramvell {

inline constexpr std::int32_t kToolbarFaded = 43;
inline constexpr std::int32_t kToolbarFadedChecked = 44;
inline constexpr std::int32_t kToolbarFlat = 45;
inline constexpr std::int32_t kToolbarRaised = 46;
inline constexpr std::int32_t kToolbarSunk = 47;

// feedback: whether the button shows the mouse over it and its press (a checked radio button does not).
std::int32_t GetToolbarAppearance(bool enabled, bool down, bool hot, bool checked, bool feedback) noexcept;

// The shadow of a toolbar's bevels and separators: each component of the background at two thirds.
CColor GetToolbarDarkColor(const CColor& background) noexcept;

} // namespace NSTramvell
