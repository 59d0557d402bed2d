// The repeat button on a clock the test sets: the steps it offers while held by the mouse or a key.

#include "framework/views/scrolling/RepeatBitmapButtonView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/images/BitmapSequence.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;

namespace {

// ViewPictures.rc: three 10 × 10 frames, red, green and blue.
constexpr std::uint16_t kFramesRedGreenBlue = 104;
const CColor kRed(220, 20, 20);
const CColor kGreen(20, 200, 20);

ULONGLONG gNow = 0;
HWND gMouseWindow = nullptr;
POINT gMouseClient{};

// Records each notification: the steps taken, or -1 for one without steps (the release).
class CStepOwner : public CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        std::uint16_t steps = 0;
        mSeen.push_back(mButton->TakeStepCount(steps) ? steps : -1);
        EXPECT_FALSE(mButton->TakeStepCount(steps));
        return 0;
    }
    CRepeatBitmapButtonView* mButton = nullptr;
    std::vector<int> mSeen;
};

class RepeatBitmapButtonTest : public testing::Test
{
protected:
    RepeatBitmapButtonTest()
    {
        gNow = 1000000;
        gMouseWindow = mWindow.GetWindowHandle();
        mOwner.mButton = &mButton;
        mButton.SetFrame(CRect(20, 20, 30, 30));
        PutMouseAt(25, 25);
    }
    ~RepeatBitmapButtonTest() override
    {
        EndTrackingIfTracking(GetTrackingView());
        ReleaseMouseCapture();
    }

    void PutMouseAt(int x, int y) { gMouseClient = POINT{x, y}; }
    void Press() { mButton.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(25, 25), 0, CModifierKeys(), false)); }
    // Moves the clock to the time after the press and lets the window tick its tracking view.
    void TickAt(ULONGLONG sincePress)
    {
        gNow = 1000000 + sincePress;
        TickTrackedViews();
    }
    std::vector<int> TakeSeen()
    {
        std::vector<int> seen;
        seen.swap(mOwner.mSeen);
        return seen;
    }

    CScopedTableEntry<decltype(CKernelTable::GetTickCount64)> mClock{GetKernelTable().GetTickCount64,
                                                                      [] { return gNow; }};
    CScopedTableEntry<decltype(CWindowTable::GetCursorPos)> mMouse{GetWindowTable().GetCursorPos,
                                                                    [](LPPOINT point) -> BOOL {
                                                                        *point = gMouseClient;
                                                                        return ::ClientToScreen(gMouseWindow, point);
                                                                    }};
    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
    NSGuiTest::CClassWindow mWindow;
    CBitmapSequence mSequence{CBitmapKey(kFramesRedGreenBlue), 3};
    CStepOwner mOwner{mWindow.GetRootView(), CRect(0, 0, 200, 100)};
    CRepeatBitmapButtonView mButton{&mOwner, mSequence};
};

} // namespace

TEST_F(RepeatBitmapButtonTest, HeldStepsComeAfterAPauseThenFasterAndFaster)
{
    Press();
    EXPECT_EQ(TakeSeen(), std::vector<int>{1});   // the press's own step at once
    const struct {
        ULONGLONG sincePress;
        std::int32_t due;
        std::vector<int> offered;
    } kCases[] = {{399, 0, {}}, {500, 1, {1}}, {550, 1, {}}, {2400, 20, {19}}, {2800, 43, {23}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.sincePress);
        TickAt(c.sincePress);
        EXPECT_EQ(mButton.GetStepsDue(), c.due);
        EXPECT_EQ(TakeSeen(), c.offered);
    }
    mButton.HandleMouseUp(CView::kMouseUpReleased);
    EXPECT_EQ(TakeSeen(), std::vector<int>{-1});
    EXPECT_FALSE(mButton.IsPressed());
    EXPECT_EQ(GetTrackingView(), nullptr);
}

TEST_F(RepeatBitmapButtonTest, LeavingAndComingBackStartsThePauseAgain)
{
    Press();
    TickAt(1000);                   // 6 steps
    PutMouseAt(100, 80);
    TickAt(1500);
    TickAt(3000);                   // outside: nothing
    PutMouseAt(22, 22);
    TickAt(3100);                   // back: the pause starts now
    TickAt(3499);
    TickAt(3600);
    EXPECT_EQ(TakeSeen(), (std::vector<int>{1, 6, 1}));
}

TEST_F(RepeatBitmapButtonTest, ShowsTheFrameOfItsState)
{
    EXPECT_EQ(CRepeatBitmapButtonView(&mOwner, mSequence).GetFrame()->GetSize(), CPoint(10, 10));
    for (const bool pressed : {false, true}) {
        if (pressed)
            Press();
        NSTramvellTest::CBitmapTestCanvas canvas(40, 40);
        CPrimitiveOffscreenDrawSpec spec(&canvas);
        mButton.Draw(spec);
        EXPECT_EQ(canvas.PixelAt(20, 20), pressed ? kGreen : kRed);
        EXPECT_EQ(canvas.PixelAt(29, 29), pressed ? kGreen : kRed);
        EXPECT_EQ(canvas.PixelAt(30, 30), kColorWhite);
    }
}

TEST_F(RepeatBitmapButtonTest, AKeyHoldsItInTheActiveWindowUntilThatKeyComesUp)
{
    const CKeyEvent down(CModifierKeys(), 40, kKeyDown, 0, 0);
    EXPECT_FALSE(mButton.HandleKeyDown(down));   // the window is not active
    EXPECT_FALSE(mButton.IsPressed());
    EXPECT_TRUE(TakeSeen().empty());

    mWindow.ShowWithBounds(CRect(80, 80, 380, 300));
    ::SetForegroundWindow(mWindow.GetWindowHandle());
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return IsActiveWindow(&mWindow); }, 10000));
    EXPECT_TRUE(mButton.HandleKeyDown(down));
    EXPECT_TRUE(mButton.IsPressed());
    TickAt(500);
    EXPECT_FALSE(mButton.HandleKey(CKeyEvent(CModifierKeys(), 41, kKeyUp, 0, 0)));
    EXPECT_TRUE(mButton.HandleKey(CKeyEvent(CModifierKeys(), 40, kKeyUp, 0, 0)));
    EXPECT_FALSE(mButton.IsPressed());
    EXPECT_EQ(GetMouseCaptureView(), nullptr);
    EXPECT_EQ(TakeSeen(), (std::vector<int>{1, 1, -1}));

    // The window losing its activation lets the button go.
    ASSERT_TRUE(mButton.HandleKeyDown(down));
    mWindow.HandleDeactivated();
    EXPECT_FALSE(mButton.IsPressed());
    EXPECT_EQ(GetMouseCaptureView(), nullptr);
    EXPECT_EQ(TakeSeen(), (std::vector<int>{1, -1}));
}
