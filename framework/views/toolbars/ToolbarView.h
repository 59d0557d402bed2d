#pragma once

// The framework's own toolbar: a 28-pixel strip that lines its children up from one edge, and the
// separators and spacer that go between its buttons.

#include "framework/gui/views/GroupView.h"
#include "framework/views/toolbars/ToolbarLayout.h"

#include <cstdint>

namespace NSTramvell {

class CDialogTemplate;

class CToolbarView : public CStandardGroupView
{
public:
    struct CDescription
    {
        CRect frame;
        std::int32_t alignment;
    };

    // kToolbarAlignLeft or kToolbarAlignRight.
    CToolbarView(CABCGroupView* parent, std::int32_t alignment, const CRect& frame);
    CToolbarView(CABCGroupView* parent, const CDescription& description);

    // The rectangle with the toolbar's height.
    static CRect MakeToolbarFrame(const CRect& rect);
    // The template item's rectangle with the toolbar's height; XNotFound when it has no item with the id.
    static CDescription MakeDescription(const CDialogTemplate& layout, std::uint16_t itemId, std::int32_t alignment);

    void EnabledChanged(bool) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    std::int32_t GetAlignment() const { return mAlignment; }
    void LayOutChildren();

private:
    std::int32_t mAlignment;
};

// An etched upright between groups of buttons, 8 pixels wide.
class CToolbarSeparatorView : public CView
{
public:
    explicit CToolbarSeparatorView(CABCGroupView* parent);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return CRegion(GetLineRect()); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }

protected:
    virtual CRect GetLineRect() const;
};

// The upright centred in its frame on a green ground, for seeing where separators fall.
class CToolbarSeparatorView2 : public CToolbarSeparatorView
{
public:
    explicit CToolbarSeparatorView2(CABCGroupView* parent) : CToolbarSeparatorView(parent) {}
    void Draw(CABCViewDrawSpec& drawSpec) override;

protected:
    CRect GetLineRect() const override;
};

// Empty room of a given width.
class CToolbarSpaceView : public CView
{
public:
    CToolbarSpaceView(CABCGroupView* parent, std::int32_t width);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec&) override {}
    CRegion GetDrawRegion() const override { return CRegion(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
};

} // namespace NSTramvell
