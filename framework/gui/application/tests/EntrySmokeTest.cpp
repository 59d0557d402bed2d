// The program entry with its real steps and an application factory that fails: the user must see the
// "unknown reason" message in a real message box, and the program must still end normally. The test's
// main binds nothing: the entry binds and releases the platform tables itself.

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/application/win32/ProgramEntry.h"
#include "framework/gui/tests/support/Driver.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace NSTramvell;

namespace {

void FailToMakeTheApplication(CApplicationParameters&)
{
    throw XBase();
}

} // namespace

TEST(ProgramEntry, AFailingStartShowsTheUnknownReasonAndEndsNormally)
{
    NSGuiTest::CWatchdog watchdog;
    std::vector<std::string> boxTexts;
    std::string screenshot;
    bool pressed = false;
    int result = -1;
    {
        NSGuiTest::CDriverThread driver([&] {
            const HWND box = NSGuiTest::WaitForTopWindow("Error", 20000);
            if (box == nullptr)
                return;
            // The box is up; its text is drawn by the time the controls report it.
            NSGuiTest::WaitUntil([&] {
                boxTexts = NSGuiTest::GetChildTexts(box);
                return std::find(boxTexts.begin(), boxTexts.end(), "OK") != boxTexts.end();
            }, 5000);
            screenshot = NSGuiTest::SaveScreenshot("ProgramEntry.AFailingStartShowsTheUnknownReason");
            pressed = NSGuiTest::PressButton(box, "OK");
        });
        result = RunProgram(MakeProgramEntrySteps(&FailToMakeTheApplication), ::GetModuleHandleA(nullptr), "", 1);
    }
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(pressed);
    EXPECT_NE(std::find(boxTexts.begin(), boxTexts.end(),
                        "The application cannot run for an unknown reason! Please contact technical support for "
                        "assistance."),
              boxTexts.end());
    EXPECT_FALSE(screenshot.empty());
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
