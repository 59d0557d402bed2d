#include "framework/gui/floaters/FloaterWindow.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/windows/WindowClasses.h"

namespace NSTramvell {

std::uint32_t CFloaterWindow::GetStyleForVariant(std::uint32_t variant)
{
    switch (variant) {
    case 0:
        return 0x80C00000;   // pop-up, caption
    case 1:
    case 4:
        return 0x80CC0000;   // and system menu, thick frame
    case 2:
        return 0x80000000;   // pop-up alone
    case 3:
        return 0x80C80000;   // pop-up, caption, system menu
    default:
        return variant;
    }
}

CFloaterWindow::CFloaterWindow(std::uint32_t variant)
    : CABCWindow(kKindFloater, 0, 0, 100, 100)
    , mVariant(variant)
{
    const std::uint32_t style = GetStyleForVariant(variant);
    CApplication* application = CApplication::GetApplication();
    if ((style & kChildStyle) != 0 || application == nullptr)
        throw XBase();
    const HWND handle = GetWindowTable().CreateWindowExA(kExtendedStyle, GetWindowClassName(kKindFloater), "", style,
                                                         0, 0, 100, 100, GetApplicationWindowOwner(), nullptr,
                                                         application->GetInstanceHandle(), nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    SetWindowHandle(handle);
}

CFloaterWindow::~CFloaterWindow()
{
    Dispose();
}

void CFloaterWindow::RootFrameChanged(const CRect&, const CRect&) {}

HWND GetApplicationWindowOwner()
{
    const CApplication* application = CApplication::GetApplication();
    if (application != nullptr && application->GetFrameWindowHandle() != nullptr)
        return application->GetFrameWindowHandle();
    const std::vector<IRegisteredWindow*> windows = GetWindowList();
    for (auto listed = windows.rbegin(); listed != windows.rend(); ++listed) {
        const auto* window = dynamic_cast<const CABCWindow*>(*listed);
        if (window != nullptr && window->IsDocumentWindow() && !window->IsDisposing())
            return window->GetWindowHandle();
    }
    return nullptr;
}

} // namespace NSTramvell
