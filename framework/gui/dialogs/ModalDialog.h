#pragma once

// The framework's two dialog windows. A modal dialog runs its own pump loop until it is done, while the
// modal state keeps every other framework window disabled; it is made for one run and the run deletes
// it. A modeless dialog stays open beside the other windows and closes like any window. Both are
// top-level windows owned by another (the active framework window, or none in document mode).

#include "framework/gui/windows/Window.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CKeyEvent;
class CMenu;

class CModalDialog : public CABCWindow
{
public:
    // Creates the native window (styles 0 to 4; XOutOfMemory when the platform refuses) and enters the modal
    // state for it. The bounds are applied when the dialog is shown.
    CModalDialog(std::int32_t dialogStyle, const std::string& title, const CRect& outerBounds);
    ~CModalDialog() override;

    // The insets that turn a client size into the outer rectangle of a dialog of the style.
    using CABCWindow::GetFrameInsets;
    static CFrameInsets GetFrameInsets(std::int32_t dialogStyle);

    // Shows the dialog and pumps until it is done, then closes and deletes it, also when the run throws;
    // the busy count and the stay-on-top setting are as before, and the exception passes on.
    static void RunModal(CModalDialog* dialog);

    bool IsDone() const { return mDone; }
    // The base window's close request, which the modal run uses to dispose of the dialog.
    void CloseWindow() { CABCWindow::RequestClose(); }

    // A close request only ends the run; the window goes when the run ends.
    void RequestClose() override { mDone = true; }
    bool IsCycleTarget() const override { return false; }
    std::int32_t GetFrameBorderWidth() const override;
    std::int32_t GetFrameBorderHeight() const override;
    void RootFrameChanged(const CRect&, const CRect&) override {}

    // The base window's keys first (Tab and Shift+Tab walk the focus order, Control+F4); then Return and
    // keypad Enter call the default action, Escape the cancel action; every key counts as handled, so none
    // reaches the windows behind.
    bool HandleBuiltInKey(const CKeyEvent& event) override;
    // No menu command is offered while the dialog runs, and every command is swallowed.
    virtual void UpdateMenu(CMenu& menu);
    virtual bool HandleMenuCommand(std::uint32_t command);
    // The same, where the routing of menu commands asks the active window.
    void EnableMenuCommands(CMenuBar* menuBar) override;
    bool DoMenuCommand(const CMenuCommand& command) override;

    virtual void DoDefaultAction() = 0;
    virtual void DoCancelAction() = 0;

    std::int32_t GetDialogStyle() const { return mDialogStyle; }

private:
    std::int32_t mDialogStyle;
    bool mDone = false;
};

class CModelessDialog : public CABCWindow
{
public:
    // Styles 0 to 2 have a frame; others none. XOutOfMemory when the platform refuses the native window.
    CModelessDialog(std::int32_t dialogStyle, const std::string& title, const CRect& outerBounds);
    ~CModelessDialog() override;

    using CABCWindow::GetFrameInsets;
    static CFrameInsets GetFrameInsets(std::int32_t dialogStyle);

    std::int32_t GetDialogStyle() const { return mDialogStyle; }
    bool HasCloseCommand() const override { return true; }
    std::int32_t GetFrameBorderWidth() const override;
    std::int32_t GetFrameBorderHeight() const override;
    void RootFrameChanged(const CRect&, const CRect&) override {}

private:
    std::int32_t mDialogStyle;
};

// Enumeration callback over top-level windows: the first that is a modeless dialog of the framework goes
// to the out value and ends the enumeration (0); every other window, and a failing look-up, goes on (1).
std::int32_t FindModelessDialogCallback(HWND window, HWND* out);

} // namespace NSTramvell
