#pragma once

// A group that can be folded. It only records the state and draws its children inside its frame; how a
// folded group shrinks or hides them is the derived class's (SetFoldedLayout).

#include "framework/gui/views/GroupView.h"

namespace NSTramvell {

class CFoldableGroupView : public CStandardGroupView
{
public:
    explicit CFoldableGroupView(CABCGroupView* parent) : CStandardGroupView(parent, CRect()) {}

    void Draw(CABCViewDrawSpec& drawSpec) override;
    virtual void Fold() { mFolded = true; }
    virtual void Unfold() { mFolded = false; }
    virtual void SetFoldedLayout() = 0;

    bool IsFolded() const { return mFolded; }

private:
    bool mFolded = true;
};

} // namespace NSTramvell
