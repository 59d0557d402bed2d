#include "framework/gui/input/Cursors.h"

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowRegistry.h"

namespace NSTramvell {
namespace {

constexpr UINT kDefaultWheelScrollLines = 3;

// The user-interface thread's only busy nesting.
std::int16_t gBusyCount = 0;

} // namespace

void SetSystemCursor(std::int32_t cursorId)
{
    SetCursorHandle(GetWindowTable().LoadCursorA(nullptr, MAKEINTRESOURCEA(static_cast<WORD>(cursorId))));
}

void SetCursorHandle(HCURSOR cursor)
{
    const CWindowTable& table = GetWindowTable();
    if (cursor != nullptr && table.GetCursor() != cursor)
        table.SetCursor(cursor);
}

void SetArrowCursor()
{
    SetSystemCursor(32512);
}

void SetTextCursor()
{
    SetSystemCursor(32513);
}

void SetWatchCursor()
{
    SetSystemCursor(32514);
}

void SetBusyCursor()
{
    SetWatchCursor();
}

void SetHorizontalSplitCursor()
{
    SetApplicationCursor(kHorizontalSplitCursor);
}

void SetVerticalSplitCursor()
{
    SetApplicationCursor(kVerticalSplitCursor);
}

void SetApplicationCursor(std::uint16_t cursorId)
{
    const CABCCodeModule* const module = CABCCodeModule::GetCurrent();
    if (module == nullptr)
        return;
    SetCursorHandle(GetWindowTable().LoadCursorA(module->GetInstanceHandle(), MAKEINTRESOURCEA(cursorId)));
}

void BeginBusy()
{
    if (++gBusyCount > 0)
        SetWatchCursor();
}

void EndBusy()
{
    // An unmatched end must not leave the count below zero, or the next begin would not show the wait.
    if (gBusyCount <= 0)
        return;
    if (--gBusyCount == 0)
        SetArrowCursor();
}

std::uint16_t GetWheelScrollAmount()
{
    UINT lines = kDefaultWheelScrollLines;
    GetWindowTable().SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<std::uint16_t>(lines & 0xFFFF);
}

void UpdateWindowsNow()
{
    UpdateAllWindows();
}

} // namespace NSTramvell
