#include "framework/foundation/music/ClockFollower.h"
#include "framework/foundation/music/TimeSignature.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using NSTramvell::CClockFollower;
using NSTramvell::CTimeSignature;

constexpr std::uint32_t kTickAt100BeatsPerMinute = 25000; // microseconds, 24 ticks per beat
constexpr std::int32_t kTempoOf25000 = 99999;            // just below 100000: the quotient is truncated

// A free-running microsecond clock that feeds the follower one stamp per tick.
class CFakeClock
{
public:
    explicit CFakeClock(std::uint32_t start) : mNow(start) {}
    void Feed(CClockFollower& follower, std::int32_t ticks, std::uint32_t interval)
    {
        for (std::int32_t i = 0; i < ticks; ++i) {
            mNow += interval;
            follower.Tick(mNow);
        }
    }
    // Ticks of the new interval until the measured tempo is exactly that of the interval: the span.
    std::int32_t TicksUntilSettled(CClockFollower& follower, std::uint32_t interval, std::int32_t settledTempo)
    {
        for (std::int32_t ticks = 1; ticks <= 100; ++ticks) {
            Feed(follower, 1, interval);
            if (follower.GetMeasuredTempo() == settledTempo)
                return ticks;
        }
        return -1;
    }

private:
    std::uint32_t mNow;
};

TEST(CClockFollower, MeasuresTheTempoOfTheTicksWhereverTheClockStands)
{
    const struct { std::uint32_t start; std::uint32_t interval; std::int32_t tempo; } kCases[] = {
        {0, kTickAt100BeatsPerMinute, kTempoOf25000},
        {0x7FFFFFFFu - 3 * kTickAt100BeatsPerMinute, kTickAt100BeatsPerMinute, kTempoOf25000}, // across 2^31
        {0xFFFFFFFFu - 3 * kTickAt100BeatsPerMinute, kTickAt100BeatsPerMinute, kTempoOf25000}, // across 2^32
        {1000, 30000, 83333},
        {1000, 4000, CClockFollower::kFastestTempo},  // 625000 clamped
        {1000, 200000, CClockFollower::kSlowestTempo}, // 12500 clamped
        {1000, 1, CClockFollower::kFastestTempo},      // a quotient beyond 32 bits
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.start << " + n * " << c.interval);
        CClockFollower follower;
        CFakeClock clock(c.start);
        clock.Feed(follower, 10, c.interval);
        EXPECT_EQ(follower.GetMeasuredTempo(), c.tempo);
        EXPECT_EQ(follower.GetOutputTempo(), c.tempo); // not running: the output is the measurement
    }
}

// A follower that measured 25000 µs ticks, started, with the expected position at reference 0.
CClockFollower StartedFollower(CFakeClock& clock)
{
    CClockFollower follower;
    clock.Feed(follower, 10, kTickAt100BeatsPerMinute);
    follower.SetScale(0);
    follower.SetReference(12345, 0);
    follower.Start();
    return follower;
}

TEST(CClockFollower, SteersThePositionErrorIntoTheOutputTempo)
{
    const struct { std::int32_t scale, reference, position, tempo, positionAfter; const char* why; } kCases[] = {
        {0, 0, 50, 1600 * 50 + kTempoOf25000, 58, "inside the window: the gain"},
        {0, 0, 500, CClockFollower::kFastestTempo, 508, "outside the window: 2000, clamped"},
        {0, 0, 768, CClockFollower::kFastestTempo, 776, "768 is still steered in place"},
        {0, 0, 800, 2000 * 32 + kTempoOf25000, 40, "moved back 768"},
        {0, 0, -800, 2000 * -32 + kTempoOf25000, -24, "moved forward 768"},
        {0, 0, 1600, 2000 * 64 + kTempoOf25000, 72, "moved back twice 768"},
        // 312500 * 99999 cut to 32 bits is 1184916428, so the expected position is 3800 - 3791 = 9.
        {312500, 3800, 0, 1600 * -9 + kTempoOf25000, 8, "the 32-bit product"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        CFakeClock clock(0);
        CClockFollower follower = StartedFollower(clock);
        follower.SetScale(c.scale);
        follower.SetReference(0, c.reference);
        follower.SetPosition(c.position);
        clock.Feed(follower, 1, kTickAt100BeatsPerMinute);
        EXPECT_TRUE(follower.IsRunning());
        EXPECT_EQ(follower.GetOutputTempo(), c.tempo);
        EXPECT_EQ(follower.GetPosition(), c.positionAfter);
    }
}

TEST(CClockFollower, GainFallsEachRoundDownTo200)
{
    CFakeClock clock(0);
    CClockFollower follower = StartedFollower(clock);
    std::vector<std::int32_t> gains;
    for (std::int32_t tick = 1; tick <= 5 * 64; ++tick) {
        follower.SetPosition(1); // an error of 1 always lies inside the window
        clock.Feed(follower, 1, kTickAt100BeatsPerMinute);
        if (tick == 1 || tick % 64 == 0)
            gains.push_back(follower.GetOutputTempo() - follower.GetMeasuredTempo());
    }
    // A round's last tick already steers with the next round's gain.
    EXPECT_EQ(gains, (std::vector<std::int32_t>{1600, 1100, 600, 200, 200, 200}));
}

TEST(CClockFollower, TheSpreadOfARoundsIntervalsSetsTheAveragingSpan)
{
    const struct { std::uint32_t spread; std::int32_t span; } kCases[] = {
        {10001, 64}, {10000, 32}, {6001, 32}, {6000, 16}, {0, 16}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.spread);
        CFakeClock clock(0);
        CClockFollower follower = StartedFollower(clock);
        clock.Feed(follower, 1, kTickAt100BeatsPerMinute + c.spread);
        clock.Feed(follower, 63, kTickAt100BeatsPerMinute);
        EXPECT_EQ(clock.TicksUntilSettled(follower, 20000, 125000), c.span);
    }
}

TEST(CClockFollower, ResetSkipsAsManyTicksAsTheOldSpanAndRestartsAtFour)
{
    CFakeClock clock(0);
    CClockFollower follower = StartedFollower(clock);
    clock.Feed(follower, 1, kTickAt100BeatsPerMinute + 20000);
    clock.Feed(follower, 63, kTickAt100BeatsPerMinute); // span 64 from now on
    const std::int32_t before = follower.GetMeasuredTempo();

    follower.Stop(); // no further rounds: they would set the span again
    follower.Reset();
    for (std::int32_t tick = 1; tick <= 64; ++tick) {
        clock.Feed(follower, 1, tick <= 61 ? 30000 : 20000);
        ASSERT_EQ(follower.GetMeasuredTempo(), before) << "tick " << tick;
    }
    // Four ticks of 20000 µs back: a span of 64 would mix in the 30000 µs ones.
    clock.Feed(follower, 1, 20000);
    EXPECT_EQ(follower.GetMeasuredTempo(), 125000);
}

TEST(CClockFollower, StoppedItFollowsTheMeasurementAndRestartBeginsAtZero)
{
    CFakeClock clock(0);
    CClockFollower follower = StartedFollower(clock);
    follower.SetPosition(500);
    clock.Feed(follower, 1, kTickAt100BeatsPerMinute);
    ASSERT_NE(follower.GetOutputTempo(), kTempoOf25000);

    follower.Stop();
    clock.Feed(follower, 1, kTickAt100BeatsPerMinute);
    EXPECT_FALSE(follower.IsRunning());
    EXPECT_EQ(follower.GetOutputTempo(), kTempoOf25000);
    EXPECT_EQ(follower.GetPosition(), 508);

    follower.Restart();
    clock.Feed(follower, 1, kTickAt100BeatsPerMinute);
    EXPECT_TRUE(follower.IsRunning());
    EXPECT_EQ(follower.GetPosition(), 8);
}

TEST(CClockFollower, SongPositionCountsSixteenthNotes)
{
    const struct { std::uint8_t low, high; std::int32_t position; } kCases[] = {
        {1, 1, 6192}, {0, 0, 0}, {0x7F, 0x7F, 16383 * 48}, {5, 0, 240}};
    for (const auto& c : kCases) {
        CClockFollower follower;
        follower.SetSongPosition(c.low, c.high);
        EXPECT_EQ(follower.GetPosition(), c.position) << int{c.low} << ", " << int{c.high};
    }
}

TEST(CTimeSignature, DenominatorsArePowersOfTwoUpTo32)
{
    const struct { std::int32_t denominator; std::uint8_t exponent; bool found; } kCases[] = {
        {1, 0, true}, {2, 1, true}, {8, 3, true}, {32, 5, true}, {12, 0, false}, {64, 0, false}, {0, 0, false},
        {-4, 0, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.denominator);
        bool found = !c.found;
        EXPECT_EQ(NSTramvell::FindDenominatorExponent(c.denominator, found), c.exponent);
        EXPECT_EQ(found, c.found);
        const CTimeSignature signature(3, c.denominator);
        EXPECT_EQ(signature.GetExponent(), c.exponent);
        EXPECT_EQ(signature.GetDenominator(), 1 << c.exponent);
        CTimeSignature changed;
        EXPECT_EQ(changed.SetDenominator(c.denominator), c.found);
        EXPECT_EQ(changed.GetExponent(), c.exponent);
    }
}

TEST(CTimeSignature, EqualityTakesBothFieldsAndExponentsStopAt5)
{
    EXPECT_TRUE(CTimeSignature() == CTimeSignature(4, 4));
    EXPECT_FALSE(CTimeSignature(3, 4) == CTimeSignature(4, 4));
    EXPECT_FALSE(CTimeSignature(4, 8) == CTimeSignature(4, 4));
    EXPECT_TRUE(CTimeSignature(6, 8) != CTimeSignature(6, 4));

    CTimeSignature signature;
    signature.SetExponent(5);
    EXPECT_EQ(signature.GetDenominator(), 32);
    EXPECT_THROW(signature.SetExponent(6), NSTramvell::XBase);
    EXPECT_EQ(signature.GetExponent(), 5);
}

} // namespace
