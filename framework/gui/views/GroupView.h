#pragma once

// Group views hold other views inside their frame and pass drawing, hit tests, presses, enabling, moves
// and change notifications on to them. CABCGroupView has the traversal, CStandardGroupView the child list
// (children in the order they were built; the group does not own them), CSolidColorGroupView a background
// colour that the plain controls inside it paint behind themselves.

#include "framework/gui/views/View.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

class CABCGroupView : public CView
{
public:
    explicit CABCGroupView(CABCWindow* window);
    CABCGroupView(CABCGroupView* parent, const CRect& frame);

    void WindowShown() override;
    void SetEnabled(bool enabled) override;
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return CRegion(); }
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    CView* HitTest(const CPoint& point) override;
    std::int32_t HandleContextClick(const CMouseEvent& event) override;
    void ExcludeVisibleArea(CRegion& region) override;

    virtual CRect GetContentRect() const { return *GetFrame(); }
    virtual void DrawBackground(CABCViewDrawSpec&) {}
    virtual CView* GetChild(std::uint32_t index) const = 0;
    virtual std::uint32_t GetChildCount() const = 0;
    virtual void AddChild(CView* child) = 0;
    virtual void RemoveChild(CView* child) = 0;
    // Deletes child 0 until none is left; each leaves the list as it dies.
    virtual void DeleteAllChildren();
    // True when the area was taken; plain groups decline, the root view hands it to its window.
    virtual bool HandleInvalidate(const CRegion& region);

    void SetClipBackground(bool clip) { mClipBackground = clip; }
    bool GetClipBackground() const { return mClipBackground; }
    // The child count plus one for a view that is not a child.
    std::uint32_t IndexOfChild(const CView* view) const;
    static bool IsAncestorOf(const CABCGroupView* group, const CView* view);
    // Whether the tracking or the capture view is the group or lies inside it.
    static bool ContainsMouseHolder(const CABCGroupView* group);

private:
    void DrawBackgroundAndChildren(CABCViewDrawSpec& drawSpec);

    bool mClipBackground = true;
};

class CStandardGroupView : public CABCGroupView
{
public:
    explicit CStandardGroupView(CABCWindow* window) : CABCGroupView(window) {}
    CStandardGroupView(CABCGroupView* parent, const CRect& frame) : CABCGroupView(parent, frame) {}
    explicit CStandardGroupView(CABCGroupView* parent) : CABCGroupView(parent, CRect()) {}

    void EnabledChanged(bool) override {}
    void FrameChanged(const CRect&, const CRect&) override {}
    CView* GetChild(std::uint32_t index) const override { return mChildren[index]; }
    std::uint32_t GetChildCount() const override { return static_cast<std::uint32_t>(mChildren.size()); }
    void AddChild(CView* child) override;
    // A view that is not a child is ignored.
    void RemoveChild(CView* child) override;

private:
    std::vector<CView*> mChildren;   // borrowed: each child is deleted by whoever built it
};

class CSolidColorGroupView : public CStandardGroupView, public IBackgroundColor
{
public:
    explicit CSolidColorGroupView(CABCWindow* window);
    CSolidColorGroupView(CABCGroupView* parent, const CRect& frame);
    explicit CSolidColorGroupView(CABCGroupView* parent) : CSolidColorGroupView(parent, CRect()) {}

    void EnabledChanged(bool) override {}
    CRegion GetDrawRegion() const override { return CRegion(*GetFrame()); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    CColor GetBackgroundColor() const override { return mColor; }
    void SetColor(const CColor& color);
    // The frame in the background colour.
    void DrawBackground(CABCViewDrawSpec& drawSpec) override;

private:
    CColor mColor;
};


} // namespace NSTramvell
