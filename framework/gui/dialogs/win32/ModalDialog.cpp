#include "framework/gui/dialogs/ModalDialog.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/Menu.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/menus/MenuCommand.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/WindowProcedure.h"

#include <exception>

namespace NSTramvell {

namespace {

struct CNativeStyle
{
    DWORD style;
    DWORD extendedStyle;
};

// Pop-up windows: the platform refuses a window that is pop-up and child at once, so the child bit of
// the framework's style words is left out.
CNativeStyle GetModalStyle(std::int32_t dialogStyle)
{
    switch (dialogStyle) {
    case 1:
        return {0x80C80000, WS_EX_CONTEXTHELP};
    case 2:
        return {0x80CD0000, 0};
    case 4:
        return {0x80000000, 0};
    default:
        return {0x80C00000, 0};
    }
}

CNativeStyle GetModelessStyle(std::int32_t dialogStyle)
{
    switch (dialogStyle) {
    case 0:
        return {0x80C80000, 0};
    case 1:
        return {0x80C80000, WS_EX_CONTEXTHELP};
    case 2:
        return {0x80CF0000, 0};
    default:
        return {0, 0};
    }
}

HINSTANCE GetModuleInstance()
{
    const CABCCodeModule* module = CABCCodeModule::GetCurrent();
    return module != nullptr ? module->GetInstanceHandle() : nullptr;
}

HWND CreateDialogWindow(const CNativeStyle& style, const std::string& title, HWND owner)
{
    const HWND handle = GetWindowTable().CreateWindowExA(style.extendedStyle,
                                                         GetWindowClassName(CABCWindow::kKindModalDialog),
                                                         title.c_str(), style.style, 0, 0, 0, 0, owner, nullptr,
                                                         GetModuleInstance(), nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    return handle;
}

HWND GetFrameWindow()
{
    const CApplication* application = CApplication::GetApplication();
    return application != nullptr ? application->GetFrameWindowHandle() : nullptr;
}

HWND GetModalOwner()
{
    if (const CABCWindow* active = GetActiveFrameworkWindow())
        return active->GetWindowHandle();
    return GetFrameWindow();
}

bool GetStayOnTop()
{
    const CApplication* application = CApplication::GetApplication();
    return application != nullptr && application->GetStayOnTop();
}

void SetStayOnTop(bool stayOnTop)
{
    if (CApplication* application = CApplication::GetApplication())
        application->SetStayOnTop(stayOnTop);
}

// Marks the dialog and lets the registry's sweep close and delete it.
void DisposeOfDialog(CModalDialog* dialog)
{
    dialog->CloseWindow();
    AddToWindowRegistry(dialog);
    UpdateFlaggedWindows();
}

} // namespace

CModalDialog::CModalDialog(std::int32_t dialogStyle, const std::string& title, const CRect& outerBounds)
    : CABCWindow(kKindModalDialog, outerBounds.GetLeft(), outerBounds.GetTop(), outerBounds.GetRight(),
                 outerBounds.GetBottom())
    , mDialogStyle(dialogStyle)
{
    SetWindowHandle(CreateDialogWindow(GetModalStyle(dialogStyle), title, GetModalOwner()));
    EnterModalState(GetWindowHandle());
    SetModal(true);
}

CModalDialog::~CModalDialog()
{
    if (GetWindowHandle() != nullptr)
        LeaveModalState(GetWindowHandle());
    Dispose();
}

namespace {

// Style 4 has no frame and no caption; style 2 has the sizing frame, the others the fixed one.
std::int32_t GetModalFrameMetric(std::int32_t dialogStyle, int fixedMetric, int sizingMetric)
{
    if (dialogStyle == 4)
        return 0;
    return GetWindowTable().GetSystemMetrics(dialogStyle == 2 ? sizingMetric : fixedMetric);
}

} // namespace

CFrameInsets CModalDialog::GetFrameInsets(std::int32_t dialogStyle)
{
    if (dialogStyle == 4)
        return CFrameInsets(0, 0, 0, 0);
    const std::int32_t width = GetModalFrameMetric(dialogStyle, SM_CXFIXEDFRAME, SM_CXSIZEFRAME);
    const std::int32_t height = GetModalFrameMetric(dialogStyle, SM_CYFIXEDFRAME, SM_CYSIZEFRAME);
    return CFrameInsets(width, height + GetWindowTable().GetSystemMetrics(SM_CYCAPTION), width, height);
}

void CModalDialog::RunModal(CModalDialog* dialog)
{
    const bool stayOnTop = GetStayOnTop();
    bool busy = false;
    try {
        dialog->Activate();
        IncrementBusyCount();
        busy = true;
        SetStayOnTop(false);
        CApplication* application = CApplication::GetApplication();
        if (application == nullptr)
            throw XBase();
        while (!dialog->IsDone())
            application->RunModalStep();
        CModalDialog* const done = dialog;
        dialog = nullptr;
        DisposeOfDialog(done);
    } catch (...) {
        if (dialog != nullptr)
            DisposeOfDialog(dialog);
        SetStayOnTop(stayOnTop);
        if (busy)
            DecrementBusyCount();
        throw;
    }
    SetStayOnTop(stayOnTop);
    DecrementBusyCount();
}

std::int32_t CModalDialog::GetFrameBorderWidth() const
{
    return GetModalFrameMetric(mDialogStyle, SM_CXFIXEDFRAME, SM_CXSIZEFRAME);
}

std::int32_t CModalDialog::GetFrameBorderHeight() const
{
    return GetModalFrameMetric(mDialogStyle, SM_CYFIXEDFRAME, SM_CYSIZEFRAME);
}

bool CModalDialog::HandleBuiltInKey(const CKeyEvent& event)
{
    // The focus walk and Control+F4 first, so that Tab moves between the dialog's buttons.
    if (CABCWindow::HandleBuiltInKey(event))
        return true;
    if (event.GetKind() == kKeyDown) {
        if (event.GetKeyCode() == kKeyReturn || event.GetKeyCode() == kKeyEnter)
            DoDefaultAction();
        else if (event.GetKeyCode() == kKeyEscape)
            DoCancelAction();
    }
    return true;
}

void CModalDialog::UpdateMenu(CMenu& menu)
{
    menu.ResetItems();
}

bool CModalDialog::HandleMenuCommand(std::uint32_t)
{
    return true;
}

void CModalDialog::EnableMenuCommands(CMenuBar* menuBar)
{
    if (menuBar != nullptr)
        menuBar->ResetItems();
}

bool CModalDialog::DoMenuCommand(const CMenuCommand& command)
{
    return HandleMenuCommand(command.GetCommandId());
}

CModelessDialog::CModelessDialog(std::int32_t dialogStyle, const std::string& title, const CRect& outerBounds)
    : CABCWindow(kKindModalDialog, outerBounds.GetLeft(), outerBounds.GetTop(), outerBounds.GetRight(),
                 outerBounds.GetBottom())
    , mDialogStyle(dialogStyle)
{
    SetWindowHandle(CreateDialogWindow(GetModelessStyle(dialogStyle), title, GetFrameWindow()));
}

CModelessDialog::~CModelessDialog()
{
    Dispose();
}

namespace {

// Styles 0 and 1 have the fixed frame, style 2 the sizing frame, others none.
std::int32_t GetModelessFrameMetric(std::int32_t dialogStyle, int fixedMetric, int sizingMetric)
{
    if (dialogStyle == 0 || dialogStyle == 1)
        return GetWindowTable().GetSystemMetrics(fixedMetric);
    return dialogStyle == 2 ? GetWindowTable().GetSystemMetrics(sizingMetric) : 0;
}

} // namespace

CFrameInsets CModelessDialog::GetFrameInsets(std::int32_t dialogStyle)
{
    const std::int32_t width = GetModelessFrameMetric(dialogStyle, SM_CXFIXEDFRAME, SM_CXSIZEFRAME);
    const std::int32_t height = GetModelessFrameMetric(dialogStyle, SM_CYFIXEDFRAME, SM_CYSIZEFRAME);
    return CFrameInsets(width, height + GetWindowTable().GetSystemMetrics(SM_CYCAPTION), width, height);
}

std::int32_t CModelessDialog::GetFrameBorderWidth() const
{
    return GetModelessFrameMetric(mDialogStyle, SM_CXFIXEDFRAME, SM_CXSIZEFRAME);
}

std::int32_t CModelessDialog::GetFrameBorderHeight() const
{
    return GetModelessFrameMetric(mDialogStyle, SM_CYFIXEDFRAME, SM_CYSIZEFRAME);
}

std::int32_t FindModelessDialogCallback(HWND window, HWND* out)
{
    try {
        if (dynamic_cast<CModelessDialog*>(FindWindowByHandle(window)) == nullptr)
            return 1;
        *out = window;
        return 0;
    } catch (const std::exception&) {
        return 1;
    }
}

} // namespace NSTramvell
