#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

INT_PTR CALLBACK KeepDefaults(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The item's rectangle in dialog units, measured back from the dialog's own mapping.
RECT ItemRectInDialogUnits(HWND dialog, int id)
{
    RECT item{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &item);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&item), 2);
    RECT unit{0, 0, 800, 800};   // 800 dialog units each way, for a fine scale
    ::MapDialogRect(dialog, &unit);
    const auto toUnits = [](LONG pixels, LONG pixelsPer800) {
        return static_cast<LONG>((pixels * 800 + pixelsPer800 / 2) / pixelsPer800);
    };
    return RECT{toUnits(item.left, unit.right), toUnits(item.top, unit.bottom), toUnits(item.right, unit.right),
                toUnits(item.bottom, unit.bottom)};
}

} // namespace

TEST(ProgressTemplate, HoldsTheStopButtonMessageBarAreaAndCounter)
{
    const HWND dialog =
        ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(10000), nullptr, &KeepDefaults, 0);
    ASSERT_NE(dialog, nullptr);
    const struct
    {
        int id;
        const char* className;
        const char* text;
        RECT rect;
    } kItems[] = {
        {1, "Button", "Stop", {163, 41, 213, 55}},
        {2, "Static", "", {7, 7, 213, 23}},
        {3, "Static", "", {7, 26, 157, 36}},
        {4, "Static", "0000000000", {163, 26, 213, 34}},
    };
    for (const auto& item : kItems) {
        SCOPED_TRACE(item.id);
        const HWND control = ::GetDlgItem(dialog, item.id);
        ASSERT_NE(control, nullptr);
        char className[32] = "";
        ::GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(className, item.className);
        char text[32] = "";
        ::GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(text, item.text);
        const RECT rect = ItemRectInDialogUnits(dialog, item.id);
        EXPECT_NEAR(rect.left, item.rect.left, 1);
        EXPECT_NEAR(rect.top, item.rect.top, 1);
        EXPECT_NEAR(rect.right, item.rect.right, 1);
        EXPECT_NEAR(rect.bottom, item.rect.bottom, 1);
    }
    EXPECT_EQ(::GetDlgItem(dialog, 5), nullptr);
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(dialog, GWL_STYLE)) & (WS_POPUP | WS_CAPTION),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION));
    ::DestroyWindow(dialog);
}
