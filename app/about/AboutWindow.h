#pragma once

// The about window: the program's artwork with its version and build over it, a modeless window that
// the "About Dravim" command brings up. There is at most one; closing it deletes it, and the next command
// makes a new one.

#include "framework/gui/dialogs/ModalDialog.h"

#include <memory>

namespace NSTramvell {
class CBitmapView;
class CTransparentStaticTextView;
} // namespace NSTramvell

class CAboutWindow : public NSTramvell::CModelessDialog
{
public:
    static constexpr std::int32_t kWidth = 486;
    static constexpr std::int32_t kHeight = 344;

    // Made centred over the frame window (or the screen), not shown.
    CAboutWindow();
    ~CAboutWindow() override;

    void RootFrameChanged(const NSTramvell::CRect&, const NSTramvell::CRect&) override {}

    // "Version: 1.0.1 (Build 140)" for this build.
    std::string GetVersionLine() const;
    // The version line's rectangle in the client area.
    static NSTramvell::CRect GetVersionLineFrame();

private:
    std::unique_ptr<NSTramvell::CBitmapView> mPicture;
    std::unique_ptr<NSTramvell::CTransparentStaticTextView> mVersionLine;
};

// Brings the about window to the front, making and showing it first when there is none. When showing a
// new window fails, the window is gone again before the exception passes on.
void ShowAboutWindow();
// The about window while it exists; null otherwise.
CAboutWindow* GetAboutWindow();
