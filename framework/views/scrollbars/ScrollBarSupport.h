#pragma once

// What scroll bars share without the platform: the handler that receives a scroll bar's actions, the
// turn of native scroll codes into handler calls, the wheel and key helpers that act on any scroll bar,
// and the small conversions of frames, ranges and scroll amounts.

#include "framework/gui/geometry/Rect.h"
#include "framework/views/scrollbars/ScrollBarRange.h"
#include "framework/views/scrolling/ScrollPositions.h"

#include <cstdint>

namespace NSTramvell {

class CKeyEvent;
class CMouseEventRecord;
class CScrollBarView;

// Two 32-bit integers; as a scroll amount, a kind and an amount (see ComputeScrollAmount).
class CIntegerPair
{
public:
    constexpr CIntegerPair() noexcept = default;
    constexpr CIntegerPair(std::int32_t first, std::int32_t second) noexcept : mFirst(first), mSecond(second) {}
    constexpr std::int32_t GetFirst() const noexcept { return mFirst; }
    constexpr std::int32_t GetSecond() const noexcept { return mSecond; }
    friend constexpr bool operator==(const CIntegerPair& a, const CIntegerPair& b) noexcept
    {
        return a.mFirst == b.mFirst && a.mSecond == b.mSecond;
    }

private:
    std::int32_t mFirst = 0;
    std::int32_t mSecond = 0;
};

// Receives what the user does with a scroll bar. Directions are CScrollPositions's: 0 page back,
// 1 page forward, 2 line back, 3 line forward.
class IScrollBarHandler
{
public:
    virtual ~IScrollBarHandler() = default;
    virtual void BeginTracking(CScrollBarView* view) = 0;
    virtual void EndTracking(CScrollBarView* view) = 0;
    virtual void Step(CScrollBarView* view, std::int32_t direction, std::int32_t amount) = 0;
    virtual void Position(CScrollBarView* view, std::int32_t position) = 0;
};

// What the wheel and key helpers ask of a scroll bar.
class IScrollBarSteps
{
public:
    virtual ~IScrollBarSteps() = default;
    // Lines forward for a positive amount, back for a negative one; nothing for 0.
    virtual void ScrollByAmount(std::int32_t lines) = 0;
    virtual void PageBack() = 0;
    virtual void PageForward() = 0;
    virtual void ScrollToPosition(std::int32_t position) = 0;
    virtual CScrollBarRange GetRange() const = 0;
};

// A layout's orientation names the bar's long side: 0 stands upright, 1 lies flat.
inline constexpr std::int32_t kScrollBarVertical = 0;
inline constexpr std::int32_t kScrollBarHorizontal = 1;
inline constexpr std::int32_t kScrollBarThickness = 16;

// Orientation 0 makes the frame 16 wide, 1 makes it 16 high.
CRect MakeScrollBarFrame(const CRect& rect, std::int32_t orientation);
// (range size, visible start, visible size).
CScrollTriple ScrollBarRangeToTriple(const CScrollBarRange& range);
// Kind 0 the amount itself, 1 base + amount x unit1, 2 base + amount x unit2, any other base.
std::int32_t ComputeScrollAmount(const CIntegerPair& spec, std::int32_t base, std::int32_t unit1,
                                 std::int32_t unit2);

// The position that code 7 and the End key go to: as far as the visible part still fits.
std::int32_t GetScrollBarEndPosition(const CScrollBarRange& range);

// One native scroll code (0 to 8) as handler calls. tracking is the scroll bar's flag; trackPosition,
// already in range units, is used by code 5 only. Unknown codes do nothing.
void DispatchScrollCode(IScrollBarHandler& handler, CScrollBarView* view, bool& tracking, std::int32_t code,
                        std::int32_t trackPosition, const CScrollBarRange& range);

// The wheel's notches times the factor, as lines (negated for "back").
void WheelScrollBack(IScrollBarSteps& scrollBar, const CMouseEventRecord& wheel, std::int32_t factor);
void WheelScrollForward(IScrollBarSteps& scrollBar, const CMouseEventRecord& wheel, std::int32_t factor);
// Home, Page Up, End and Page Down as they go down or repeat; false for every other key.
bool HandleScrollBarKey(IScrollBarSteps& scrollBar, const CKeyEvent& event);

} // namespace NSTramvell
