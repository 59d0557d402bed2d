#include "framework/foundation/music/ClockFollower.h"

#include "framework/foundation/music/MusicArithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace NSTramvell {

namespace {

using NSMusicArithmetic::TruncatedToInt32;
using NSMusicArithmetic::Wrapped;

constexpr double kMicrosecondsToMinutes = 1.6666666666666667e-8;
constexpr double kBeatsPerTickTimesThousand = 41.666666666666664; // 1000 / 24
constexpr std::int32_t kSteeringScale = 312500;
constexpr std::int32_t kStrongFactor = 2000;
constexpr std::int32_t kStartGain = 1600;
constexpr std::int32_t kGainStep = 500;
constexpr std::int32_t kSmallestGain = 200;
constexpr std::int32_t kStartWindow = 100;
constexpr std::uint16_t kStartSpan = 4;
constexpr std::uint16_t kTicksPerRound = 64;
constexpr std::int32_t kPositionsPerSongUnit = 192 / 4;
constexpr std::int32_t kPositionsPerTick = 8;
constexpr std::int32_t kLargestSmallError = 768;
constexpr std::int32_t kStartSmallestInterval = 1000000;

std::int32_t Difference(std::uint32_t later, std::uint32_t earlier) noexcept
{
    return static_cast<std::int32_t>(later - earlier);
}

std::int32_t ClampTempo(std::int64_t tempo) noexcept
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(tempo, CClockFollower::kSlowestTempo, CClockFollower::kFastestTempo));
}

} // namespace

CClockFollower::CClockFollower() noexcept
    : mReferenceScale(0), mUnusedReference(0), mReferencePosition(0), mRunning(false), mStartPending(false),
      mOutputTempo(kFastestTempo), mMeasuredTempo(kFastestTempo), mSongPosition(0), mLargestInterval(0),
      mSmallestInterval(kStartSmallestInterval), mRoundTicks(0), mWindow(kStartWindow), mLargestError(0),
      mSmallestError(0), mGain(kStartGain), mLastTimeStamp(0), mRing{}, mRingIndex(0), mSpan(kStartSpan),
      mSkipCount(0)
{
}

void CClockFollower::Reset() noexcept
{
    mSkipCount = mSpan;
    mOutputTempo = kFastestTempo;
    mGain = kStartGain;
    mRoundTicks = 0;
    mLargestInterval = 0;
    mSmallestInterval = kStartSmallestInterval;
    mWindow = kStartWindow;
    mSpan = kStartSpan;
}

void CClockFollower::Start() noexcept
{
    Reset();
    mStartPending = true;
}

void CClockFollower::Restart() noexcept
{
    Reset();
    mSongPosition = 0;
    mStartPending = true;
}

void CClockFollower::Stop() noexcept
{
    mRunning = false;
    mStartPending = false;
}

void CClockFollower::SetSongPosition(std::uint8_t low, std::uint8_t high) noexcept
{
    mSongPosition = ((high & 0x7F) * 128 + (low & 0x7F)) * kPositionsPerSongUnit;
}

void CClockFollower::SetReference(std::int32_t unused, std::int32_t referencePosition) noexcept
{
    mUnusedReference = unused;
    mReferencePosition = referencePosition;
}

void CClockFollower::Tick(std::uint32_t timeStamp) noexcept
{
    const std::int32_t interval = Difference(timeStamp, mLastTimeStamp);
    mLastTimeStamp = timeStamp;
    mLargestInterval = std::max(mLargestInterval, interval);
    mSmallestInterval = std::min(mSmallestInterval, interval);

    if (mSkipCount != 0)
        --mSkipCount;
    else
        MeasureTempo(timeStamp);
    mRing[mRingIndex] = timeStamp;
    mRingIndex = static_cast<std::uint16_t>((mRingIndex + 1) % kRingLength);

    if (mStartPending) {
        mRunning = true;
        mStartPending = false;
    }
    if (mRunning)
        Steer();
    else
        mOutputTempo = mMeasuredTempo;
    mMeasuredTempo = ClampTempo(mMeasuredTempo);
    mOutputTempo = ClampTempo(mOutputTempo);
}

void CClockFollower::MeasureTempo(std::uint32_t timeStamp) noexcept
{
    const std::uint32_t spanStart = mRing[(mRingIndex + kRingLength - mSpan % kRingLength) % kRingLength];
    const std::int32_t tickLength = Difference(timeStamp, spanStart) / mSpan;
    const double tickLengthInMinutes = tickLength * kMicrosecondsToMinutes;
    if (tickLengthInMinutes > 0)
        mMeasuredTempo = TruncatedToInt32(kBeatsPerTickTimesThousand / tickLengthInMinutes);
}

std::int32_t CClockFollower::GetPositionError() const noexcept
{
    const std::int32_t scaledTempo = Wrapped(std::int64_t{mReferenceScale} * mMeasuredTempo);
    const std::int32_t expected = Wrapped(std::int64_t{mReferencePosition} - scaledTempo / kSteeringScale);
    return Wrapped(std::int64_t{mSongPosition} - expected);
}

void CClockFollower::Steer() noexcept
{
    std::int32_t error = GetPositionError();
    mLargestError = std::max(mLargestError, error);
    mSmallestError = std::min(mSmallestError, error);
    if (++mRoundTicks == kTicksPerRound)
        EndRound();

    std::int32_t factor = kStrongFactor;
    if (std::abs(std::int64_t{error}) <= kLargestSmallError) {
        if (std::abs(std::int64_t{error}) <= mWindow)
            factor = mGain;
    } else {
        // Whole steps of 768 toward the expected position; what is left is steered hard.
        const std::int64_t steps = error / kLargestSmallError;
        mSongPosition = Wrapped(mSongPosition - steps * kLargestSmallError);
        error = GetPositionError();
    }
    mOutputTempo = ClampTempo(std::int64_t{factor} * error + mMeasuredTempo);
    mSongPosition = Wrapped(std::int64_t{mSongPosition} + kPositionsPerTick);
}

void CClockFollower::EndRound() noexcept
{
    mWindow = Wrapped(std::int64_t{mLargestError} - mSmallestError);
    mGain = std::max(mGain - kGainStep, kSmallestGain);
    const std::int64_t jitter = std::int64_t{mLargestInterval} - mSmallestInterval;
    mSpan = jitter > 10000 ? 64 : (jitter > 6000 ? 32 : 16);
    mLargestError = 0;
    mSmallestError = 0;
    mLargestInterval = 0;
    mSmallestInterval = kStartSmallestInterval;
    mRoundTicks = 0;
}

} // namespace NSTramvell
