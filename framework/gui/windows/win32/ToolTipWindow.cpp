#include "framework/gui/windows/ToolTipWindow.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/windows/WindowClasses.h"

namespace NSTramvell {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kExtendedStyle = WS_EX_TOPMOST;

} // namespace

CToolTipWindow::CToolTipWindow() : CABCWindow(kKindToolTip, 0, 0, 0, 0)
{
    SetBackgroundColor(CColor(0xFF, 0xFF, 0xD0));
    const CABCWindow* front = GetActiveFrameworkWindow();
    const CABCCodeModule* module = CABCCodeModule::GetCurrent();
    const HWND handle = GetWindowTable().CreateWindowExA(
        kExtendedStyle, GetWindowClassName(kKindFloater), "", kStyle, 0, 0, 0, 0,
        front != nullptr ? front->GetWindowHandle() : nullptr, nullptr,
        module != nullptr ? module->GetInstanceHandle() : nullptr, nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    SetWindowHandle(handle);
}

CToolTipWindow::~CToolTipWindow()
{
    Dispose();
}

} // namespace NSTramvell
