#pragma once

// A bitmap button that fires while it is held: one step at the press, then, after a pause, steps at a
// growing rate (RepeatTiming.h). The owner reads each batch of steps with TakeStepCount inside the change
// notification; the release is a notification without steps. The mouse or a key holds it.

#include "framework/gui/input/InputInterfaces.h"
#include "framework/views/pages/ControlView.h"

#include <cstdint>

namespace NSTramvell {

class CABCBitmapSequence;
class CKeyEvent;

class CRepeatBitmapButtonView : public CControlView, public IKeyboardInput
{
public:
    // Frame 0 of the sequence shows the button released, frame 1 pressed. The sequence must outlive the
    // view; the view is one frame of it in size.
    CRepeatBitmapButtonView(CABCGroupView* parent, const CABCBitmapSequence& sequence);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override;
    void HandleMouseUp(std::int32_t cause) override;
    void TrackCapture() override { Tick(); }
    // The window took the capture away.
    void ExtraHookB() override { Release(); }

    virtual bool IsPressed() const { return mPressed; }
    // Presses the button for the key until that key comes up; false when the window is not active or
    // another view holds the mouse.
    virtual bool HandleKeyDown(const CKeyEvent& event);
    virtual void Press();
    virtual void Release();
    bool HandleKey(const CKeyEvent& event) override;

    // True once per batch of steps, inside its change notification.
    bool TakeStepCount(std::uint16_t& count);
    void NotifySteps(std::uint16_t count);
    // Steps due since the press (or since the mouse came back), beyond the press's own.
    std::int32_t GetStepsDue() const;
    // Notifies the steps that fell due since the last tick.
    void Tick();

private:
    static std::uint32_t Now();

    const CABCBitmapSequence& mSequence;   // borrowed
    std::uint32_t mKeyCode = 0;
    bool mPressed = false;
    std::uint16_t mStepCount = 0;
    bool mChanged = false;
    bool mRestart = false;
    std::uint32_t mStartTime = 0;
    std::int32_t mStepsSent = 0;
};

} // namespace NSTramvell
