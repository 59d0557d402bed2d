#pragma once

// Views that show one frame of a bitmap sequence, clipped to their frame, which is one frame of the
// sequence in size at the origin until the caller moves it. CAnimatedBitmapSequenceView steps through
// the frames on its own, one every 10 ms of the clock, from an idle client. The sequence is borrowed:
// whoever made the view keeps it alive longer.

#include "framework/foundation/platform/FrameTimer.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/gui/views/View.h"

#include <cstdint>

namespace NSTramvell {

class CABCBitmapSequence;

class CBitmapSequenceView : public CView
{
public:
    CBitmapSequenceView(CABCGroupView* parent, const CABCBitmapSequence& sequence);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;

    // Invalidates on a change.
    void SetFrameIndex(std::uint16_t index);
    std::uint16_t GetFrameIndex() const { return mFrameIndex; }
    const CABCBitmapSequence& GetSequence() const { return mSequence; }

private:
    const CABCBitmapSequence& mSequence;   // borrowed from the creator
    std::uint16_t mFrameIndex = 0;
};

class CAnimatedBitmapSequenceView : public CBitmapSequenceView
{
public:
    static constexpr std::int32_t kIdleIntervalCode = 24;
    static constexpr std::int64_t kFrameLengthInMicroseconds = 10000;

    CAnimatedBitmapSequenceView(CABCGroupView* parent, const CABCBitmapSequence& sequence);

private:
    void Advance(const CIdleInfo& info);

    CFrameTimer mTimer;
    CIdleClient<CAnimatedBitmapSequenceView> mIdleClient;
};

} // namespace NSTramvell
