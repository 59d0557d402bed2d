#pragma once

// What working code tells a lengthy operation about its progress. The simple record carries a value for
// the progress bar (0 to 1000), a count, the message and the stop button's title.

#include <cstdint>
#include <string>

namespace NSTramvell {

class CABCProgressInfo
{
public:
    virtual ~CABCProgressInfo();
};

class CSimpleProgressInfo : public CABCProgressInfo
{
public:
    CSimpleProgressInfo() = default;
    CSimpleProgressInfo(std::int32_t value, std::int32_t count, std::string message, std::string stopTitle);

    std::int32_t GetValue() const { return mValue; }
    std::int32_t GetCount() const { return mCount; }
    const std::string& GetMessage() const { return mMessage; }
    const std::string& GetStopTitle() const { return mStopTitle; }
    void SetValue(std::int32_t value) { mValue = value; }
    void SetCount(std::int32_t count) { mCount = count; }
    void SetMessage(const std::string& message) { mMessage = message; }
    void SetStopTitle(const std::string& title) { mStopTitle = title; }

private:
    std::int32_t mValue = 0;
    std::int32_t mCount = 0;
    std::string mMessage;
    std::string mStopTitle;
};

// The older operation's timing, driven from idle time in framework ticks (1/60 s): the arrow cursor for
// the first 30 ticks, then the wait cursor every 12 ticks while no window is up; its window after 300
// ticks when it is to be shown at all.
class COldLengthyOperationClock
{
public:
    static constexpr std::int32_t kWaitCursorDelayTicks = 30;
    static constexpr std::int32_t kWaitCursorStepTicks = 12;
    static constexpr std::int32_t kWindowDelayTicks = 300;

    enum class ECursor
    {
        kLeave,
        kArrow,
        kWait
    };
    struct CStep
    {
        ECursor mCursor;
        bool mShowWindow;
    };

    explicit COldLengthyOperationClock(std::uint32_t startTick, bool showsWindow);

    // What to do at the tick; the window is asked for once. Ticks are compared across their wrap.
    CStep Tick(std::uint32_t now, bool windowShown);
    std::int32_t GetCursorFrame() const { return mCursorFrame; }

private:
    std::uint32_t mStartTick;
    std::uint32_t mLastCursorTick;
    std::int32_t mCursorFrame = 0;
    bool mShowsWindow;
    bool mWindowAsked = false;
};

} // namespace NSTramvell
