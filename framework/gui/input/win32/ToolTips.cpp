#include "framework/gui/input/ToolTips.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/input/ToolTipRelay.h"

#include <commctrl.h>

#include <vector>

namespace NSTramvell {
namespace {

// The record's size is the structure's own: the platform refuses a record sized for another
// architecture.
TOOLINFOA MakeToolRecord(HWND owner, UINT flags, UINT_PTR id)
{
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = owner;
    tool.uId = id;
    return tool;
}

void AddTool(HWND control, TOOLINFOA& tool, const std::string& text)
{
    std::vector<char> characters(text.begin(), text.end());
    characters.push_back('\0');
    tool.lpszText = characters.data();
    if (GetWindowTable().SendMessageA(control, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) == 0)
        throw XBase();
}

void SendRelay(HWND control, const MSG& record)
{
    GetWindowTable().SendMessageA(control, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&record));
}

} // namespace

HWND CreateToolTipControl(HWND owner)
{
    const HWND control = GetWindowTable().CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, owner,
                                                          nullptr, nullptr, nullptr);
    if (control != nullptr)
        SetToolTipsActive(control, true);
    return control;
}

void SetToolTipsActive(HWND control, bool active)
{
    GetWindowTable().SendMessageA(control, TTM_ACTIVATE, active ? 1 : 0, 0);
}

void AddRectangleTool(HWND control, HWND owner, std::uint32_t id, const CRect& rect, const std::string& text)
{
    TOOLINFOA tool = MakeToolRecord(owner, 0, id);
    tool.rect = ToNative(rect);
    const CABCCodeModule* const application = CABCCodeModule::GetCurrent();
    tool.hinst = application != nullptr ? application->GetInstanceHandle() : nullptr;
    AddTool(control, tool, text);
}

void AddHandleTool(HWND control, HWND owner, HWND tool, const std::string& text)
{
    TOOLINFOA record = MakeToolRecord(owner, TTF_IDISHWND, reinterpret_cast<UINT_PTR>(tool));
    AddTool(control, record, text);
}

void SetToolRect(HWND control, HWND owner, std::uint32_t id, const CRect& rect)
{
    TOOLINFOA tool = MakeToolRecord(owner, 0, id);
    tool.rect = ToNative(rect);
    GetWindowTable().SendMessageA(control, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void RemoveRectangleTool(HWND control, HWND owner, std::uint32_t id)
{
    const TOOLINFOA tool = MakeToolRecord(owner, 0, id);
    GetWindowTable().SendMessageA(control, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void RemoveHandleTool(HWND control, HWND owner, HWND tool)
{
    const TOOLINFOA record = MakeToolRecord(owner, TTF_IDISHWND, reinterpret_cast<UINT_PTR>(tool));
    GetWindowTable().SendMessageA(control, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&record));
}

void RelayMouseToToolTipControl(HWND control, HWND window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam)
{
    const CToolTipRelay relay = GetToolTipRelay(message);
    if (relay.mMessage == 0 || control == nullptr)
        return;
    const CWindowTable& table = GetWindowTable();
    MSG record{};
    record.hwnd = window;
    record.message = relay.mMessage;
    record.wParam = wParam;
    record.lParam = lParam;
    record.time = static_cast<DWORD>(table.GetMessageTime());
    table.GetCursorPos(&record.pt);
    SendRelay(control, record);
    if (relay.mFollowUp != 0) {
        record.message = relay.mFollowUp;
        SendRelay(control, record);
    }
}

} // namespace NSTramvell
