#include "framework/gui/windows/FrameLayout.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {
namespace {

std::int32_t gToolbarHeight = 0;
std::int32_t gStatusBarHeight = 0;

CFrameClientParts GetApplicationParts(const CApplication& application)
{
    CFrameClientParts parts;
    parts.mdiClient = application.GetMDIClientHandle();
    parts.toolBar = application.GetToolbarWindow();
    parts.statusBar = application.GetStatusBarWindow();
    return parts;
}

void LayOutAgain()
{
    const CApplication* application = CApplication::GetApplication();
    if (application == nullptr || application->GetFrameWindowHandle() == nullptr)
        return;
    RECT client{};
    if (!GetWindowTable().GetClientRect(application->GetFrameWindowHandle(), &client))
        return;
    LayOutFrameClient(GetApplicationParts(*application), client.right - client.left, client.bottom - client.top);
}

void PlaceBar(CABCWindow* bar, std::int32_t top, std::int32_t width, std::int32_t height)
{
    if (bar == nullptr || bar->GetWindowHandle() == nullptr)
        return;
    GetWindowTable().MoveWindow(bar->GetWindowHandle(), 0, top, width, height, TRUE);
    FitRootViewToClient(*bar);
}

} // namespace

std::int32_t GetFrameToolbarHeight() { return gToolbarHeight; }

std::int32_t GetFrameStatusBarHeight() { return gStatusBarHeight; }

void SetFrameToolbarHeight(std::int32_t height)
{
    if (height == gToolbarHeight)
        return;
    gToolbarHeight = height;
    LayOutAgain();
}

void SetFrameStatusBarHeight(std::int32_t height)
{
    if (height == gStatusBarHeight)
        return;
    gStatusBarHeight = height;
    LayOutAgain();
}

void LayOutFrameClient(std::int32_t width, std::int32_t height)
{
    const CApplication* application = CApplication::GetApplication();
    if (application != nullptr)
        LayOutFrameClient(GetApplicationParts(*application), width, height);
}

void LayOutFrameClient(const CFrameClientParts& parts, std::int32_t width, std::int32_t height)
{
    if (parts.mdiClient != nullptr)
        GetWindowTable().MoveWindow(parts.mdiClient, 0, gToolbarHeight, width,
                                    height - gStatusBarHeight - gToolbarHeight, TRUE);
    PlaceBar(parts.toolBar, 0, width, gToolbarHeight);
    PlaceBar(parts.statusBar, height - gStatusBarHeight, width, gStatusBarHeight);
}

} // namespace NSTramvell
