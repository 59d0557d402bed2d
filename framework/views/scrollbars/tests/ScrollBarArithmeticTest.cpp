// The scroll-bar range and the scroll-bar helpers, without a scroll bar on the screen.

#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/input/MouseWheel.h"
#include "framework/views/scrollbars/ScrollBarRange.h"
#include "framework/views/scrollbars/ScrollBarSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using NSTramvell::CIntegerPair;
using NSTramvell::CRect;
using NSTramvell::CScrollBarRange;
using NSTramvell::CScrollTriple;

namespace {

CScrollBarRange MakeRange(std::int32_t minimum, std::int32_t maximum, std::int32_t start, std::int32_t end)
{
    CScrollBarRange range(minimum, maximum);
    range.SetVisible(start, end);
    return range;
}

struct CVisible
{
    std::int32_t mStart;
    std::int32_t mEnd;
};

void ExpectVisible(const CScrollBarRange& range, CVisible expected)
{
    EXPECT_EQ(range.GetVisibleStart(), expected.mStart);
    EXPECT_EQ(range.GetVisibleEnd(), expected.mEnd);
}

} // namespace

TEST(CScrollBarRange, AutomaticStepIsATenthOfTheVisibleSizeTruncated)
{
    CScrollBarRange range(0, 100);
    range.SetVisible(10, 35);
    EXPECT_EQ(range.GetEffectiveStep(), 2);
    range.SetVisible(10, 19);
    EXPECT_EQ(range.GetEffectiveStep(), 0);
    range.SetStep(7);
    EXPECT_EQ(range.GetEffectiveStep(), 7);
    EXPECT_EQ(CScrollBarRange().GetStep(), CScrollBarRange::kAutomaticStep);
}

TEST(CScrollBarRange, EqualityIgnoresTheStepAndCopiesKeepIt)
{
    CScrollBarRange a = MakeRange(0, 100, 10, 20);
    CScrollBarRange b = a;
    b.SetStep(3);
    EXPECT_TRUE(a == b);
    b.SetVisibleEnd(21);
    EXPECT_FALSE(a == b);
    CScrollBarRange c;
    c = b;
    EXPECT_EQ(c.GetStep(), 3);
    EXPECT_TRUE(c == b);
}

TEST(CScrollBarRange, ScrollToKeepsTheSizeInsideTheRangeAndNeverMovesBackNearTheEnd)
{
    const struct
    {
        std::int32_t mStart, mEnd, mTo;
        CVisible mExpected;
    } kCases[] = {
        {20, 40, 50, {50, 70}},    // inside
        {20, 40, -5, {10, 30}},    // below the minimum of 10
        {20, 40, 95, {80, 100}},   // past the end: maximum - size
        {85, 105, 95, {85, 105}},  // already beyond maximum - size: stays
        {20, 40, 80, {80, 100}},   // exactly up to the end
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.mStart) + " to " + std::to_string(c.mTo));
        CScrollBarRange range = MakeRange(10, 100, c.mStart, c.mEnd);
        range.ScrollTo(c.mTo);
        ExpectVisible(range, c.mExpected);
    }
}

TEST(CScrollBarRange, PagingAndWholeSizeMovesGoThroughTheBoundedScroll)
{
    CScrollBarRange range = MakeRange(0, 100, 40, 60);   // automatic step 2
    range.PageForward();
    ExpectVisible(range, {42, 62});
    range.PageBack();
    range.PageBack();
    ExpectVisible(range, {38, 58});
    range.ScrollBackBySize();
    ExpectVisible(range, {18, 38});
    range.ScrollBackBySize();
    ExpectVisible(range, {0, 20});
    range.ScrollToEnd();
    ExpectVisible(range, {20, 40});
    range.MoveStartTo(-30);
    ExpectVisible(range, {-30, -10});   // unbounded
    range.MoveEndTo(130);
    ExpectVisible(range, {110, 130});
}

TEST(CScrollBarRange, SetRangeSlidesAVisiblePartThatReachesBeyondTheNewMaximum)
{
    const struct
    {
        std::int32_t mMinimum, mMaximum;
        CVisible mExpected;
    } kCases[] = {
        {0, 200, {60, 90}},    // still inside
        {0, 80, {50, 80}},     // slid back, same size
        {70, 80, {70, 100}},   // not below the new minimum
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.mMinimum) + ".." + std::to_string(c.mMaximum));
        CScrollBarRange range = MakeRange(0, 100, 60, 90);
        range.SetRange(c.mMinimum, c.mMaximum);
        EXPECT_EQ(range.GetMinimum(), c.mMinimum);
        EXPECT_EQ(range.GetMaximum(), c.mMaximum);
        ExpectVisible(range, c.mExpected);
    }
}

TEST(CScrollBarRange, BoundedVisiblePartsAndZooms)
{
    const struct
    {
        const char* mName;
        void (*mApply)(CScrollBarRange&);
        CVisible mExpected;
    } kCases[] = {
        {"inside", [](CScrollBarRange& r) { r.SetVisibleBounded(30, 50); }, {30, 50}},
        {"below", [](CScrollBarRange& r) { r.SetVisibleBounded(-10, 20); }, {0, 30}},
        {"beyond", [](CScrollBarRange& r) { r.SetVisibleBounded(90, 130); }, {60, 100}},
        {"wider than the range", [](CScrollBarRange& r) { r.SetVisibleBounded(50, 250); }, {0, 100}},
        {"zoom in", [](CScrollBarRange& r) { r.ZoomIn(); }, {45, 55}},
        {"zoom out", [](CScrollBarRange& r) { r.ZoomOut(); }, {30, 70}},
        {"zoom out at the end", [](CScrollBarRange& r) { r.SetVisible(80, 100), r.ZoomOut(); }, {60, 100}},
        {"centre on a quarter", [](CScrollBarRange& r) { r.CenterOnQuarter(20); }, {15, 25}},
        {"centre on", [](CScrollBarRange& r) { r.CenterOn(20); }, {0, 40}},
        {"show all", [](CScrollBarRange& r) { r.ShowAll(); }, {0, 100}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.mName);
        CScrollBarRange range = MakeRange(0, 100, 40, 60);
        c.mApply(range);
        ExpectVisible(range, c.mExpected);
    }
}

namespace {

// Records the handler calls of one scroll bar as text.
class CRecordingHandler : public NSTramvell::IScrollBarHandler
{
public:
    void BeginTracking(NSTramvell::CScrollBarView*) override { mCalls.push_back("begin"); }
    void EndTracking(NSTramvell::CScrollBarView*) override { mCalls.push_back("end"); }
    void Step(NSTramvell::CScrollBarView*, std::int32_t direction, std::int32_t amount) override
    {
        mCalls.push_back("step " + std::to_string(direction) + " " + std::to_string(amount));
    }
    void Position(NSTramvell::CScrollBarView*, std::int32_t position) override
    {
        mCalls.push_back("position " + std::to_string(position));
    }
    std::vector<std::string> mCalls;
};

class CRecordingSteps : public NSTramvell::IScrollBarSteps
{
public:
    void ScrollByAmount(std::int32_t lines) override { mCalls.push_back("lines " + std::to_string(lines)); }
    void PageBack() override { mCalls.push_back("page back"); }
    void PageForward() override { mCalls.push_back("page forward"); }
    void ScrollToPosition(std::int32_t position) override { mCalls.push_back("to " + std::to_string(position)); }
    CScrollBarRange GetRange() const override { return MakeRange(10, 1000, 10, 110); }
    std::vector<std::string> mCalls;
};

} // namespace

TEST(DispatchScrollCode, EachCodeBecomesItsHandlerCallsAndTrackingBeginsAndEndsOnce)
{
    const CScrollBarRange range = MakeRange(10, 1000, 200, 300);
    const struct
    {
        std::vector<std::int32_t> mCodes;
        std::vector<std::string> mCalls;
    } kCases[] = {
        {{1, 1, 8}, {"begin", "step 3 1", "step 3 1", "end"}},
        {{0, 8, 8}, {"begin", "step 2 1", "end"}},
        {{2, 3}, {"step 0 1", "step 1 1"}},
        {{4, 5, 8}, {"begin", "position 555", "end"}},
        {{6, 7}, {"position 10", "position 900"}},
        {{8, 9, -1}, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.mCodes));
        CRecordingHandler handler;
        bool tracking = false;
        for (std::int32_t code : c.mCodes)
            NSTramvell::DispatchScrollCode(handler, nullptr, tracking, code, 555, range);
        EXPECT_EQ(handler.mCalls, c.mCalls);
        EXPECT_FALSE(tracking);
    }
}

TEST(ScrollBarHelpers, WheelAndKeysActOnTheScrollBar)
{
    using NSTramvell::CKeyEvent;
    CRecordingSteps steps;
    const NSTramvell::CMouseEventRecord up(NSTramvell::CModifierKeys(), NSTramvell::CPoint(0, 0), 1);
    const NSTramvell::CMouseEventRecord down(NSTramvell::CModifierKeys(), NSTramvell::CPoint(0, 0), -1);
    NSTramvell::WheelScrollForward(steps, up, 2);
    NSTramvell::WheelScrollForward(steps, down, 2);
    NSTramvell::WheelScrollBack(steps, up, 3);
    EXPECT_EQ(steps.mCalls, (std::vector<std::string>{"lines 2", "lines -2", "lines -3"}));

    const struct
    {
        std::uint32_t mCode, mKind;
        bool mHandled;
        const char* mCall;
    } kKeys[] = {
        {84, NSTramvell::kKeyDown, true, "to 10"},
        {85, NSTramvell::kKeyRepeat, true, "page back"},
        {87, NSTramvell::kKeyDown, true, "to 900"},
        {88, NSTramvell::kKeyDown, true, "page forward"},
        {86, NSTramvell::kKeyDown, false, nullptr},
        {88, NSTramvell::kKeyUp, false, nullptr},
    };
    for (const auto& k : kKeys) {
        SCOPED_TRACE(k.mCode);
        steps.mCalls.clear();
        const CKeyEvent event(NSTramvell::CModifierKeys(), k.mCode, k.mKind, 0, 0);
        EXPECT_EQ(NSTramvell::HandleScrollBarKey(steps, event), k.mHandled);
        EXPECT_EQ(steps.mCalls, k.mCall ? std::vector<std::string>{k.mCall} : std::vector<std::string>{});
    }
}

TEST(ScrollBarHelpers, FramesTriplesAndAmounts)
{
    EXPECT_EQ(NSTramvell::MakeScrollBarFrame(CRect(10, 20, 200, 300), 0), CRect(10, 20, 26, 300));
    EXPECT_EQ(NSTramvell::MakeScrollBarFrame(CRect(10, 20, 200, 300), 1), CRect(10, 20, 200, 36));
    EXPECT_EQ(NSTramvell::MakeScrollBarFrame(CRect(10, 20, 200, 300), 2), CRect(10, 20, 200, 300));

    EXPECT_EQ(NSTramvell::ScrollBarRangeToTriple(MakeRange(-50, 150, 20, 70)), CScrollTriple(200, 20, 50));

    const struct
    {
        CIntegerPair mSpec;
        std::int32_t mExpected;
    } kAmounts[] = {{{0, 7}, 7}, {{1, 3}, 100 + 3 * 5}, {{2, -2}, 100 - 2 * 40}, {{3, 9}, 100}, {{-1, 9}, 100}};
    for (const auto& a : kAmounts) {
        SCOPED_TRACE(a.mSpec.GetFirst());
        EXPECT_EQ(NSTramvell::ComputeScrollAmount(a.mSpec, 100, 5, 40), a.mExpected);
    }
}
