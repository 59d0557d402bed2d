#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/tests/support/FakeWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace NSTramvell;

namespace {

// Cursor handles stand for their system numbers, so that the test reads which one is current.
HCURSOR gCurrentCursor = nullptr;
int gSetCursorCalls = 0;
BOOL gWheelSettingResult = TRUE;

HCURSOR FakeHandle(std::uintptr_t id)
{
    return reinterpret_cast<HCURSOR>(id);
}

class FakeCursors : public testing::Test
{
protected:
    void SetUp() override
    {
        gCurrentCursor = nullptr;
        gSetCursorCalls = 0;
    }

    CScopedTableEntry<decltype(CWindowTable::LoadCursorA)> mLoad{
        GetWindowTable().LoadCursorA, [](HINSTANCE instance, LPCSTR name) -> HCURSOR {
            return instance == nullptr ? FakeHandle(reinterpret_cast<std::uintptr_t>(name)) : nullptr;
        }};
    CScopedTableEntry<decltype(CWindowTable::GetCursor)> mGet{GetWindowTable().GetCursor,
                                                              []() -> HCURSOR { return gCurrentCursor; }};
    CScopedTableEntry<decltype(CWindowTable::SetCursor)> mSet{GetWindowTable().SetCursor, [](HCURSOR cursor) -> HCURSOR {
                                                                  ++gSetCursorCalls;
                                                                  return std::exchange(gCurrentCursor, cursor);
                                                              }};
};

} // namespace

TEST_F(FakeCursors, NestedBusyShowsTheWaitCursorUntilTheLastEnd)
{
    const HCURSOR wait = FakeHandle(32514);
    const HCURSOR arrow = FakeHandle(32512);
    BeginBusy();
    BeginBusy();
    EndBusy();
    EXPECT_EQ(gCurrentCursor, wait);
    EndBusy();
    EXPECT_EQ(gCurrentCursor, arrow);
    const int callsBefore = gSetCursorCalls;
    EndBusy();  // unmatched
    EXPECT_EQ(gCurrentCursor, arrow);
    EXPECT_EQ(gSetCursorCalls, callsBefore);
    {
        CBusyCursor busy;
        EXPECT_EQ(gCurrentCursor, wait);
    }
    EXPECT_EQ(gCurrentCursor, arrow);
}

TEST_F(FakeCursors, SettersChangeOnlyADifferentCursor)
{
    SetTextCursor();
    SetTextCursor();
    EXPECT_EQ(gCurrentCursor, FakeHandle(32513));
    EXPECT_EQ(gSetCursorCalls, 1);
    SetCursorHandle(nullptr);
    SetHorizontalSplitCursor();  // the test program has no cursor of its own
    EXPECT_EQ(gCurrentCursor, FakeHandle(32513));
    EXPECT_EQ(gSetCursorCalls, 1);
}
TEST(GetWheelScrollAmount, TakesTheSettingOrThree)
{
    CScopedTableEntry setting(GetWindowTable().SystemParametersInfoA, [](UINT action, UINT, PVOID out, UINT) -> BOOL {
        if (action != SPI_GETWHEELSCROLLLINES || !gWheelSettingResult)
            return FALSE;
        *static_cast<UINT*>(out) = 0x10005;
        return TRUE;
    });
    gWheelSettingResult = TRUE;
    EXPECT_EQ(GetWheelScrollAmount(), 5);
    gWheelSettingResult = FALSE;
    EXPECT_EQ(GetWheelScrollAmount(), 3);
}

TEST(UpdateWindowsNow, UpdatesEveryListedWindow)
{
    std::vector<std::string> log;
    NSGuiTest::CFakeWindow first("first", &log);
    NSGuiTest::CFakeWindow second("second", &log);
    first.Show();
    second.Show();
    UpdateWindowsNow();
    EXPECT_EQ(log, (std::vector<std::string>{"first:UpdateNow", "second:UpdateNow"}));
}
