#include "framework/gui/floaters/SplashTiming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

TEST(SplashTiming, ATimedSplashMayCloseWhenItsTimeIsUp)
{
    const CSplashTiming splash(10000, 300);
    EXPECT_FALSE(splash.MayClose(10000));
    EXPECT_FALSE(splash.MayClose(10299));
    EXPECT_TRUE(splash.MayClose(10300));
    EXPECT_TRUE(splash.MayClose(20000));
    // A clock before the start is no time up.
    EXPECT_FALSE(splash.MayClose(9000));
}

TEST(SplashTiming, AnUntimedSplashWaitsForAClick)
{
    CSplashTiming splash(10000, -1);
    EXPECT_FALSE(splash.MayClose(10000));
    EXPECT_FALSE(splash.MayClose(99999999));
    splash.NoteClick();
    EXPECT_TRUE(splash.MayClose(10000));
}

TEST(RunSplashLoop, EndsWhenTheSplashMayCloseIsGoneOrTheApplicationQuits)
{
    const struct
    {
        const char* name;
        int closeAt, goneAt, quitAt;   // the round (from 0) at which each first holds; -1 never
        int rounds;
    } kCases[] = {
        {"may close at once", 0, -1, -1, 0},
        {"may close later", 3, -1, -1, 3},
        {"closed from outside", -1, 2, -1, 2},
        {"quit requested", -1, -1, 4, 4},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        int round = 0;
        std::vector<std::string> log;
        const auto reached = [&round](int at) { return at >= 0 && round >= at; };
        RunSplashLoop({[&] { return reached(c.closeAt); }, [&] { return reached(c.goneAt); },
                       [&] { return reached(c.quitAt); }, [&] { log.push_back("pump"); },
                       [&] {
                           log.push_back("pause");
                           ++round;
                       }});
        EXPECT_EQ(round, c.rounds);
        EXPECT_EQ(log.size(), static_cast<std::size_t>(2 * c.rounds));
        if (!log.empty()) {
            EXPECT_EQ(log.front(), "pump");
            EXPECT_EQ(log.back(), "pause");
        }
    }
}
