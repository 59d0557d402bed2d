#pragma once

// Test windows of the framework's own classes (registered once per test program), so every message
// goes through the framework's window procedure, and views that paint a colour or throw.

#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/Window.h"

#include <functional>
#include <vector>

namespace NSGuiTest {

class CClassWindow : public NSTramvell::CABCWindow
{
public:
    explicit CClassWindow(std::int32_t kind = kKindDocument, std::uint32_t style = 0x00CF0000 /* overlapped */);
    ~CClassWindow() override;

    void RootFrameChanged(const NSTramvell::CRect&, const NSTramvell::CRect&) override {}
    std::int32_t GetFrameBorderWidth() const override { return GetFrameMetricWidth(true); }
    std::int32_t GetFrameBorderHeight() const override { return GetFrameMetricHeight(true); }
    void GetSizeLimits(std::int32_t& minWidth, std::int32_t& minHeight, std::int32_t& maxWidth,
                       std::int32_t& maxHeight) const override;
    void CloseIfAllowed() override;
    NSTramvell::CMouseDownResult HandleMouseDown(const NSTramvell::CMouseEvent& event) override;

    std::function<void()> mOnClose;   // replaces closing when set
    std::vector<NSTramvell::CMouseEvent> mPresses;
};

// Fills its frame with its colour, or outlines it.
class CColorView : public NSTramvell::CView
{
public:
    CColorView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame, const NSTramvell::CColor& color,
               bool outline = false);
    void EnabledChanged(bool) override {}
    void FrameChanged(const NSTramvell::CRect&, const NSTramvell::CRect&) override {}
    void Draw(NSTramvell::CABCViewDrawSpec& drawSpec) override;

private:
    NSTramvell::CColor mColor;
    bool mOutline;
};

// Throws from its drawing.
class CThrowingView : public NSTramvell::CView
{
public:
    CThrowingView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame, std::function<void()> thrower);
    void EnabledChanged(bool) override {}
    void FrameChanged(const NSTramvell::CRect&, const NSTramvell::CRect&) override {}
    void Draw(NSTramvell::CABCViewDrawSpec&) override { mThrower(); }

private:
    std::function<void()> mThrower;
};

// The window's client area as the screen shows it, read back through the window's context.
class CClientPixels
{
public:
    explicit CClientPixels(const NSTramvell::CABCWindow& window);
    NSTramvell::CColor At(int x, int y) const;

private:
    int mWidth = 0;
    std::vector<std::uint32_t> mPixels;
};

// Paints the window now: shown, then every pending paint handled.
void ShowAndPaint(NSTramvell::CABCWindow& window, const NSTramvell::CRect& bounds);

} // namespace NSGuiTest
