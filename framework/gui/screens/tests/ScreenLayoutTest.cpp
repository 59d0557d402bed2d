#include "framework/gui/screens/ScreenLayout.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

CMonitorRecord Monitor(const CRect& monitor, const CRect& workArea, bool primary)
{
    return CMonitorRecord{monitor, workArea, 32, primary};
}

// 1024 x 768 with a 40-pixel task bar at the bottom.
const CMonitorRecord kTaskBarScreen = Monitor(CRect(0, 0, 1024, 768), CRect(0, 0, 1024, 728), true);
const CMonitorRecord kFallback = Monitor(CRect(0, 0, 800, 600), CRect(0, 0, 800, 560), true);

// Two monitors side by side, the second primary and taller: the united bound has an empty corner.
CScreenLayout SideBySide()
{
    return CScreenLayout({Monitor(CRect(-1024, 0, 0, 768), CRect(-1024, 0, 0, 768), false),
                          Monitor(CRect(0, 0, 1280, 1024), CRect(0, 0, 1280, 984), true)},
                         kFallback);
}

} // namespace

TEST(CScreenLayout, FitRectKeepsWindowsOnTheScreens)
{
    const CScreenLayout one({kTaskBarScreen}, kFallback);
    const CScreenLayout two = SideBySide();
    const struct
    {
        const char* name;
        const CScreenLayout& layout;
        CRect rect;
        CRect fitted;
    } kCases[] = {
        {"task bar pushes up", one, CRect(100, 600, 300, 750), CRect(100, 578, 300, 728)},
        {"inside stays", one, CRect(10, 10, 20, 20), CRect(10, 10, 20, 20)},
        {"too wide for all shrinks to the union", two, CRect(-2000, 10, 2000, 110), CRect(-1024, 10, 1280, 110)},
        {"entirely off ends on the primary", two, CRect(5000, 5000, 5100, 5100), CRect(1180, 884, 1280, 984)},
        {"entirely in the empty corner ends on the primary", two, CRect(-300, 800, -100, 900), CRect(0, 800, 200, 900)},
        {"partly in the empty corner moves onto its monitor", two, CRect(-300, 700, -100, 800),
         CRect(-300, 668, -100, 768)},
        {"across both monitors stays", two, CRect(-100, 100, 100, 200), CRect(-100, 100, 100, 200)},
        {"too large for one monitor shrinks to it", one, CRect(0, 0, 2000, 2000), CRect(0, 0, 1024, 728)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.layout.FitRect(c.rect), c.fitted);
    }
}

TEST(CScreenLayout, BestMonitorTakesTheLargestOverlapAndTheLowerIndexOnTies)
{
    const CScreenLayout two = SideBySide();
    EXPECT_EQ(two.FindBestMonitor(CRect(-100, 0, 100, 100)), 0);  // 100 x 100 on each
    EXPECT_EQ(two.FindBestMonitor(CRect(-100, 0, 101, 100)), 1);
    EXPECT_EQ(two.FindBestMonitor(CRect(-101, 0, 100, 100)), 0);
    EXPECT_EQ(two.GetOverlap(CRect(-100, 0, 100, 100), 1), 10000);
    EXPECT_EQ(two.GetOverlap(CRect(5000, 0, 5100, 100), 0), 0);
    EXPECT_EQ(two.GetPrimaryIndex(), 1);
    const CMonitorRecord plain = Monitor(CRect(0, 0, 640, 480), CRect(0, 0, 640, 480), false);
    EXPECT_EQ(CScreenLayout({plain, plain}, kFallback).GetPrimaryIndex(), 0);
    EXPECT_EQ(two.MoveOntoBestMonitor(CRect(1200, 0, 1400, 100)), CRect(1080, 0, 1280, 100));
    EXPECT_EQ(two.FitOnBestMonitor(CRect(-50, 0, 1950, 100)), CRect(0, 0, 1280, 100));
}

TEST(CScreenLayout, UnusableMonitorListFallsBackToOneScreen)
{
    const struct
    {
        const char* name;
        std::vector<CMonitorRecord> monitors;
    } kCases[] = {
        {"no monitors", {}},
        {"an all-zero record", {kTaskBarScreen, CMonitorRecord()}},
        {"an empty work area", {Monitor(CRect(0, 0, 1024, 768), CRect(), true)}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const CScreenLayout layout(c.monitors, kFallback);
        ASSERT_EQ(layout.GetMonitorCount(), 1);
        EXPECT_EQ(layout.GetMonitor(0).mMonitor, kFallback.mMonitor);
        EXPECT_EQ(layout.FitRect(CRect(0, 0, 640, 480)), CRect(0, 0, 640, 480));
    }
}
