#pragma once

// What a view, a window or the application adds to take part in key and wheel routing. The routing asks
// for them by a run-time type test and offers an event along its chain until one answers true.

namespace NSTramvell {

class CKeyEvent;
class CMouseEventRecord;

class IKeyboardInput
{
public:
    virtual ~IKeyboardInput() = default;
    // True when the key was handled: it goes no further.
    virtual bool HandleKey(const CKeyEvent& event) = 0;
};

class IMouseWheelInput
{
public:
    virtual ~IMouseWheelInput() = default;
    // True when the turn was used.
    virtual bool HandleMouseWheel(const CMouseEventRecord& event) = 0;
};

} // namespace NSTramvell
