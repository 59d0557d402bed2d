#include "framework/gui/application/WindowRegistry.h"

#include "framework/gui/tests/support/FakeWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using NSGuiTest::CFakeWindow;
using namespace NSTramvell;

TEST(WindowRegistry, ListsEachWindowOnceInShowingOrder)
{
    CFakeWindow first("first", nullptr);
    CFakeWindow second("second", nullptr);
    first.Show();
    second.Show();
    first.Show();
    ASSERT_EQ(CountWindows(), 2);
    EXPECT_EQ(GetWindowAtIndex(0), &first);
    EXPECT_EQ(GetWindowAtIndex(1), &second);
    EXPECT_THROW(GetWindowAtIndex(2), std::out_of_range);
    EXPECT_EQ(FindWindowByHandle(second.GetNativeHandle()), &second);
    EXPECT_EQ(FindWindowByHandle(nullptr), nullptr);

    RemoveFromWindowRegistry(&first);
    EXPECT_FALSE(IsWindowRegistered(&first));
    EXPECT_EQ(GetWindowAtIndex(0), &second);
}

TEST(WindowRegistry, SweepClosesEveryFlaggedWindowAlsoOnesAddedByAClose)
{
    std::vector<std::string> log;
    CFakeWindow first("first", &log);
    CFakeWindow kept("kept", &log);
    CFakeWindow second("second", &log);
    CFakeWindow latecomer("latecomer", &log);
    first.Show();
    kept.Show();
    second.Show();
    // Closing the first shows a window whose close is already requested; the same sweep must reach it.
    first.SetOnClose([&] {
        latecomer.Show();
        latecomer.RequestClose();
    });
    first.RequestClose();
    second.RequestClose();
    log.clear();

    UpdateFlaggedWindows();

    EXPECT_TRUE(first.IsClosed());
    EXPECT_TRUE(second.IsClosed());
    EXPECT_TRUE(latecomer.IsClosed());
    EXPECT_FALSE(kept.IsClosed());
    EXPECT_EQ(log, (std::vector<std::string>{"first:CloseNow", "latecomer:RequestClose", "second:CloseNow",
                                             "latecomer:CloseNow"}));
    ASSERT_EQ(CountWindows(), 1);
    EXPECT_EQ(GetWindowAtIndex(0), &kept);
}

TEST(ConfirmQuit, StopsAtTheFirstRefusalAfterClosingTheWindowsBeforeIt)
{
    std::vector<std::string> log;
    CFakeWindow first("first", &log);
    CFakeWindow refusing("refusing", &log, false);
    CFakeWindow third("third", &log);
    first.Show();
    refusing.Show();
    third.Show();

    EXPECT_FALSE(ConfirmQuit());

    EXPECT_EQ(log, (std::vector<std::string>{"first:MayClose", "first:RequestClose", "first:CloseNow",
                                             "refusing:MayClose"}));
    EXPECT_EQ(CountWindows(), 2);
}

TEST(ConfirmQuit, AgreementClosesEveryWindowTheLastOneToo)
{
    std::vector<std::string> log;
    CFakeWindow first("first", &log);
    CFakeWindow last("last", &log);
    first.Show();
    last.Show();

    EXPECT_TRUE(ConfirmQuit());

    EXPECT_TRUE(first.IsClosed());
    EXPECT_TRUE(last.IsClosed());
    EXPECT_EQ(CountWindows(), 0);
}

TEST(ConfirmQuit, AWindowThatStaysOpenAfterAgreeingEndsItWithoutHanging)
{
    std::vector<std::string> log;
    CFakeWindow stubborn("stubborn", &log);
    stubborn.Show();
    // Closing it shows it again at once.
    stubborn.SetOnClose([&] { stubborn.Show(); });

    EXPECT_FALSE(ConfirmQuit());
    EXPECT_EQ(CountWindows(), 1);
}
