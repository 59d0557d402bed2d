#pragma once

// Strip windows a frame-mode application docks to its frame: a status bar and a toolbar, each a visible
// child window that draws its own edges around a group of views (the tool root view, built by the window
// and deleted with the window's views). The owner derives to build one.

#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/Window.h"

#include <cstdint>

namespace NSTramvell {

class CStripWindow : public CABCWindow
{
public:
    ~CStripWindow() override;

    // The tool root view takes the whole client area.
    void RootFrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    // The platform's fixed-frame border.
    std::int32_t GetFrameBorderWidth() const override;
    std::int32_t GetFrameBorderHeight() const override;

    CStandardGroupView* GetToolRootView() const { return mToolRoot; }

protected:
    // A visible child of the parent at frame (the parent's client coordinates).
    CStripWindow(CABCWindow& parent, const CRect& frame);
    void SetToolRootView(CStandardGroupView* toolRoot) { mToolRoot = toolRoot; }

private:
    CStandardGroupView* mToolRoot = nullptr;   // a child of the root view, which deletes it
};

// A strip's group of views: it fills its frame with the background, draws a shadow line and a white one
// along the top (with a bottom edge, a shadow line and a black one along the bottom too) and clips its
// children to what the edges leave.
class CStripToolRootView : public CStandardGroupView
{
public:
    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return CRegion(*GetFrame()); }
    void DrawBackground(CABCViewDrawSpec& drawSpec) override;

protected:
    CStripToolRootView(CABCGroupView* parent, bool bottomEdge)
        : CStandardGroupView(parent, CRect()), mBottomEdge(bottomEdge)
    {
    }
    // The frame less its edges.
    CRect GetInsideEdges() const;

private:
    bool mBottomEdge;
};

class CApplicationStatusBar : public CStripWindow
{
public:
    // The top edge alone; the children lie below it.
    class CToolRootView : public CStripToolRootView
    {
    public:
        explicit CToolRootView(CABCGroupView* parent) : CStripToolRootView(parent, false) {}
        CRect GetContentRect() const override { return GetInsideEdges(); }
    };

protected:
    CApplicationStatusBar(CABCWindow& parent, const CRect& frame);
};

class CApplicationToolbar : public CStripWindow
{
public:
    // Both edges.
    class CToolRootView : public CStripToolRootView
    {
    public:
        explicit CToolRootView(CABCGroupView* parent) : CStripToolRootView(parent, true) {}
    };

protected:
    CApplicationToolbar(CABCWindow& parent, const CRect& frame);
};

// Small graphics helpers kept beside the strips. The absolute value of the most negative integer is the
// most positive one.
std::int32_t AbsoluteValue(std::int32_t value) noexcept;

} // namespace NSTramvell
