#include "framework/views/pages/BitmapView.h"

#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/images/BitmapSequence.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/views/pages/BitmapFaderView.h"
#include "framework/views/pages/BitmapKnobView.h"
#include "framework/views/pages/BitmapSequenceView.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace NSTramvell;
using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;

namespace {

// The pictures of ViewPictures.rc.
constexpr std::uint16_t kBlue20x10 = 100;
constexpr std::uint16_t kRed60x50 = 101;
constexpr std::uint16_t kTrack100x10 = 102;
constexpr std::uint16_t kHandle10x10 = 103;
constexpr std::uint16_t kFramesRedGreenBlue = 104;

const CColor kBlue(20, 20, 220);
const CColor kRed(220, 20, 20);
const CColor kGreen(20, 200, 20);
const CColor kGrey(128, 128, 128);
const CColor kMagenta(200, 30, 200);
const CColor kBackground(250, 240, 100);
const CRect kWindowBounds(30, 30, 330, 260);

struct CProbe
{
    int x;
    int y;
    CColor color;
};

void ExpectPixels(const CABCWindow& window, const std::vector<CProbe>& probes)
{
    const CClientPixels pixels(window);
    for (const auto& p : probes) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_EQ(pixels.At(p.x, p.y), p.color);
    }
}

CRect PendingPaint(const CABCWindow& window)
{
    RECT pending{};
    if (!::GetUpdateRect(window.GetWindowHandle(), &pending, FALSE))
        return CRect();
    return CRect(pending.left, pending.top, pending.right, pending.bottom);
}

// The mouse as the window reads it: at a client point the test chooses.
HWND gMouseWindow = nullptr;
POINT gMouseClient{};

class CFakeMouse
{
public:
    CFakeMouse(const CABCWindow& window)
        : mEntry(GetWindowTable().GetCursorPos, [](LPPOINT point) -> BOOL {
              *point = gMouseClient;
              return ::ClientToScreen(gMouseWindow, point);
          })
    {
        gMouseWindow = window.GetWindowHandle();
    }
    void MoveTo(int x, int y) { gMouseClient = POINT{x, y}; }

private:
    CScopedTableEntry<decltype(CWindowTable::GetCursorPos)> mEntry;
};

// A group that records, in each change notification, whether the control says it changed.
class CChangeListener : public CStandardGroupView
{
public:
    CChangeListener(CABCGroupView* parent, std::function<bool()> consume)
        : CStandardGroupView(parent, CRect(0, 0, 300, 220)), mConsume(std::move(consume))
    {
    }
    std::int32_t ChildChanged() override
    {
        mSeen.push_back(mConsume());
        mSeen.push_back(mConsume());
        return 0;
    }
    std::function<bool()> mConsume;
    std::vector<bool> mSeen;   // per notification: the first poll, then the second
};

class BitmapViewsTest : public testing::Test
{
protected:
    BitmapViewsTest() { mWindow.SetBackgroundColor(kBackground); }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
    CClassWindow mWindow;
};

} // namespace

TEST_F(BitmapViewsTest, ABitmapIsCentredInItsFrameAndOverflowsItEqually)
{
    CBitmapView smaller(mWindow.GetRootView(), CRect(20, 20, 60, 50), CBitmapKey(kBlue20x10));
    CBitmapView larger(mWindow.GetRootView(), CBitmapKey(kRed60x50));
    larger.SetFrame(CRect(150, 20, 190, 50));
    CBitmapView none(mWindow.GetRootView(), CRect(20, 80, 60, 110), CBitmapKey(CBitmapView::kNoBitmap));
    NSGuiTest::ShowAndPaint(mWindow, kWindowBounds);

    ExpectPixels(mWindow, {
        {30, 30, kBlue}, {49, 39, kBlue}, {29, 30, kBackground}, {30, 29, kBackground}, {50, 39, kBackground},
        {30, 40, kBackground},
        // 60 × 50 in 40 × 30: ten pixels out on either side.
        {140, 10, kRed}, {199, 59, kRed}, {139, 30, kBackground}, {200, 30, kBackground}, {160, 9, kBackground},
        {160, 60, kBackground},
        // No bitmap: a one-pixel black outline.
        {20, 80, kColorBlack}, {59, 109, kColorBlack}, {40, 80, kColorBlack}, {20, 95, kColorBlack},
        {21, 81, kBackground}, {40, 95, kBackground}, {60, 95, kBackground},
    });
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("BitmapViews").empty());
}

TEST_F(BitmapViewsTest, ANewKeyRedrawsOnlyWhenItDiffers)
{
    CBitmapView view(mWindow.GetRootView(), CRect(20, 20, 60, 50), CBitmapKey(kBlue20x10));
    NSGuiTest::ShowAndPaint(mWindow, kWindowBounds);
    CBitmapKey masked(kBlue20x10);
    masked.SetMasked();
    const struct
    {
        const char* what;
        CBitmapKey key;
        bool invalidates;
    } kCases[] = {
        {"same key", CBitmapKey(kBlue20x10), false}, {"other variant", CBitmapKey(kBlue20x10, 1), true},
        {"other flags", masked, true},               {"other id", CBitmapKey(kRed60x50), true},
        {"that id again", CBitmapKey(kRed60x50), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        mWindow.UpdateNow();
        view.SetBitmapKey(c.key);
        EXPECT_EQ(PendingPaint(mWindow), c.invalidates ? CRect(20, 20, 60, 50) : CRect());
    }
}

TEST_F(BitmapViewsTest, AFaderDrawsItsHandleAlongTheTrackAndDragsFromItsValue)
{
    CFakeMouse mouse(mWindow);
    CBitmapFaderView* fader = nullptr;
    CChangeListener listener(mWindow.GetRootView(), [&] { return fader->ConsumeChanged(); });
    CBitmapFaderView horizontal(&listener, CBitmapKey(kHandle10x10), CBitmapKey(kTrack100x10),
                                CBitmapFaderView::kHorizontal);
    horizontal.SetFrame(CRect(20, 20, 120, 30));
    fader = &horizontal;
    CBitmapFaderView vertical(&listener, CBitmapKey(kHandle10x10), CBitmapKey(kTrack100x10),
                              CBitmapFaderView::kVertical);
    vertical.SetFrame(CRect(20, 60, 120, 70));
    NSGuiTest::ShowAndPaint(mWindow, kWindowBounds);
    ExpectPixels(mWindow, {{20, 25, kMagenta}, {29, 25, kMagenta}, {30, 25, kGrey}, {119, 25, kGrey}});

    horizontal.SetValue(500);
    EXPECT_EQ(horizontal.GetHandleRect(), CRect(65, 20, 75, 30));
    EXPECT_EQ(PendingPaint(mWindow), CRect(20, 20, 75, 30));
    ::UpdateWindow(mWindow.GetWindowHandle());
    ExpectPixels(mWindow, {{20, 25, kGrey}, {64, 25, kGrey}, {65, 25, kMagenta}, {74, 25, kMagenta}});
    // A vertical fader's handle rises from the bottom of its track (here one 10 high, so it cannot move).
    EXPECT_EQ(vertical.GetHandleRect(), CRect(65, 60, 75, 70));

    // A press beside the handle moves nothing; 18 pixels right of it is 200 of the 90-pixel travel.
    const CMouseEvent press(CMouseEvent::kPress, CPoint(100, 25), 0, CModifierKeys(), false);
    EXPECT_EQ(horizontal.HandleMouseDown(press).GetValue(), CMouseDownResult::kHandled);
    mouse.MoveTo(100, 25);
    horizontal.TrackMouse();
    EXPECT_EQ(horizontal.GetValue(), 500);
    EXPECT_TRUE(listener.mSeen.empty());
    mouse.MoveTo(118, 40);
    horizontal.TrackMouse();
    EXPECT_EQ(horizontal.GetValue(), 700);
    mouse.MoveTo(500, 25);
    horizontal.TrackMouse();
    EXPECT_EQ(horizontal.GetValue(), 999);
    EXPECT_EQ(listener.mSeen, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(horizontal.ConsumeChanged());
    mWindow.EndTrackingOnMouseUp();
    EXPECT_EQ(GetTrackingView(), nullptr);
}

TEST_F(BitmapViewsTest, AKnobShowsTheFrameOfItsValueAndAZeroSnapKnobRestsInItsZone)
{
    CFakeMouse mouse(mWindow);
    const CBitmapSequence frames(CBitmapKey(kFramesRedGreenBlue), 3);
    CBitmapKnobView knob(mWindow.GetRootView(), frames, 100);
    EXPECT_EQ(*knob.GetFrame(), CRect(0, 0, 10, 10));
    knob.MoveTo(CPoint(20, 20));
    CZeroSnapBitmapKnobView snapping(mWindow.GetRootView(), frames, 100, 450, 100);
    snapping.MoveTo(CPoint(40, 20));
    NSGuiTest::ShowAndPaint(mWindow, kWindowBounds);
    ExpectPixels(mWindow, {{20, 20, kRed}, {29, 29, kRed}, {30, 25, kBackground}});

    const struct { std::int32_t value; CColor color; } kFrames[] = {{333, kRed}, {334, kGreen}, {999, kBlue}};
    for (const auto& c : kFrames) {
        SCOPED_TRACE(c.value);
        knob.SetValue(c.value);
        ::UpdateWindow(mWindow.GetWindowHandle());
        ExpectPixels(mWindow, {{20, 20, c.color}, {29, 29, c.color}, {30, 25, kBackground}});
    }

    // 100 pixels up cover the span of 999: 45 up is 449, 46 up 459, inside the zone from 450.
    const CMouseEvent press(CMouseEvent::kPress, CPoint(45, 25), 0, CModifierKeys(), false);
    snapping.HandleMouseDown(press);
    const struct { int y; std::int32_t value; } kDrags[] = {{-20, 449}, {-21, 450}, {-30, 450}, {-31, 559}};
    for (const auto& c : kDrags) {
        SCOPED_TRACE(c.y);
        mouse.MoveTo(45, c.y);
        snapping.TrackMouse();
        EXPECT_EQ(snapping.GetValue(), c.value);
    }
    snapping.HandleMouseUp(CView::kMouseUpReleased);
    EXPECT_EQ(GetTrackingView(), nullptr);
}

TEST_F(BitmapViewsTest, AnAnimatedSequenceStepsOneFrameForEveryElapsedPeriod)
{
    const CBitmapSequence frames(CBitmapKey(kFramesRedGreenBlue), 3);
    CBitmapSequenceView still(mWindow.GetRootView(), frames);
    still.MoveTo(CPoint(60, 20));
    still.SetFrameIndex(2);
    CAnimatedBitmapSequenceView animated(mWindow.GetRootView(), frames);
    animated.MoveTo(CPoint(20, 20));
    NSGuiTest::ShowAndPaint(mWindow, kWindowBounds);
    ExpectPixels(mWindow, {{60, 20, kBlue}, {69, 29, kBlue}, {70, 25, kBackground}, {20, 20, kRed}});

    const std::int64_t period = MicrosecondsToClock(CAnimatedBitmapSequenceView::kFrameLengthInMicroseconds);
    const std::int64_t slot = GetIdleManager().GetSlotIntervalClock(CAnimatedBitmapSequenceView::kIdleIntervalCode);
    // Whole periods, past the idle slot's interval so that the slot is due, one more than a multiple of 3.
    std::int64_t periods = slot / period + 1;
    while (periods % 3 != 1)
        ++periods;
    const std::int64_t start = GetClock();
    GetIdleManager().DoIdle(start);
    EXPECT_EQ(animated.GetFrameIndex(), 0);
    for (std::int64_t step = 1; step <= 3; ++step) {
        SCOPED_TRACE(step);
        mWindow.UpdateNow();
        GetIdleManager().DoIdle(start + step * periods * period);
        EXPECT_EQ(animated.GetFrameIndex(), step % 3);
        EXPECT_EQ(PendingPaint(mWindow), CRect(20, 20, 30, 30));
    }
}
