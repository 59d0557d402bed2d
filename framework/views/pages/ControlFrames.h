#pragma once

// Frames that control views derive from a dialog-template item's rectangle, kept apart from the views so
// that they hold without a window. The pop-up button's native control has a fixed height.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

constexpr std::int32_t kPopupButtonHeight = 21;

// One pixel higher, then 21 pixels tall, whatever the item's height.
CRect PopupButtonFrameFromRect(const CRect& itemFrame) noexcept;

} // namespace NSTramvell
