#pragma once

// A floating palette: a pop-up tool window owned by the window the user works with, so that it stays
// above it and goes when it goes. Its look is one of five variants or a window style given outright.

#include "framework/gui/windows/Window.h"

#include <cstdint>

namespace NSTramvell {

class CFloaterWindow : public CABCWindow
{
public:
    static constexpr std::uint32_t kExtendedStyle = 0x80;   // a tool window: no task-bar button
    static constexpr std::uint32_t kChildStyle = 0x40000000;

    // Variant 0 a captioned pop-up, 1 and 4 with a system menu and a thick frame, 2 a bare pop-up, 3 with a
    // system menu; any other value is the style itself.
    static std::uint32_t GetStyleForVariant(std::uint32_t variant);

    // Made at (0, 0, 100, 100), not shown, owned by the frame window or else the newest document window.
    // A child style throws XBase: a floater has no parent to live in. XOutOfMemory when the platform
    // refuses the window.
    explicit CFloaterWindow(std::uint32_t variant);
    ~CFloaterWindow() override;

    void RootFrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    std::int32_t GetFrameBorderWidth() const override { return GetFrameMetricWidth(false); }
    std::int32_t GetFrameBorderHeight() const override { return GetFrameMetricHeight(false); }
    std::uint32_t GetVariant() const { return mVariant; }

private:
    std::uint32_t mVariant;
};

// The owner of a window that serves the whole application (a floater, a chooser): the frame window, else
// the newest document window that is not being disposed of; null when there is none.
HWND GetApplicationWindowOwner();

} // namespace NSTramvell
