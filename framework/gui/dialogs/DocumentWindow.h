#pragma once

// The framework's top-level window for a document: unowned, with one of four borders (0 fixed, 1 fixed
// with the help button, 2 and 3 resizable). A document window made while the application has a menu bar
// shows that bar. A close mark lets several windows be closed together later.

#include "framework/gui/windows/Window.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CKeyEvent;

class CDocumentWindow : public CABCWindow
{
public:
    // Creates the native window; XOutOfMemory when the platform refuses it.
    CDocumentWindow(std::int32_t borderStyle, const std::string& title, const CRect& bounds);
    ~CDocumentWindow() override;

    using CABCWindow::GetFrameInsets;
    // The insets that turn a client size into the outer rectangle of a window with the border; other
    // styles only the caption.
    static CFrameInsets GetFrameInsets(std::int32_t borderStyle);

    std::int32_t GetBorderStyle() const { return mBorderStyle; }
    // From the window's placement; false when the platform cannot say.
    bool IsMaximized() const;
    bool IsMinimized() const;
    bool IsClosePending() const { return mClosePending; }
    void SetClosePending(bool closePending) { mClosePending = closePending; }

    bool HasCloseCommand() const override { return true; }
    std::int32_t GetFrameBorderWidth() const override;
    std::int32_t GetFrameBorderHeight() const override;
    void RootFrameChanged(const CRect&, const CRect&) override {}
    // Control+F4 closes a maximised window; other keys, and Control+F4 on a window that is not
    // maximised, are the base window's. True when the key was taken.
    bool HandleBuiltInKey(const CKeyEvent& event) override;

private:
    std::int32_t mBorderStyle;
    bool mClosePending = false;
};

// Asks every document window marked for closing to close.
void CloseMarkedDocumentWindows();
void ClearCloseMarks();
// The document window made last that still lives; null when none does.
CDocumentWindow* GetNewestDocumentWindow();

} // namespace NSTramvell
