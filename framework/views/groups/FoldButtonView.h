#pragma once

// The plus/minus box that folds and unfolds a group. A press in the box reports a click; the button
// keeps its look until its owner folds or unfolds it.

#include "framework/gui/views/View.h"

namespace NSTramvell {

class CFoldButtonView : public CView
{
public:
    // A 16 x 16 button outside the visible area until its owner places it.
    explicit CFoldButtonView(CABCGroupView* parent);
    CFoldButtonView(CABCGroupView* parent, const CRect& frame);

    void EnabledChanged(bool) override { Invalidate(); }
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return CRegion(GetBoxRect()); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;

    // True once, inside the change notification of a click.
    bool WasClicked();
    void Click();
    bool IsFolded() const { return mFolded; }
    void Fold() { SetFolded(true); }
    void Unfold() { SetFolded(false); }
    // The frame inset by 4, where the box is drawn and pressed.
    CRect GetBoxRect() const;

private:
    void SetFolded(bool folded);

    bool mFolded = true;
    bool mClicked = false;
};

} // namespace NSTramvell
