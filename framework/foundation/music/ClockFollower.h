#pragma once

// Follows an external clock of 24 ticks per beat: the caller feeds one time stamp per tick, and the
// follower estimates the tempo from the last 64 of them and, once started, keeps a song position in
// 1/192 beat that it steers toward a reference, giving the corrected tempo to run at. With time stamps
// in microseconds the tempi are thousandths of a beat per minute. A plain value: no threads, no locks;
// the caller serialises access.

#include <cstdint>

namespace NSTramvell {

class CClockFollower
{
public:
    static constexpr std::int32_t kRingLength = 64;
    static constexpr std::int32_t kSlowestTempo = 20000;
    static constexpr std::int32_t kFastestTempo = 500000;

    CClockFollower() noexcept;

    // The stamps come from a free-running clock that may wrap: only differences of them count.
    void Tick(std::uint32_t timeStamp) noexcept;

    // The span in force until now becomes the number of ticks that only fill the ring, so the measured
    // tempo stays as it was until the ring holds stamps of the new run.
    void Reset() noexcept;
    void Start() noexcept;
    void Restart() noexcept;
    void Stop() noexcept;

    // A song-position pointer's two 7-bit halves; each unit of it is 48 positions (a sixteenth note).
    void SetSongPosition(std::uint8_t low, std::uint8_t high) noexcept;
    void SetPosition(std::int32_t position) noexcept { mSongPosition = position; }
    std::int32_t GetPosition() const noexcept { return mSongPosition; }
    bool IsRunning() const noexcept { return mRunning; }
    // unused is kept for callers that pass it but plays no part in following.
    void SetReference(std::int32_t unused, std::int32_t referencePosition) noexcept;
    void SetScale(std::int32_t scale) noexcept { mReferenceScale = scale; }

    std::int32_t GetOutputTempo() const noexcept { return mOutputTempo; }
    std::int32_t GetMeasuredTempo() const noexcept { return mMeasuredTempo; }

private:
    void MeasureTempo(std::uint32_t timeStamp) noexcept;
    void Steer() noexcept;
    void EndRound() noexcept;
    std::int32_t GetPositionError() const noexcept;

    std::int32_t mReferenceScale;    // A
    std::int32_t mUnusedReference;   // B
    std::int32_t mReferencePosition; // C
    bool mRunning;
    bool mStartPending;
    std::int32_t mOutputTempo;
    std::int32_t mMeasuredTempo;
    std::int32_t mSongPosition; // in 1/192 beat
    std::int32_t mLargestInterval;
    std::int32_t mSmallestInterval;
    std::uint16_t mRoundTicks;
    std::int32_t mWindow;
    std::int32_t mLargestError;
    std::int32_t mSmallestError;
    std::int32_t mGain;
    std::uint32_t mLastTimeStamp;
    std::uint32_t mRing[kRingLength];
    std::uint16_t mRingIndex;
    std::uint16_t mSpan;
    std::uint16_t mSkipCount;
};

} // namespace NSTramvell
