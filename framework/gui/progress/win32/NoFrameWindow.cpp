#include "framework/gui/progress/NoFrameWindow.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/windows/WindowClasses.h"

namespace NSTramvell {

CNoFrameWindow::CNoFrameWindow(HWND parent, const CRect& bounds)
    : CABCWindow(kKindDocument, bounds.GetLeft(), bounds.GetTop(), bounds.GetRight(), bounds.GetBottom())
{
    CApplication* application = CApplication::GetApplication();
    if (parent == nullptr || application == nullptr)
        throw XBase();
    const HWND handle = GetWindowTable().CreateWindowExA(
        0, GetWindowClassName(kKindDocument), "", kStyle, bounds.GetLeft(), bounds.GetTop(), bounds.GetWidth(),
        bounds.GetHeight(), parent, nullptr, application->GetInstanceHandle(), nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    SetWindowHandle(handle);
}

CNoFrameWindow::~CNoFrameWindow()
{
    Dispose();
}

void CNoFrameWindow::RootFrameChanged(const CRect&, const CRect&) {}

} // namespace NSTramvell
