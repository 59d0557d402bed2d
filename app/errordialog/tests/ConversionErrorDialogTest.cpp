// The conversion-error dialog and the convert-another question on the Xvfb screen, built from the
// program's own templates and answered as a user would: by keys and clicks a driver thread posts.

#include "app/errordialog/ConversionErrorDialog.h"

#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/application/WindowLayer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace NSConversionErrorDialog;

namespace {

constexpr int kWindowTimeoutMs = 20000;
const std::string kErrorText = "The sample \"KICK 1\" could not be read.";
const std::string kQuestion = "Do you want to abort the conversion or ignore the error and continue?";
const std::string kConvertAnotherText = "Do you want to convert another Akai disc?";

void RegisterClassesOnce()
{
    static const bool registered = [] {
        NSTramvell::RegisterWindowClasses(::GetModuleHandleA(nullptr));
        return true;
    }();
    (void)registered;
}

void PostKey(HWND window, WPARAM key, LPARAM scanBits)
{
    ::PostMessageA(window, WM_KEYDOWN, key, scanBits);
    ::PostMessageA(window, WM_KEYUP, key, scanBits | static_cast<LPARAM>(0xC0000000u));
}

// How the user answers a dialog found by its native text.
struct CAnswer
{
    const char* mName;
    std::function<bool(HWND)> mAct;
};

CAnswer Click(const char* label)
{
    return {label, [label](HWND dialog) { return NSGuiTest::PressButton(dialog, label); }};
}

const CAnswer kReturn{"Return", [](HWND dialog) {
                          PostKey(dialog, VK_RETURN, 0x001C0001);
                          return true;
                      }};
const CAnswer kEscape{"Escape", [](HWND dialog) {
                          PostKey(dialog, VK_ESCAPE, 0x00010001);
                          return true;
                      }};

class ConversionDialogs : public testing::Test
{
protected:
    ConversionDialogs() { RegisterClassesOnce(); }

    // Answers the dialog titled `title` from a driver thread while `run` holds the dialog's modal loop.
    template <typename TResult>
    TResult Answer(const std::string& title, const CAnswer& answer, const std::function<TResult()>& run)
    {
        bool acted = false;
        std::vector<std::string> children;
        TResult result{};
        {
            NSGuiTest::CDriverThread driver([&] {
                const HWND dialog = NSGuiTest::WaitForTopWindow(title, kWindowTimeoutMs);
                if (dialog == nullptr)
                    return;
                children = NSGuiTest::GetChildTexts(dialog);
                acted = answer.mAct(dialog);
            });
            result = run();
        }
        EXPECT_TRUE(acted) << answer.mName;
        mChildren = children;
        return result;
    }

    const NSGuiTest::CWatchdog mWatchdog{120};
    NSGuiTest::CTestApplication mApplication;
    std::vector<std::string> mChildren;
};

TEST_F(ConversionDialogs, EachAnswerOfTheErrorDialogGivesItsCode)
{
    const std::string message = kErrorText + "\r" + kQuestion;
    const struct
    {
        CAnswer mAnswer;
        std::uint32_t mExpected;
    } cases[] = {
        {Click("Ignore"), kIgnore},   {Click("Ignore All Errors"), kIgnoreAllErrors},
        {Click("Abort"), kAbort},     {kReturn, kIgnore},
        {kEscape, kAbort},
    };
    for (const auto& testCase : cases) {
        const std::uint32_t result = Answer<std::uint32_t>(message, testCase.mAnswer,
                                                           [] { return CConversionErrorDialog::Run(kErrorText); });
        EXPECT_EQ(result, testCase.mExpected) << testCase.mAnswer.mName;
        EXPECT_EQ(mChildren, (std::vector<std::string>{"Ignore", "Ignore All Errors", "Abort"}))
            << testCase.mAnswer.mName;
    }
}

TEST_F(ConversionDialogs, TheErrorTextStandsFirstAndAnyOtherCloseIgnores)
{
    std::string shown;
    bool closed = false;
    NSGuiTest::CTestIdleClient closer(20, [&] {
        auto* dialog = dynamic_cast<CConversionErrorDialog*>(NSTramvell::GetActiveFrameworkWindow());
        if (dialog == nullptr || closed)
            return;
        shown = dialog->GetMessage();
        closed = true;
        dialog->RequestClose();
    });
    EXPECT_EQ(CConversionErrorDialog::Run(kErrorText), kIgnore);
    EXPECT_TRUE(closed);
    EXPECT_EQ(shown, kErrorText + "\r" + kQuestion);
}

TEST_F(ConversionDialogs, ConvertAnotherAnswersTrueOnlyForItsFirstButton)
{
    const struct
    {
        CAnswer mAnswer;
        bool mExpected;
    } cases[] = {
        {Click("Convert Another"), true},
        {Click("Quit"), false},
        {kReturn, true},
        {kEscape, false},
    };
    for (const auto& testCase : cases) {
        const bool result = Answer<bool>(kConvertAnotherText, testCase.mAnswer,
                                         [] { return CConvertAnotherDialog::Run(); });
        EXPECT_EQ(result, testCase.mExpected) << testCase.mAnswer.mName;
        EXPECT_EQ(mChildren, (std::vector<std::string>{"Convert Another", "Quit"})) << testCase.mAnswer.mName;
    }
}

TEST_F(ConversionDialogs, RealTabAndShiftTabWalkTheButtonsAndReturnAndEscapeKeepTheirMeaning)
{
    if (!NSGuiTest::HasRealInput())
        GTEST_SKIP() << "xdotool is not installed";
    std::uint32_t result = 0;
    const std::vector<std::string> errorWalk = NSGuiTest::WalkFocusThenPress(
        {{"", "Ignore"}, {"Tab", "Ignore All Errors"}, {"Tab", "Abort"}, {"Tab", "Ignore"}, {"shift+Tab", "Abort"}},
        "Return", [&] { result = CConversionErrorDialog::Run(kErrorText); });
    EXPECT_EQ(errorWalk, (std::vector<std::string>{"Ignore", "Ignore All Errors", "Abort", "Ignore", "Abort"}));
    // Return is the default action whichever button holds the focus.
    EXPECT_EQ(result, kIgnore);

    bool convertAnother = true;
    const std::vector<std::string> anotherWalk = NSGuiTest::WalkFocusThenPress(
        {{"", "Convert Another"}, {"Tab", "Quit"}, {"Tab", "Convert Another"}, {"shift+Tab", "Quit"}}, "Escape",
        [&] { convertAnother = CConvertAnotherDialog::Run(); });
    EXPECT_EQ(anotherWalk, (std::vector<std::string>{"Convert Another", "Quit", "Convert Another", "Quit"}));
    EXPECT_FALSE(convertAnother);
}

TEST_F(ConversionDialogs, TheErrorIconLeavesTheBackgroundAroundItsShape)
{
    NSTramvell::CRect icon;
    std::vector<NSTramvell::CColor> corners;
    NSTramvell::CColor background;
    bool iconPainted = false;
    NSGuiTest::CTestIdleClient inside(20, [&] {
        auto* dialog = dynamic_cast<CConversionErrorDialog*>(NSTramvell::GetActiveFrameworkWindow());
        if (dialog == nullptr || !corners.empty())
            return;
        ::InvalidateRect(dialog->GetWindowHandle(), nullptr, FALSE);
        ::UpdateWindow(dialog->GetWindowHandle());
        const NSGuiTest::CClientPixels pixels(*dialog);
        icon = dialog->GetIconFrame();
        background = pixels.At(5, 5);
        // The stock error icon is round: its square's corners are transparent.
        corners = {pixels.At(icon.GetLeft(), icon.GetTop()), pixels.At(icon.GetRight() - 1, icon.GetTop()),
                   pixels.At(icon.GetLeft(), icon.GetBottom() - 1),
                   pixels.At(icon.GetRight() - 1, icon.GetBottom() - 1)};
        for (int y = icon.GetTop(); y < icon.GetBottom(); ++y)
            for (int x = icon.GetLeft(); x < icon.GetRight(); ++x)
                iconPainted = iconPainted || !(pixels.At(x, y) == background);
        NSGuiTest::SaveScreenshot("conversion-error-dialog");
        dialog->RequestClose();
    });
    CConversionErrorDialog::Run(kErrorText);
    ASSERT_EQ(corners.size(), 4u);
    EXPECT_EQ(icon, NSTramvell::CRect(15, 16, 47, 48));
    for (const NSTramvell::CColor& corner : corners)
        EXPECT_EQ(corner, background);
    EXPECT_TRUE(iconPainted);
}

} // namespace
