#include "framework/gui/windows/WindowClasses.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowProcedure.h"

#include <array>

namespace NSTramvell {

namespace {

constexpr std::int32_t kKindCount = 6;

// Frame mode's class is not built: this program runs in document mode.
constexpr std::array<const char*, kKindCount> kClassNames = {
    nullptr, "Tramvell Document Window", "Tramvell Modal Dialog Window", "Tramvell Splash Screen Window",
    "Tramvell Floater Window", "Tramvell ToolTip Window"};

std::array<ATOM, kKindCount> gAtoms{};
HBRUSH gToolTipBackground = nullptr;   // owned while the tool-tip class is registered

template <std::int32_t Kind>
LRESULT CALLBACK KindProcedure(HWND handle, UINT message, WPARAM first, LPARAM second)
{
    return WindowProcedure(Kind, handle, message, first, second);
}

constexpr std::array<WNDPROC, kKindCount> kProcedures = {
    &KindProcedure<0>, &KindProcedure<1>, &KindProcedure<2>, &KindProcedure<3>, &KindProcedure<4>, &KindProcedure<5>};

void RegisterKind(HINSTANCE instance, std::int32_t kind)
{
    CWindowTable& table = GetWindowTable();
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    record.style = CS_DBLCLKS;
    record.lpfnWndProc = kProcedures[kind];
    record.cbWndExtra = 4;
    record.hInstance = instance;
    record.hIcon = table.LoadIconA(instance, MAKEINTRESOURCEA(kind == CABCWindow::kKindDocument ? 2 : 1));
    record.hCursor = table.LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F00));
    if (kind == CABCWindow::kKindToolTip) {
        if (gToolTipBackground == nullptr)
            gToolTipBackground = table.CreateSolidBrush(RGB(0xFF, 0xFF, 0xD0));
        record.hbrBackground = gToolTipBackground;
    } else {
        record.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    }
    record.lpszClassName = kClassNames[kind];
    const ATOM atom = table.RegisterClassExA(&record);
    if (atom == 0)
        throw XBase();
    gAtoms[kind] = atom;
}

} // namespace

const char* GetWindowClassName(std::int32_t kind)
{
    return kind >= 0 && kind < kKindCount ? kClassNames[kind] : nullptr;
}

std::uint16_t GetWindowClassAtom(std::int32_t kind) { return kind >= 0 && kind < kKindCount ? gAtoms[kind] : 0; }

void RegisterWindowClasses(HINSTANCE instance)
{
    for (std::int32_t kind : {CABCWindow::kKindModalDialog, CABCWindow::kKindSplash, CABCWindow::kKindFloater,
                              CABCWindow::kKindToolTip, CABCWindow::kKindDocument})
        RegisterKind(instance, kind);
}

void UnregisterWindowClasses(HINSTANCE instance)
{
    CWindowTable& table = GetWindowTable();
    for (std::int32_t kind : {CABCWindow::kKindModalDialog, CABCWindow::kKindFloater, CABCWindow::kKindToolTip,
                              CABCWindow::kKindSplash, CABCWindow::kKindDocument}) {
        if (gAtoms[kind] == 0)
            continue;
        table.UnregisterClassA(kClassNames[kind], instance);   // a failure leaves nothing to do
        gAtoms[kind] = 0;
    }
    if (gToolTipBackground != nullptr)
        table.DeleteObject(gToolTipBackground);
    gToolTipBackground = nullptr;
    // The classes go last at shut-down, after every window: the shared drawing resources go with them.
    ReleaseScreenResources();
}

} // namespace NSTramvell
