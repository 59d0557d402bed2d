// Real alert boxes on the Xvfb screen, driven from inside their modal loop: their layout read back from
// the native buttons, the keys that choose, move or do nothing, and the closes that end them.

#include "framework/gui/application/Alerts.h"
#include "framework/viewwindows/dialogs/AlertBox.h"
#include "framework/viewwindows/dialogs/tests/FrameworkDialogsTestSupport.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>

using namespace NSTramvell;
using NSFrameworkDialogsTest::GetRectInParent;
using NSFrameworkDialogsTest::RegisterClassesOnce;

namespace {

HWND NativeButton(const CAlertBox& box, int number)
{
    return box.GetButton(number)->GetNativeHandle();
}

// Whether no message waits in this thread's queue: what was posted before has been handled.
bool IsQueueEmpty()
{
    MSG message;
    return ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) == FALSE;
}

class AlertBox : public testing::Test
{
protected:
    AlertBox() { RegisterClassesOnce(); }

    // Shows the alert; once it is the active window, calls the step with the box and the pass number
    // (0, 1, ...) on each idle pass until the step answers true. Answers the alert's result.
    std::uint32_t Run(const std::string& script, const std::vector<std::string>& parameters,
                      const std::function<bool(CAlertBox&, int)>& step)
    {
        int pass = 0;
        bool finished = false;
        NSGuiTest::CTestIdleClient inside(20, [&] {
            auto* box = dynamic_cast<CAlertBox*>(GetActiveFrameworkWindow());
            if (finished || box == nullptr)
                return;
            finished = step(*box, pass++);
        });
        return ShowAlertBox(script, parameters);
    }

    const NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

TEST_F(AlertBox, OneButtonStandsInTheMiddleHasTheFocusAndReturnChoosesIt)
{
    CRect client;
    CRect button;
    bool focused = false;
    bool iconPainted = false;
    bool defaultStyle = false;
    const std::uint32_t result = Run("[NOTE]Conversion completed![OK]", {}, [&](CAlertBox& box, int) {
        client = box.GetClientBounds();
        button = GetRectInParent(NativeButton(box, 1));
        focused = ::GetFocus() == NativeButton(box, 1);
        defaultStyle = (::GetWindowLongA(NativeButton(box, 1), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
        EXPECT_EQ(box.GetButton(2), nullptr);
        ::UpdateWindow(box.GetWindowHandle());
        // The icon paints over the dialog's plain background.
        const NSGuiTest::CClientPixels pixels(box);
        const CColor background = pixels.At(5, 5);
        const CRect icon = *box.GetIconView()->GetFrame();
        for (int y = icon.GetTop(); y < icon.GetBottom(); ++y)
            for (int x = icon.GetLeft(); x < icon.GetRight(); ++x)
                iconPainted = iconPainted || !(pixels.At(x, y) == background);
        NSGuiTest::SaveScreenshot("alert-note");
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        return true;
    });
    EXPECT_EQ(result, 33u);
    EXPECT_EQ(client, CRect(0, 0, 285, 130));
    EXPECT_EQ(button, CRect(104, 97, 181, 119));
    EXPECT_TRUE(focused);
    EXPECT_TRUE(defaultStyle);
    EXPECT_TRUE(iconPainted);
}

TEST_F(AlertBox, WithoutAKindTheMessageTakesTheIconsPlaceAndTwoButtonsAreCentred)
{
    bool hasIcon = true;
    CRect message;
    CRect no;
    CRect yes;
    bool noFocused = false;
    const std::uint32_t result = Run("[NONE]Keep the files?[Yes][No]", {}, [&](CAlertBox& box, int) {
        hasIcon = box.GetIconView() != nullptr;
        message = *box.GetMessageView()->GetFrame();
        no = GetRectInParent(NativeButton(box, 1));
        yes = GetRectInParent(NativeButton(box, 2));
        noFocused = ::GetFocus() == NativeButton(box, 1);
        EXPECT_EQ(box.GetButton(1)->GetTitle(), "No");
        NSGuiTest::SaveScreenshot("alert-none");
        // A click on Yes, the second button.
        ::PostMessageA(NativeButton(box, 2), BM_CLICK, 0, 0);
        return true;
    });
    EXPECT_EQ(result, 34u);
    EXPECT_FALSE(hasIcon);
    EXPECT_EQ(message, CRect(15, 16, 15 + 214, 16 + 71));
    EXPECT_EQ(no, CRect(60, 97, 137, 119));
    EXPECT_EQ(yes, CRect(147, 97, 224, 119));
    EXPECT_TRUE(noFocused);
}

TEST_F(AlertBox, ArrowsWrapAroundThreeButtonsAndTheTitleLeadsTheMessageUnderAnEmptyCaption)
{
    std::vector<int> focusedAfter;
    std::string shown;
    std::string title = "not read";
    std::string label;
    bool labelHidden = false;
    const std::uint32_t result =
        Run("[STOP][Cannot open ^0]The page '^0' cannot be opened.[Three][Two][One]", {"A", "B"},
            [&](CAlertBox& box, int) {
                shown = box.GetMessageView()->GetText();
                std::array<char, 256> text{};
                ::GetWindowTextA(box.GetWindowHandle(), text.data(), static_cast<int>(text.size()));
                title = text.data();
                // What tools outside the program read: the hidden static child.
                const HWND child = ::FindWindowExA(box.GetWindowHandle(), nullptr, "Static", nullptr);
                text.fill(0);
                ::GetWindowTextA(child, text.data(), static_cast<int>(text.size()));
                label = text.data();
                labelHidden = child != nullptr && !::IsWindowVisible(child);
                const auto focusedNumber = [&box] {
                    for (int number = 1; number <= 3; ++number)
                        if (::GetFocus() == NativeButton(box, number))
                            return number;
                    return 0;
                };
                // Sent to the focused button, as the keyboard would.
                for (const WPARAM key : {VK_LEFT, VK_LEFT, VK_RIGHT, VK_RIGHT}) {
                    ::SendMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
                    focusedAfter.push_back(focusedNumber());
                }
                box.RequestClose();
                return true;
            });
    EXPECT_EQ(result, 36u);
    EXPECT_EQ(shown, "Cannot open A\rThe page 'B' cannot be opened.");
    EXPECT_EQ(title, "");
    EXPECT_EQ(label, shown);
    EXPECT_TRUE(labelHidden);
    EXPECT_EQ(focusedAfter, (std::vector<int>{3, 2, 3, 1}));
}

TEST_F(AlertBox, RealTabAndShiftTabWalkTheButtonsAndReturnStillChoosesTheFirst)
{
    if (!NSGuiTest::HasRealInput())
        GTEST_SKIP() << "xdotool is not installed";
    std::uint32_t result = 0;
    // Tab follows the focus order 2, 3, 1 from button 1, which holds the focus first.
    const std::vector<std::string> seen = NSGuiTest::WalkFocusThenPress(
        {{"", "One"}, {"Tab", "Two"}, {"Tab", "Three"}, {"Tab", "One"}, {"shift+Tab", "Three"}, {"shift+Tab", "Two"}},
        "Return", [&] { result = ShowAlertBox("[STOP]The page cannot be opened.[Three][Two][One]", {}); });
    EXPECT_EQ(seen, (std::vector<std::string>{"One", "Two", "Three", "One", "Three", "Two"}));
    EXPECT_EQ(result, 33u);
}

TEST_F(AlertBox, EscapeAndTheWindowsOwnClosesLeaveItOpenAndOnlyAnOutsideCloseEndsIt)
{
    bool stillOpen = false;
    const std::uint32_t result = Run("[WARN]Delete the files?[Delete][Keep]", {}, [&](CAlertBox& box, int pass) {
        if (pass == 0) {
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
            ::PostMessageA(box.GetWindowHandle(), WM_CLOSE, 0, 0);
            // Alt+F4, as the keyboard sends it and as it reaches the window.
            ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
            ::PostMessageA(box.GetWindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
            return false;
        }
        if (!IsQueueEmpty())
            return false;
        stillOpen = !box.IsDone() && ::IsWindowVisible(box.GetWindowHandle());
        box.RequestClose();
        return true;
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 36u);
}

// A click through the system's input, as a user's: the box must be off the screen and its native window
// gone well within 0.2 s (Wine used to hold a shown captioned window for two seconds while hiding it).
TEST_F(AlertBox, AClickedButtonTakesTheBoxOffTheScreenAtOnce)
{
    HWND native = nullptr;
    DWORD clicked = 0;
    const std::uint32_t result = Run("[NOTE]Conversion completed![OK]", {}, [&](CAlertBox& box, int pass) {
        if (pass == 0 || !::IsWindowVisible(box.GetWindowHandle()))
            return false;
        native = box.GetWindowHandle();
        RECT button{};
        ::GetWindowRect(NativeButton(box, 1), &button);
        const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN) - 1;
        const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN) - 1;
        std::array<INPUT, 3> inputs{};
        for (INPUT& input : inputs) {
            input.type = INPUT_MOUSE;
            input.mi.dx = ((button.left + button.right) / 2) * 65535 / screenWidth;
            input.mi.dy = ((button.top + button.bottom) / 2) * 65535 / screenHeight;
        }
        inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        clicked = ::GetTickCount();
        EXPECT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
        return true;
    });
    const DWORD gone = ::GetTickCount() - clicked;
    EXPECT_EQ(result, 33u);
    EXPECT_FALSE(::IsWindow(native));
    EXPECT_LT(gone, 200u);
}

TEST_F(AlertBox, AScriptWithoutAMessageThrowsAndLeavesNoWindow)
{
    const HWND before = ::GetActiveWindow();
    EXPECT_THROW(ShowAlertBox("[NOTE]", {}), std::out_of_range);
    EXPECT_EQ(GetActiveFrameworkWindow(), nullptr);
    EXPECT_EQ(::GetActiveWindow(), before);
}

} // namespace
