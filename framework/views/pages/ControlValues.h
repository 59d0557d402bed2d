#pragma once

// The arithmetic of the bitmap-drawn controls, free of views so that it also runs on the host: how far a
// drag moves a value, where a fader's handle lies, and which frame of a sequence a knob shows.

#include "framework/gui/geometry/Point.h"

#include <cstdint>

namespace NSTramvell {

// Orientations of a drag: vertical drags rise with upward movement, horizontal ones with rightward.
constexpr std::int32_t kDragVertical = 1;
constexpr std::int32_t kDragHorizontal = 2;

// startValue + movement × valueSpan ÷ dragPixels, truncated toward zero. Another orientation, or no
// pixels to divide by, leaves the start value.
std::int32_t DragValue(std::int32_t startValue, const CPoint& startPoint, const CPoint& currentPoint,
                       std::int32_t dragPixels, std::int32_t valueSpan, std::int32_t orientation) noexcept;

// The offset of a fader's handle along its track for a value of 0..999: value × (track − handle) ÷ 1000.
std::int32_t FaderHandleOffset(std::int32_t value, std::int32_t trackLength, std::int32_t handleLength) noexcept;

// A value limited to 0..999, the range of every bitmap-drawn control.
std::int32_t ClampControlValue(std::int32_t value) noexcept;

// The frame of a sequence of frameCount frames that shows a value of 0..999.
std::uint16_t SequenceFrameForValue(std::int32_t value, std::uint16_t frameCount) noexcept;

// A zero-snap knob's answer to a drag: inside [zoneStart, zoneStart + zoneWidth) the value holds the zone's
// start, so the knob rests there until the drag leaves the zone; outside it the dragged value stands.
std::int32_t SnapToZone(std::int32_t value, std::int32_t zoneStart, std::int32_t zoneWidth) noexcept;

} // namespace NSTramvell
