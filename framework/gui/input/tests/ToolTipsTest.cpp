#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/ToolTips.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;

namespace {

std::vector<UINT> gRelayed;

// A plain top-level window with a child that stands for a native control, and a tip control on it.
class ToolTipControl : public testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        GetWindowTable().InitCommonControlsEx(&controls);
        mOwner = GetWindowTable().CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                                  nullptr, nullptr, nullptr);
        ASSERT_NE(mOwner, nullptr);
        mChild = GetWindowTable().CreateWindowExA(0, "STATIC", "child", WS_CHILD, 0, 0, 50, 20, mOwner, nullptr,
                                                  nullptr, nullptr);
        mControl = CreateToolTipControl(mOwner);
        ASSERT_NE(mControl, nullptr);
    }

    void TearDown() override
    {
        GetWindowTable().DestroyWindow(mControl);
        GetWindowTable().DestroyWindow(mOwner);
    }

    LRESULT CountTools() const { return GetWindowTable().SendMessageA(mControl, TTM_GETTOOLCOUNT, 0, 0); }

    HWND mOwner = nullptr;
    HWND mChild = nullptr;
    HWND mControl = nullptr;
};

} // namespace

TEST_F(ToolTipControl, AddsAndRemovesRectangleAndHandleTools)
{
    AddRectangleTool(mControl, mOwner, 1, CRect(0, 0, 50, 20), "Open");
    AddRectangleTool(mControl, mOwner, 2, CRect(50, 0, 100, 20), "Close");
    AddHandleTool(mControl, mOwner, mChild, "Child");
    EXPECT_EQ(CountTools(), 3);
    SetToolRect(mControl, mOwner, 2, CRect(60, 0, 120, 20));
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = mOwner;
    tool.uId = 2;
    ASSERT_TRUE(GetWindowTable().SendMessageA(mControl, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.rect.left, 60);
    EXPECT_EQ(tool.rect.right, 120);
    RemoveRectangleTool(mControl, mOwner, 1);
    RemoveHandleTool(mControl, mOwner, mChild);
    EXPECT_EQ(CountTools(), 1);
}

TEST_F(ToolTipControl, RefusedToolThrows)
{
    CScopedTableEntry refuse(GetWindowTable().SendMessageA, [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    EXPECT_THROW(AddRectangleTool(mControl, mOwner, 1, CRect(0, 0, 5, 5), "x"), XBase);
}

TEST_F(ToolTipControl, RelaysPressesWithTheirReleaseAndNothingElse)
{
    CScopedTableEntry record(GetWindowTable().SendMessageA, [](HWND, UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message == TTM_RELAYEVENT)
            gRelayed.push_back(reinterpret_cast<const MSG*>(lParam)->message);
        return 0;
    });
    const struct
    {
        UINT message;
        std::vector<UINT> relayed;
    } kCases[] = {{WM_LBUTTONDOWN, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
                  {WM_MOUSEMOVE, {WM_MOUSEMOVE}},
                  {WM_RBUTTONDBLCLK, {}},
                  {WM_KEYDOWN, {}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.message);
        gRelayed.clear();
        RelayMouseToToolTipControl(mControl, mOwner, c.message, 0, 0);
        EXPECT_EQ(gRelayed, c.relayed);
    }
    gRelayed.clear();
    RelayMouseToToolTipControl(nullptr, mOwner, WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(gRelayed.empty());
}
