// The save-before-close question on the Xvfb screen, answered with the keys a user would type.

#include "framework/foundation/modules/CodeModule.h"
#include "framework/viewwindows/dialogs/SaveBeforeCloseDialog.h"
#include "framework/viewwindows/dialogs/tests/FrameworkDialogsTestSupport.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

#include <gtest/gtest.h>

#include <functional>

using namespace NSTramvell;
using NSFrameworkDialogsTest::RegisterClassesOnce;

namespace {

class SaveBeforeCloseDialog : public testing::Test
{
protected:
    SaveBeforeCloseDialog() { RegisterClassesOnce(); }

    // Runs the question; once it is the active window, calls the step with it once.
    std::uint32_t Run(const std::string& documentName, const std::function<void(CSaveBeforeCloseDialogClass&)>& step)
    {
        bool done = false;
        NSGuiTest::CTestIdleClient inside(20, [&] {
            auto* dialog = dynamic_cast<CSaveBeforeCloseDialogClass*>(GetActiveFrameworkWindow());
            if (done || dialog == nullptr)
                return;
            done = true;
            step(*dialog);
        });
        return CSaveBeforeCloseDialogClass::Run(documentName);
    }

    const NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

TEST_F(SaveBeforeCloseDialog, LetterKeysAndEscapePressTheirButtons)
{
    const struct
    {
        WPARAM key;
        std::uint32_t answer;
    } kCases[] = {{'Y', 35}, {'N', 33}, {'C', 34}, {VK_ESCAPE, 34}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.key);
        const std::uint32_t answer = Run("Song", [&c](CSaveBeforeCloseDialogClass&) {
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, c.key, 1);
        });
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(SaveBeforeCloseDialog, RealTabAndShiftTabWalkTheButtonsAndEscapeStillCancels)
{
    if (!NSGuiTest::HasRealInput())
        GTEST_SKIP() << "xdotool is not installed";
    std::uint32_t answer = 0;
    const std::vector<std::string> seen = NSGuiTest::WalkFocusThenPress(
        {{"", "Yes"}, {"Tab", "No"}, {"Tab", "Cancel"}, {"Tab", "Yes"}, {"shift+Tab", "Cancel"}, {"shift+Tab", "No"}},
        "Escape", [&] { answer = CSaveBeforeCloseDialogClass::Run("Song"); });
    EXPECT_EQ(seen, (std::vector<std::string>{"Yes", "No", "Cancel", "Yes", "Cancel", "No"}));
    EXPECT_EQ(answer, 34u);
}

TEST_F(SaveBeforeCloseDialog, AsksAboutTheNamedDocumentAndArrowsGoRoundTheButtons)
{
    std::string question;
    std::vector<std::string> focused;
    const std::uint32_t answer = Run("Song", [&](CSaveBeforeCloseDialogClass& dialog) {
        question = dialog.GetQuestionView()->GetText();
        const auto focusedTitle = [&dialog]() -> std::string {
            for (CPushButtonView* button : {dialog.GetYesButton(), dialog.GetNoButton(), dialog.GetCancelButton()})
                if (::GetFocus() == button->GetNativeHandle())
                    return button->GetTitle();
            return "none";
        };
        focused.push_back(focusedTitle());
        for (const WPARAM key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT}) {
            ::SendMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
            focused.push_back(focusedTitle());
        }
        ::RedrawWindow(dialog.GetWindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        NSGuiTest::SaveScreenshot("save-before-close");
        dialog.RequestClose();
    });
    EXPECT_EQ(answer, 36u);
    EXPECT_EQ(question,
              "Save changes to the " + CABCCodeModule::GetCurrent()->GetName() + " document \"Song\" before closing?");
    EXPECT_EQ(focused, (std::vector<std::string>{"Yes", "No", "Cancel", "Yes", "Cancel"}));
}

} // namespace
