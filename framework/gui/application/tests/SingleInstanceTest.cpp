#include "framework/gui/application/win32/SingleInstance.h"

#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

int gPauses = 0;
int gPosts = 0;

class SingleInstanceTest : public testing::Test
{
protected:
    SingleInstanceTest()
    {
        gPauses = 0;
        gPosts = 0;
        EXPECT_TRUE(IsFirstInstance());
    }
    ~SingleInstanceTest() override
    {
        ReleaseSingleInstanceBlock();
        // No hand-over message may reach the next test.
        MSG message;
        while (::PeekMessageA(&message, nullptr, kPassedCommandLineMessage, kPassedCommandLineMessage, PM_REMOVE)) {
        }
    }
};

} // namespace

TEST_F(SingleInstanceTest, ALaterInstanceFindsTheBlockAndItsTextIsCutTo520Bytes)
{
    EXPECT_FALSE(IsFirstInstance());
    PassCommandLineToFirstInstance(std::string(600, 'x'));
    EXPECT_EQ(ReadPassedCommandLine(), std::string(kPassedCommandLineLength, 'x'));

    // Reading freed the block: the next text goes in at once.
    CScopedTableEntry pause(GetKernelTable().Sleep, [](DWORD) { ++gPauses; });
    PassCommandLineToFirstInstance("short");
    EXPECT_EQ(gPauses, 0);
    EXPECT_EQ(ReadPassedCommandLine(), "short");
}

TEST_F(SingleInstanceTest, GivesUpAfterAHundredBusyPasses)
{
    PassCommandLineToFirstInstance("first");
    CScopedTableEntry pause(GetKernelTable().Sleep, [](DWORD milliseconds) {
        if (milliseconds == 100)
            ++gPauses;
    });
    CScopedTableEntry post(GetWindowTable().PostThreadMessageA, [](DWORD, UINT, WPARAM, LPARAM) -> BOOL {
        ++gPosts;
        return TRUE;
    });
    PassCommandLineToFirstInstance("second");
    EXPECT_EQ(gPauses, 100);
    EXPECT_EQ(gPosts, 0);
    EXPECT_EQ(ReadPassedCommandLine(), "first");
}

TEST_F(SingleInstanceTest, TheFirstInstanceOpensWhatALaterOneHandsOver)
{
    NSGuiTest::CWatchdog watchdog;
    NSFilesTest::CScratchFolder scratch;
    const std::string path = scratch.GetPath() + "handed over.txt";
    NSFilesTest::WriteWholeFile(path, "x");
    NSGuiTest::CTestApplication application;
    PassCommandLineToFirstInstance("\"" + path + "\"");
    EXPECT_TRUE(NSGuiTest::WaitUntil([&] {
        application.ProcessPendingEvents();
        application.ProcessOpenRequests();
        return !application.mCalls.empty();
    }, 5000));
    EXPECT_EQ(application.mCalls, (std::vector<std::string>{"file " + path}));

    CScopedTableEntry pause(GetKernelTable().Sleep, [](DWORD) { ++gPauses; });
    PassCommandLineToFirstInstance("next");
    EXPECT_EQ(gPauses, 0);
}
