#pragma once

// The rules of the choice controls that need no control: a radio group's one selection with its
// pending offer, and a fader's range, page, trackbar positions, thickness and style.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

// A radio group's selection. An offer is pending while the group's change notice climbs; the owner
// takes it and, to accept it, sets the displayed selection.
class CRadioSelection
{
public:
    static constexpr std::uint16_t kNone = 65535;
    static constexpr std::uint16_t kNoPending = 666;

    std::uint16_t GetSelected() const noexcept { return mSelected; }
    // Whether the index is news: not the pending offer while one is pending, else not the selection.
    bool ShouldOffer(std::uint16_t index) const noexcept;
    void BeginOffer(std::uint16_t index) noexcept;
    void EndOffer() noexcept;
    // False when nothing is pending; otherwise the pending index, and the offer is over.
    bool TakePending(std::uint16_t& index) noexcept;
    // True when the index changed.
    bool SetSelected(std::uint16_t index) noexcept;
    // The child at index leaves the group: the selection stays on its button.
    void ChildRemoved(std::uint16_t index) noexcept;

private:
    std::uint16_t mSelected = kNone;
    bool mPending = false;
    std::uint16_t mPendingIndex = kNoPending;
};

// The index delta steps away from index among count buttons, wrapping at both ends.
std::uint16_t StepRadioIndex(std::uint16_t index, std::int32_t delta, std::uint16_t count) noexcept;

inline constexpr std::int32_t kFaderHorizontal = 1;
inline constexpr std::int32_t kFaderVertical = 2;
inline constexpr std::int32_t kFaderThickness = 25;

// A tenth of the maximum from 20 on, else 1.
std::uint16_t GetFaderPageSize(std::uint16_t maximum) noexcept;
// Value to trackbar position and back: a vertical fader has its maximum at the top. Positions from the
// control are kept inside 0 .. maximum.
std::int32_t FaderValueToPosition(std::int32_t orientation, std::uint16_t maximum, std::uint16_t value) noexcept;
std::uint16_t FaderPositionToValue(std::int32_t orientation, std::uint16_t maximum, std::int32_t position) noexcept;
// A horizontal fader 25 high, a vertical one 25 wide.
CRect ThickenFaderFrame(const CRect& frame, std::int32_t orientation) noexcept;
// The trackbar style; tick placement 1 adds the top (left) bit, 3 the both-sides bit.
std::uint32_t GetFaderStyle(std::int32_t orientation, std::int32_t tickPlacement) noexcept;

} // namespace NSTramvell
