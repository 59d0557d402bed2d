#pragma once

// When a splash screen may go: after its duration, or, with a negative duration, once it was clicked.
// And the loop that holds the start-up until then, which also ends when the splash window was closed
// from outside or the application is quitting, so that it can never wait for a click that cannot come.

#include <cstdint>
#include <functional>

namespace NSTramvell {

class CSplashTiming
{
public:
    CSplashTiming(std::uint64_t startMs, std::int32_t durationMs);

    void NoteClick() { mClicked = true; }
    bool IsClicked() const { return mClicked; }
    std::int32_t GetDuration() const { return mDurationMs; }
    bool MayClose(std::uint64_t nowMs) const;

private:
    std::uint64_t mStartMs;
    std::int32_t mDurationMs;
    bool mClicked = false;
};

// What the splash loop asks and does on each round.
struct CSplashLoopSteps
{
    std::function<bool()> mayClose;
    std::function<bool()> isWindowGone;
    std::function<bool()> isQuitting;
    std::function<void()> pumpStep;
    std::function<void()> pause;
};

// Pump steps with a pause between them until the splash may close, is gone or the application quits.
void RunSplashLoop(const CSplashLoopSteps& steps);

} // namespace NSTramvell
