#pragma once

// A frameless child window inside another native window, of the document window class, for views that
// must live in a native window of their own.

#include "framework/gui/windows/Window.h"

namespace NSTramvell {

class CNoFrameWindow : public CABCWindow
{
public:
    static constexpr std::uint32_t kStyle = 0x40000000;   // a child, hidden until shown

    // A null parent throws XBase: a child window cannot be made without one. XOutOfMemory when the
    // platform refuses the window.
    CNoFrameWindow(HWND parent, const CRect& bounds);
    ~CNoFrameWindow() override;

    void RootFrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    // Of the document class, but no document.
    bool IsDocumentWindow() const override { return false; }
};

} // namespace NSTramvell
