// The toolbar's bitmap buttons: their faces drawn onto a test canvas, their presses and keys in a window.

#include "framework/views/toolbars/ToolbarButtonViews.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/Menu.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/views/toolbars/ToolbarAppearance.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace NSTramvell;
using NSTramvellTest::CBitmapTestCanvas;
using NSTramvellTest::Range;

namespace {

// ViewPictures.rc: a red block with a black core on a white ground the mask takes away; 17 × 16.
constexpr std::uint16_t kToolPicture = 105;

const CColor kBackground(210, 150, 90);
const CColor kRed(220, 20, 20);
const CColor kDark(140, 100, 60);   // two thirds of the background

// The mouse stands at a client point of the window the test chooses.
HWND gMouseWindow = nullptr;
POINT gMouseClient{};

class CFakeMouse
{
public:
    explicit CFakeMouse(const CABCWindow& window)
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

// Runs the test's reaction to each change notification of its children.
class COwner : public CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        ++mNotifications;
        if (mOnChange)
            mOnChange();
        return 0;
    }
    std::function<void()> mOnChange;
    int mNotifications = 0;
};

class ToolbarButtonsTest : public testing::Test
{
protected:
    ToolbarButtonsTest() { mWindow.SetBackgroundColor(kBackground); }
    ~ToolbarButtonsTest() override
    {
        EndTrackingIfTracking(GetTrackingView());
        ReleaseMouseCapture();
    }

    void ShowActive()
    {
        mWindow.ShowWithBounds(CRect(80, 80, 380, 300));
        ::SetForegroundWindow(mWindow.GetWindowHandle());
        ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return IsActiveWindow(&mWindow); }, 10000));
    }

    // A press on the button, the mouse moved to (x, y), then the release of the given kind.
    void PressMoveRelease(CView& button, int x, int y, std::int32_t kind = CView::kMouseUpReleased)
    {
        const CPoint start = button.GetFrame()->GetCenter();
        mMouse.MoveTo(start.GetX(), start.GetY());
        button.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, start, 0, CModifierKeys(), false));
        // As the window does: only the tracking view hears of the mouse until the release.
        if (!IsTrackingView(&button))
            return;
        mMouse.MoveTo(x, y);
        button.TrackMouse();
        if (kind == CView::kMouseUpReleased)
            button.HandleMouseUp(kind);
        else
            EndTrackingIfTracking(&button);
    }

    static CKeyEvent Key(std::uint32_t code, std::uint32_t kind)
    {
        return CKeyEvent(CModifierKeys(), code, kind, 0, 0);
    }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
    NSGuiTest::CClassWindow mWindow;
    CFakeMouse mMouse{mWindow};
    COwner mOwner{mWindow.GetRootView(), CRect(0, 0, 300, 200)};
};

} // namespace

TEST_F(ToolbarButtonsTest, EachAppearanceDrawsItsBevelAndPlacesItsPicture)
{
    const CRect frame(10, 10, 33, 32);
    const CColor faded((kRed.GetRed() + kBackground.GetRed()) / 2, (kRed.GetGreen() + kBackground.GetGreen()) / 2,
                       (kRed.GetBlue() + kBackground.GetBlue()) / 2);
    const struct {
        std::int32_t appearance;
        std::optional<CColor> topLeft, bottomRight;   // the bevel, none when the ground shows
        int inset;                                    // of the picture
        CColor picture;
    } kCases[] = {
        {kToolbarFaded, {}, {}, 3, faded},
        {kToolbarFadedChecked, kDark, kColorWhite, 4, faded},
        {kToolbarFlat, {}, {}, 3, kRed},
        {kToolbarRaised, kColorWhite, kDark, 3, kRed},
        {kToolbarSunk, kDark, kColorWhite, 4, kRed},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.appearance);
        CBitmapTestCanvas canvas(50, 50, kBackground);
        CBitmapKey key(kToolPicture);
        key.SetMasked();
        DrawToolbarButton(canvas, frame, kBackground, c.appearance, key);
        EXPECT_EQ(canvas.PixelAt(10, 20), c.topLeft.value_or(kBackground));
        EXPECT_EQ(canvas.PixelAt(20, 10), c.topLeft.value_or(kBackground));
        EXPECT_EQ(canvas.PixelAt(32, 20), c.bottomRight.value_or(kBackground));
        EXPECT_EQ(canvas.PixelAt(20, 31), c.bottomRight.value_or(kBackground));
        // The picture's masked ground lets the background through; its block starts 2 pixels in.
        const int block = 10 + c.inset + 2;
        EXPECT_EQ(canvas.PixelAt(block - 1, block - 1), kBackground);
        EXPECT_EQ(canvas.PixelAt(block, block), c.picture);
        EXPECT_EQ(canvas.PixelAt(block + 4, block + 4), kColorBlack);   // black stays black when faded
    }
}

TEST_F(ToolbarButtonsTest, AButtonWithoutAPictureDrawsOnlyItsFace)
{
    CToolbarPushButtonView button(&mOwner);
    button.SetFrame(CRect(10, 10, 33, 32));
    button.MouseEntered();
    ASSERT_EQ(button.GetAppearance(), kToolbarRaised);
    CBitmapTestCanvas canvas(50, 50, kBackground);
    CPrimitiveOffscreenDrawSpec spec(&canvas);
    button.Draw(spec);
    EXPECT_EQ(canvas.PixelAt(10, 20), kColorWhite);
    EXPECT_EQ(canvas.PixelAt(20, 20), kBackground);

    button.SetBitmap(CBitmapKey(kToolPicture));
    EXPECT_TRUE(button.GetBitmap().IsMasked());
    button.Draw(spec);
    EXPECT_EQ(canvas.PixelAt(15, 15), kRed);
}

TEST_F(ToolbarButtonsTest, TheMenuButtonDrawsItsDividerAndArrow)
{
    CToolbarMenuButtonView button(&mOwner);
    EXPECT_EQ(*button.GetFrame(), CRect(-38, -22, 0, 0));
    button.SetFrame(CRect(0, 0, 38, 22));
    const CColor halfBlack(105, 75, 45);
    const struct {
        bool down, hot, enabled;
        std::optional<CColor> at22, at23;   // the divider, none when the ground shows
        int shift;
        CColor arrow;
    } kCases[] = {
        {false, false, true, {}, {}, 0, kColorBlack},
        {true, false, true, kDark, kColorWhite, 1, kColorBlack},   // raised
        {true, true, true, kColorWhite, kDark, 1, kColorBlack},    // sunk
        {false, false, false, {}, {}, 0, halfBlack},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.down << c.hot << c.enabled);
        button.SetDown(c.down);
        if (c.hot)
            button.MouseEntered();
        else
            button.MouseLeft();
        button.SetEnabled(c.enabled);
        CBitmapTestCanvas canvas(40, 24, kBackground);
        CPrimitiveOffscreenDrawSpec spec(&canvas);
        button.Draw(spec);
        EXPECT_EQ(canvas.PixelAt(22, 5), c.at22.value_or(kBackground));
        EXPECT_EQ(canvas.PixelAt(23, 5), c.at23.value_or(kBackground));
        const int x = 26 + c.shift;
        const int y = 9 + c.shift;
        EXPECT_EQ(canvas.ColumnsInRow(y, c.arrow), Range(x, x + 6));
        EXPECT_EQ(canvas.ColumnsInRow(y + 1, c.arrow), Range(x + 1, x + 5));
        EXPECT_EQ(canvas.ColumnsInRow(y + 2, c.arrow), Range(x + 2, x + 4));
        EXPECT_EQ(canvas.ColumnsInRow(y + 3, c.arrow), Range(x + 3, x + 3));
        EXPECT_TRUE(canvas.ColumnsInRow(y + 4, c.arrow).empty());
    }
}

TEST_F(ToolbarButtonsTest, APushButtonClicksOnlyWhenReleasedOverItself)
{
    CToolbarPushButtonView button(&mOwner);
    button.SetFrame(CRect(20, 20, 43, 42));
    int clicks = 0;
    mOwner.mOnChange = [&] { clicks += button.WasClicked() ? 1 : 0; };
    PressMoveRelease(button, 200, 100);                            // released outside
    PressMoveRelease(button, 30, 30, CView::kMouseUpCutOff);       // tracking cut off
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button.IsDown());
    PressMoveRelease(button, 25, 25);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.IsDown());
    EXPECT_EQ(GetTrackingView(), nullptr);
    EXPECT_FALSE(button.WasClicked());   // one-shot: only inside the notification
}

TEST_F(ToolbarButtonsTest, ACheckBoxButtonAsksForTheOtherStateAndWaitsToBeTold)
{
    CToolbarCheckBoxButtonView button(&mOwner);
    button.SetFrame(CRect(20, 20, 43, 42));
    std::vector<bool> requests;
    bool obey = false;
    mOwner.mOnChange = [&] {
        bool requested = false;
        if (button.TakeRequestedState(requested)) {
            requests.push_back(requested);
            if (obey)
                button.SetChecked(requested);
        }
    };
    PressMoveRelease(button, 25, 25);
    EXPECT_FALSE(button.IsChecked());
    obey = true;
    PressMoveRelease(button, 25, 25);
    EXPECT_TRUE(button.IsChecked());
    button.Toggle();
    EXPECT_EQ(requests, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(button.IsChecked());

    // Disabled, it shows its state faded whatever the mouse does.
    for (const bool checked : {true, false}) {
        button.SetChecked(checked);
        button.SetEnabled(false);
        button.MouseEntered();
        EXPECT_EQ(button.GetAppearance(), checked ? kToolbarFadedChecked : kToolbarFaded);
        button.Toggle();
        EXPECT_EQ(requests.size(), 3u);
    }
}

TEST_F(ToolbarButtonsTest, ACheckablePushButtonClicksOnThePressAndSpringsBackUnlessChecked)
{
    CToolbarCheckablePushButtonView button(&mOwner);
    button.SetFrame(CRect(20, 20, 43, 42));
    bool check = false;
    int clicksBeforeRelease = 0;
    mOwner.mOnChange = [&] {
        if (!button.WasClicked())
            return;
        if (IsTrackingView(&button))
            ++clicksBeforeRelease;
        button.SetChecked(check);
    };
    PressMoveRelease(button, 25, 25);
    EXPECT_EQ(clicksBeforeRelease, 1);
    EXPECT_FALSE(button.IsDown());
    check = true;
    PressMoveRelease(button, 25, 25);
    EXPECT_EQ(clicksBeforeRelease, 2);
    EXPECT_TRUE(button.IsDown());
    EXPECT_EQ(button.GetAppearance(), kToolbarSunk);
}

TEST_F(ToolbarButtonsTest, ACheckedRadioButtonTakesNoPressAndAClickStaysUntilAsked)
{
    CToolbarRadioButtonView button(&mOwner);
    button.SetFrame(CRect(20, 20, 43, 42));
    button.SetChecked(true);
    PressMoveRelease(button, 25, 25);
    EXPECT_EQ(mOwner.mNotifications, 0);
    EXPECT_FALSE(button.WasClicked());

    button.SetChecked(false);
    PressMoveRelease(button, 200, 100);
    EXPECT_EQ(mOwner.mNotifications, 0);
    PressMoveRelease(button, 25, 25);
    EXPECT_EQ(mOwner.mNotifications, 1);
    EXPECT_TRUE(button.WasClicked());
    EXPECT_FALSE(button.WasClicked());
}

TEST_F(ToolbarButtonsTest, AKeyHoldsTheButtonDownUntilItsOwnKeyComesUp)
{
    CToolbarPushButtonView button(&mOwner);
    button.SetFrame(CRect(20, 20, 43, 42));
    int clicks = 0;
    mOwner.mOnChange = [&] { clicks += button.WasClicked() ? 1 : 0; };

    // Not the active window: the capture cannot be taken.
    EXPECT_FALSE(button.HandleKeyPress(Key(40, kKeyDown)));
    EXPECT_FALSE(button.IsDown());

    ShowActive();
    EXPECT_TRUE(button.HandleKeyPress(Key(40, kKeyDown)));
    EXPECT_TRUE(button.IsDown());
    EXPECT_TRUE(HasMouseCapture(&button));
    EXPECT_FALSE(button.HandleKey(Key(41, kKeyUp)));
    EXPECT_FALSE(button.HandleKey(Key(40, kKeyRepeat)));
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(button.HandleKey(Key(40, kKeyUp)));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.IsDown());
    EXPECT_EQ(GetMouseCaptureView(), nullptr);

    // Losing the capture lets the face up.
    ASSERT_TRUE(button.HandleKeyPress(Key(40, kKeyDown)));
    ReleaseMouseCapture();
    button.ExtraHookB();
    EXPECT_FALSE(button.IsDown());
}

TEST_F(ToolbarButtonsTest, TheMenuButtonShowsItsMenuBelowItselfAndComesUpAfterIt)
{
    ShowActive();
    CToolbarMenuButtonView button(&mOwner, CBitmapKey(kToolPicture));
    button.SetFrame(CRect(20, 20, 58, 42));
    auto menu = ParseMenuScript("Tools;First=101;Second=102", 1);
    bool downWhileShown = false;
    bool chosen = true;
    RECT shown{};
    std::string screenshot;
    mOwner.mOnChange = [&] {
        if (!button.WasClicked())
            return;
        downWhileShown = button.IsDown();
        CMenu* chosenMenu = nullptr;
        std::uint16_t index = 0;
        const NSGuiTest::CDriverThread driver([&] {
            HWND popup = nullptr;
            // Until the menu shows; a menu that never shows leaves the watchdog to end the test.
            NSGuiTest::WaitUntil(
                [&] {
                    popup = ::FindWindowA("#32768", nullptr);
                    return popup != nullptr && ::IsWindowVisible(popup);
                },
                20000);
            ::GetWindowRect(popup, &shown);
            screenshot = NSGuiTest::SaveScreenshot("ToolbarMenuButton");
            ::keybd_event(VK_ESCAPE, 0, 0, 0);
            ::keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        });
        chosen = button.PopUpMenu(*menu, chosenMenu, index);
    };
    button.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(30, 30), 0, CModifierKeys(), false));
    EXPECT_TRUE(downWhileShown);
    EXPECT_FALSE(chosen);
    EXPECT_FALSE(button.IsDown());
    const CPoint corner = button.PointToScreen(CPoint(20, 42));
    EXPECT_EQ(shown.left, corner.GetX());
    EXPECT_EQ(shown.top, corner.GetY());
    EXPECT_FALSE(screenshot.empty());
}
