#include "framework/gui/dialogs/DocumentWindow.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/windows/WindowClasses.h"

#include <algorithm>
#include <vector>

namespace NSTramvell {

namespace {

// Every living document window, oldest first.
std::vector<CDocumentWindow*>& GetDocumentWindows()
{
    static std::vector<CDocumentWindow*> windows;
    return windows;
}

struct CNativeStyle
{
    DWORD style;
    DWORD extendedStyle;
};

CNativeStyle GetDocumentStyle(std::int32_t borderStyle)
{
    switch (borderStyle) {
    case 1:
        return {0x00C80000, WS_EX_CONTEXTHELP};
    case 2:
        return {0x00CF0000, 0};
    case 3:
        return {0x00CE0000, 0};
    default:
        return {0x00C80000, 0};
    }
}

bool HasSizingFrame(std::int32_t borderStyle)
{
    return borderStyle == 2 || borderStyle == 3;
}

bool HasFixedFrame(std::int32_t borderStyle)
{
    return borderStyle == 0 || borderStyle == 1;
}

std::int32_t GetBorderMetric(std::int32_t borderStyle, int fixedMetric, int sizingMetric)
{
    if (HasFixedFrame(borderStyle))
        return GetWindowTable().GetSystemMetrics(fixedMetric);
    return HasSizingFrame(borderStyle) ? GetWindowTable().GetSystemMetrics(sizingMetric) : 0;
}

UINT GetShowState(HWND handle)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (handle == nullptr || !GetWindowTable().GetWindowPlacement(handle, &placement))
        return 0;
    return placement.showCmd;
}

std::vector<CDocumentWindow*> ListDocumentWindows()
{
    std::vector<CDocumentWindow*> documents;
    for (IRegisteredWindow* window : GetWindowList()) {
        if (auto* document = dynamic_cast<CDocumentWindow*>(window))
            documents.push_back(document);
    }
    return documents;
}

} // namespace

CDocumentWindow::CDocumentWindow(std::int32_t borderStyle, const std::string& title, const CRect& bounds)
    : CABCWindow(kKindDocument, bounds.GetLeft(), bounds.GetTop(), bounds.GetRight(), bounds.GetBottom())
    , mBorderStyle(borderStyle)
{
    const CNativeStyle style = GetDocumentStyle(borderStyle);
    const CABCCodeModule* module = CABCCodeModule::GetCurrent();
    const HWND handle = GetWindowTable().CreateWindowExA(
        style.extendedStyle, GetWindowClassName(kKindDocument), title.c_str(), style.style, 0, 0, 0, 0, nullptr,
        nullptr, module != nullptr ? module->GetInstanceHandle() : nullptr, nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    SetWindowHandle(handle);
    // The bar is attached to the windows that exist when its menus are added; a later window takes it here.
    if (CApplication* application = CApplication::GetApplication()) {
        if (CMenuBar* bar = application->GetMenuBar())
            GetWindowTable().SetMenu(handle, bar->GetNativeHandle());
    }
    GetDocumentWindows().push_back(this);
    SetResizable(HasSizingFrame(borderStyle));
}

CDocumentWindow::~CDocumentWindow()
{
    std::vector<CDocumentWindow*>& windows = GetDocumentWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    Dispose();
}

CFrameInsets CDocumentWindow::GetFrameInsets(std::int32_t borderStyle)
{
    const std::int32_t width = GetBorderMetric(borderStyle, SM_CXFIXEDFRAME, SM_CXSIZEFRAME);
    const std::int32_t height = GetBorderMetric(borderStyle, SM_CYFIXEDFRAME, SM_CYSIZEFRAME);
    return CFrameInsets(width, height + GetWindowTable().GetSystemMetrics(SM_CYCAPTION), width, height);
}

bool CDocumentWindow::IsMaximized() const
{
    return GetShowState(GetWindowHandle()) == SW_SHOWMAXIMIZED;
}

bool CDocumentWindow::IsMinimized() const
{
    return GetShowState(GetWindowHandle()) == SW_SHOWMINIMIZED;
}

std::int32_t CDocumentWindow::GetFrameBorderWidth() const
{
    return GetBorderMetric(mBorderStyle, SM_CXFIXEDFRAME, SM_CXSIZEFRAME);
}

std::int32_t CDocumentWindow::GetFrameBorderHeight() const
{
    return GetBorderMetric(mBorderStyle, SM_CYFIXEDFRAME, SM_CYSIZEFRAME);
}

bool CDocumentWindow::HandleBuiltInKey(const CKeyEvent& event)
{
    if (event.GetKind() == kKeyDown && event.GetKeyCode() == kKeyF4 && event.GetModifiers().IsControlDown() &&
        IsMaximized()) {
        CloseIfAllowed();
        return true;
    }
    return CABCWindow::HandleBuiltInKey(event);
}

void CloseMarkedDocumentWindows()
{
    for (CDocumentWindow* window : ListDocumentWindows()) {
        if (IsWindowRegistered(window) && window->IsClosePending())
            window->RequestClose();
    }
}

void ClearCloseMarks()
{
    for (CDocumentWindow* window : GetDocumentWindows())
        window->SetClosePending(false);
}

CDocumentWindow* GetNewestDocumentWindow()
{
    const std::vector<CDocumentWindow*>& windows = GetDocumentWindows();
    return windows.empty() ? nullptr : windows.back();
}

} // namespace NSTramvell
