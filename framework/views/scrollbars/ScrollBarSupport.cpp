#include "framework/views/scrollbars/ScrollBarSupport.h"

#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/input/MouseWheel.h"

namespace NSTramvell {
namespace {

constexpr std::uint32_t kKeyHome = 84;
constexpr std::uint32_t kKeyPageUp = 85;
constexpr std::uint32_t kKeyEnd = 87;
constexpr std::uint32_t kKeyPageDown = 88;

enum : std::int32_t
{
    kCodeLineUp = 0,
    kCodeLineDown = 1,
    kCodePageUp = 2,
    kCodePageDown = 3,
    kCodeThumbPosition = 4,
    kCodeThumbTrack = 5,
    kCodeTop = 6,
    kCodeBottom = 7,
    kCodeEndScroll = 8,
};

void BeginTrackingOnce(IScrollBarHandler& handler, CScrollBarView* view, bool& tracking)
{
    if (tracking)
        return;
    tracking = true;
    handler.BeginTracking(view);
}

} // namespace

CRect MakeScrollBarFrame(const CRect& rect, std::int32_t orientation)
{
    CRect frame = rect;
    if (orientation == kScrollBarVertical)
        frame.SetRight(frame.GetLeft() + kScrollBarThickness);
    else if (orientation == kScrollBarHorizontal)
        frame.SetBottom(frame.GetTop() + kScrollBarThickness);
    return frame;
}

CScrollTriple ScrollBarRangeToTriple(const CScrollBarRange& range)
{
    return CScrollTriple(range.GetRangeSize(), range.GetVisibleStart(), range.GetVisibleSize());
}

std::int32_t ComputeScrollAmount(const CIntegerPair& spec, std::int32_t base, std::int32_t unit1,
                                 std::int32_t unit2)
{
    switch (spec.GetFirst()) {
    case 0:
        return spec.GetSecond();
    case 1:
        return base + spec.GetSecond() * unit1;
    case 2:
        return base + spec.GetSecond() * unit2;
    default:
        return base;
    }
}

std::int32_t GetScrollBarEndPosition(const CScrollBarRange& range)
{
    return range.GetMaximum() - range.GetVisibleSize();
}

void DispatchScrollCode(IScrollBarHandler& handler, CScrollBarView* view, bool& tracking, std::int32_t code,
                        std::int32_t trackPosition, const CScrollBarRange& range)
{
    switch (code) {
    case kCodeLineUp:
        BeginTrackingOnce(handler, view, tracking);
        handler.Step(view, CScrollPositions::kLineBack, 1);
        break;
    case kCodeLineDown:
        BeginTrackingOnce(handler, view, tracking);
        handler.Step(view, CScrollPositions::kLineForward, 1);
        break;
    case kCodePageUp:
        handler.Step(view, CScrollPositions::kPageBack, 1);
        break;
    case kCodePageDown:
        handler.Step(view, CScrollPositions::kPageForward, 1);
        break;
    case kCodeThumbPosition:
        BeginTrackingOnce(handler, view, tracking);
        break;
    case kCodeThumbTrack:
        BeginTrackingOnce(handler, view, tracking);
        handler.Position(view, trackPosition);
        break;
    case kCodeTop:
        handler.Position(view, range.GetMinimum());
        break;
    case kCodeBottom:
        handler.Position(view, GetScrollBarEndPosition(range));
        break;
    case kCodeEndScroll:
        if (tracking) {
            tracking = false;
            handler.EndTracking(view);
        }
        break;
    default:
        break;
    }
}

void WheelScrollBack(IScrollBarSteps& scrollBar, const CMouseEventRecord& wheel, std::int32_t factor)
{
    scrollBar.ScrollByAmount(-(wheel.GetCode() * factor));
}

void WheelScrollForward(IScrollBarSteps& scrollBar, const CMouseEventRecord& wheel, std::int32_t factor)
{
    scrollBar.ScrollByAmount(wheel.GetCode() * factor);
}

bool HandleScrollBarKey(IScrollBarSteps& scrollBar, const CKeyEvent& event)
{
    if (event.GetKind() != kKeyDown && event.GetKind() != kKeyRepeat)
        return false;
    switch (event.GetKeyCode()) {
    case kKeyHome:
        scrollBar.ScrollToPosition(scrollBar.GetRange().GetMinimum());
        return true;
    case kKeyPageUp:
        scrollBar.PageBack();
        return true;
    case kKeyEnd:
        scrollBar.ScrollToPosition(GetScrollBarEndPosition(scrollBar.GetRange()));
        return true;
    case kKeyPageDown:
        scrollBar.PageForward();
        return true;
    default:
        return false;
    }
}

} // namespace NSTramvell
