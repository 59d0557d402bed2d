#pragma once

// A bar between two panes that the user drags. It never moves itself: every move is proposed to its
// listener, which may change the frame, and then offered to the owner through a change notification
// (TakeProposedFrame); the owner lays the panes and the bar out.

#include "framework/views/pages/ControlView.h"

#include <cstdint>

namespace NSTramvell {

class CSplitterView;

class ISplitterListener
{
public:
    virtual ~ISplitterListener() = default;
    virtual void DragStarted(CSplitterView& splitter) = 0;
    virtual void AdjustProposedFrame(CSplitterView& splitter, CRect& frame) = 0;
    // Only after a normal release, not after a cancelled drag.
    virtual void DragEnded(CSplitterView& splitter) = 0;
};

class CSplitterView : public CControlView
{
public:
    static constexpr std::int32_t kMovesVertically = 1;
    static constexpr std::int32_t kMovesHorizontally = 2;

    CSplitterView(CABCGroupView* parent, std::int32_t orientation, bool draggable);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void AdjustCursor() override;
    void TrackMouse() override;
    void HandleMouseUp(std::int32_t cause) override;
    virtual void ProposeFrame(const CRect& frame);

    // Borrowed: the listener outlives the splitter or is cleared first.
    void SetListener(ISplitterListener* listener) { mListener = listener; }
    void ClearListener() { mListener = nullptr; }
    // True once per proposal, inside its change notification.
    bool TakeProposedFrame(CRect& frame);

private:
    bool mDraggable;
    CPoint mStartPoint;
    CRect mStartFrame;
    std::int32_t mOrientation;
    CRect mProposedFrame;
    bool mChanged = false;
    ISplitterListener* mListener = nullptr;
};

} // namespace NSTramvell
