#pragma once

// A framework window of the tool-tip kind: a borderless pop-up in pale yellow, one pixel of frame on
// each side, made over the window the user works in. The framework offers it; the views' own tips use
// the platform's tool-tip control instead.

#include "framework/gui/windows/Window.h"

namespace NSTramvell {

class CToolTipWindow : public CABCWindow
{
public:
    // Throws XOutOfMemory ("bad allocation") when the platform cannot make the native window.
    CToolTipWindow();
    ~CToolTipWindow() override;

    void RootFrameChanged(const CRect&, const CRect&) override {}
    std::int32_t GetFrameBorderWidth() const override { return 1; }
    std::int32_t GetFrameBorderHeight() const override { return 1; }
};

} // namespace NSTramvell
