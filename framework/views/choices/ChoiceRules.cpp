#include "framework/views/choices/ChoiceRules.h"

#include <algorithm>

namespace NSTramvell {

bool CRadioSelection::ShouldOffer(std::uint16_t index) const noexcept
{
    return mPending ? index != mPendingIndex : index != mSelected;
}

void CRadioSelection::BeginOffer(std::uint16_t index) noexcept
{
    mPending = true;
    mPendingIndex = index;
}

void CRadioSelection::EndOffer() noexcept
{
    mPending = false;
    mPendingIndex = kNoPending;
}

bool CRadioSelection::TakePending(std::uint16_t& index) noexcept
{
    if (!mPending)
        return false;
    index = mPendingIndex;
    EndOffer();
    return true;
}

bool CRadioSelection::SetSelected(std::uint16_t index) noexcept
{
    if (index == mSelected)
        return false;
    mSelected = index;
    return true;
}

void CRadioSelection::ChildRemoved(std::uint16_t index) noexcept
{
    if (mSelected == kNone)
        return;
    if (index == mSelected)
        mSelected = kNone;
    else if (index < mSelected)
        --mSelected;
}

std::uint16_t StepRadioIndex(std::uint16_t index, std::int32_t delta, std::uint16_t count) noexcept
{
    if (count == 0)
        return CRadioSelection::kNone;
    const std::int32_t stepped = (static_cast<std::int32_t>(index) + delta) % count;
    return static_cast<std::uint16_t>(stepped < 0 ? stepped + count : stepped);
}

std::uint16_t GetFaderPageSize(std::uint16_t maximum) noexcept
{
    return maximum >= 20 ? static_cast<std::uint16_t>(maximum / 10) : 1;
}

std::int32_t FaderValueToPosition(std::int32_t orientation, std::uint16_t maximum, std::uint16_t value) noexcept
{
    return orientation == kFaderVertical ? maximum - value : value;
}

std::uint16_t FaderPositionToValue(std::int32_t orientation, std::uint16_t maximum, std::int32_t position) noexcept
{
    const std::int32_t value = orientation == kFaderVertical ? maximum - position : position;
    return static_cast<std::uint16_t>(std::clamp<std::int32_t>(value, 0, maximum));
}

CRect ThickenFaderFrame(const CRect& frame, std::int32_t orientation) noexcept
{
    CRect thick = frame;
    if (orientation == kFaderVertical)
        thick.SetRight(thick.GetLeft() + kFaderThickness);
    else
        thick.SetBottom(thick.GetTop() + kFaderThickness);
    return thick;
}

std::uint32_t GetFaderStyle(std::int32_t orientation, std::int32_t tickPlacement) noexcept
{
    std::uint32_t style = orientation == kFaderVertical ? 0x50000012u : 0x50000010u;
    if (tickPlacement == 1)
        style |= 0x4u;
    else if (tickPlacement == 3)
        style |= 0x8u;
    return style;
}

} // namespace NSTramvell
