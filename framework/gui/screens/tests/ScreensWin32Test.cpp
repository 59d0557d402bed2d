#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/screens/ScreenLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;

namespace {

struct CFakeMonitor
{
    RECT monitor;
    RECT work;
    DWORD flags;
    bool infoFails;
};

std::vector<CFakeMonitor> gFakeMonitors;
BOOL gEnumerationResult = TRUE;
BOOL gWorkAreaResult = TRUE;
const RECT kScreen = {0, 0, 1600, 1200};
const RECT kWorkArea = {0, 0, 1600, 1160};

BOOL FakeEnumDisplayMonitors(HDC, LPCRECT, MONITORENUMPROC callback, LPARAM data)
{
    for (std::size_t i = 0; i < gFakeMonitors.size(); ++i) {
        RECT bounds = gFakeMonitors[i].monitor;
        if (!callback(reinterpret_cast<HMONITOR>(i + 1), nullptr, &bounds, data))
            return FALSE;
    }
    return gEnumerationResult;
}

BOOL FakeGetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info)
{
    const CFakeMonitor& fake = gFakeMonitors.at(reinterpret_cast<std::size_t>(monitor) - 1);
    if (fake.infoFails || info->cbSize != sizeof(MONITORINFOEXA))
        return FALSE;
    info->rcMonitor = fake.monitor;
    info->rcWork = fake.work;
    info->dwFlags = fake.flags;
    return TRUE;
}

class ScreensWithFakeMonitors : public testing::Test
{
protected:
    void SetUp() override
    {
        gFakeMonitors = {{{-800, 0, 0, 600}, {-800, 0, 0, 600}, 0, false},
                         {{0, 0, 1024, 768}, {0, 0, 1024, 728}, MONITORINFOF_PRIMARY, false}};
        gEnumerationResult = TRUE;
        gWorkAreaResult = TRUE;
    }

    CScopedTableEntry<decltype(CWindowTable::EnumDisplayMonitors)> mEnumerate{GetWindowTable().EnumDisplayMonitors, &FakeEnumDisplayMonitors};
    CScopedTableEntry<decltype(CWindowTable::GetMonitorInfoA)> mInfo{GetWindowTable().GetMonitorInfoA, &FakeGetMonitorInfoA};
    CScopedTableEntry<decltype(CWindowTable::CreateDCA)> mNoDeviceContext{GetWindowTable().CreateDCA,
                                       [](LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*) -> HDC { return nullptr; }};
    CScopedTableEntry<decltype(CWindowTable::GetWindowRect)> mScreenRect{GetWindowTable().GetWindowRect, [](HWND, LPRECT rect) -> BOOL {
                                      *rect = kScreen;
                                      return TRUE;
                                  }};
    CScopedTableEntry<decltype(CWindowTable::SystemParametersInfoA)> mWorkArea{GetWindowTable().SystemParametersInfoA, [](UINT action, UINT, PVOID out, UINT) -> BOOL {
                                    if (action != SPI_GETWORKAREA || !gWorkAreaResult)
                                        return FALSE;
                                    *static_cast<RECT*>(out) = kWorkArea;
                                    return TRUE;
                                }};
};

} // namespace

TEST_F(ScreensWithFakeMonitors, ReadsEveryMonitorInOrder)
{
    const CScreenLayout layout = GetScreenLayout();
    ASSERT_EQ(layout.GetMonitorCount(), 2);
    EXPECT_EQ(layout.GetMonitor(0).mMonitor, CRect(-800, 0, 0, 600));
    EXPECT_EQ(layout.GetMonitor(1).mWorkArea, CRect(0, 0, 1024, 728));
    EXPECT_EQ(layout.GetPrimaryIndex(), 1);
    EXPECT_EQ(FitRectOnScreen(CRect(-300, 650, -100, 700)), CRect(0, 650, 200, 700));
}

TEST_F(ScreensWithFakeMonitors, FailedEnumerationFallsBackToOneScreenNeverZeroSize)
{
    const struct
    {
        const char* name;
        BOOL enumerationResult;
        bool secondInfoFails;
        BOOL workAreaResult;
        CRect workArea;
    } kCases[] = {
        {"enumeration fails", FALSE, false, TRUE, CRect(0, 0, 1600, 1160)},
        {"one monitor unreadable", TRUE, true, TRUE, CRect(0, 0, 1600, 1160)},
        {"work-area setting fails too", FALSE, false, FALSE, CRect(0, 0, 1600, 1200)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        gEnumerationResult = c.enumerationResult;
        gFakeMonitors[1].infoFails = c.secondInfoFails;
        gWorkAreaResult = c.workAreaResult;
        const CScreenLayout layout = GetScreenLayout();
        ASSERT_EQ(layout.GetMonitorCount(), 1);
        EXPECT_EQ(layout.GetMonitor(0).mWorkArea, c.workArea);
        EXPECT_EQ(FitRectOnScreen(CRect(100, 100, 900, 700)), CRect(100, 100, 900, 700));
    }
}

TEST_F(ScreensWithFakeMonitors, OneScreenWithoutAScreenContextIsOutOfMemory)
{
    gEnumerationResult = FALSE;
    CScopedTableEntry<decltype(CWindowTable::GetDC)> noScreenContext{GetWindowTable().GetDC,
                                                                      [](HWND) -> HDC { return nullptr; }};
    EXPECT_THROW(GetScreenLayout(), XOutOfMemory);
}

TEST(Screens, SystemMonitorsGiveAVisibleScreen)
{
    const CScreenLayout layout = GetScreenLayout();
    ASSERT_GE(layout.GetMonitorCount(), 1);
    EXPECT_FALSE(layout.GetPrimary().mWorkArea.IsEmpty());
    EXPECT_GT(layout.GetPrimary().mDepthInBits, 0);
}
