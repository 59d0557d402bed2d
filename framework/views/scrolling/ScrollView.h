#pragma once

// A group that scrolls its children: setting a new scroll state moves them, and when only the offset
// changed the window moves the pixels already painted and repaints just the uncovered strip (fast
// scroll); otherwise the whole view is repainted.

#include "framework/gui/views/GroupView.h"
#include "framework/views/scrolling/ScrollState.h"

namespace NSTramvell {

class CScrollBarRange;

class CScrollView : public CStandardGroupView
{
public:
    explicit CScrollView(CABCGroupView* parent);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override
    {
        InvalidateFrameChange(oldFrame, newFrame);
    }
    // The frame with its top-left moved back by the scroll offset.
    CRect GetContentRect() const override;

    void EnableFastScroll() { mFastScroll = true; }
    void DisableFastScroll() { mFastScroll = false; }
    const CScrollState& GetScrollState() const { return mState; }
    // The content's whole extent, in window coordinates.
    CRect GetContentFrame() const;
    void SetScrollState(const CScrollState& state);
    // Scrolls x to the range's visible start, keeping y and the content size.
    void ScrollHorizontallyTo(const CScrollBarRange& range);

private:
    void MoveChildren(std::int32_t dx, std::int32_t dy);

    CScrollState mState;
    bool mFastScroll = true;
};

} // namespace NSTramvell
