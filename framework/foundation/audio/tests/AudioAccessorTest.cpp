#include "framework/foundation/audio/AudioAccessor.h"
#include "framework/foundation/audio/WaveSample.h"

#include "framework/foundation/audio/tests/AudioTestSupport.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace NSTramvell;
using NSAudioTests::MakeSample;
using NSAudioTests::SamplePattern;
using NSAudioTests::TSamples;
using NSAudioTests::ValuesOf;

constexpr std::int16_t kLeft = CABCAudioAccessor::kLeftChannel;
constexpr std::int16_t kRight = 1;

TSamples Channel(const TSamples& interleaved, std::size_t index)
{
    TSamples values;
    for (std::size_t i = index; i < interleaved.size(); i += 2)
        values.push_back(interleaved[i]);
    return values;
}

// 1500 frames cross the 512-frame and 1024-frame blocks of every slot.
TEST(CNative16BitAccessor, ChannelWritesLeaveTheOtherChannelAndReadBackAsPairs)
{
    const std::int32_t frameCount = 1500;
    const TSamples left = SamplePattern(frameCount, 1);
    const TSamples right = SamplePattern(frameCount, 2);
    CWaveSample sample(CWaveSampleParams(2, 16, 44100, frameCount));
    EXPECT_EQ(sample.Write16BitFrames(0, frameCount, left.data(), kLeft), frameCount);
    EXPECT_EQ(Channel(ValuesOf(sample), 1), TSamples(frameCount, 0));
    sample.Write16BitFrames(0, frameCount, right.data(), kRight);
    const TSamples pairs = ValuesOf(sample);
    EXPECT_EQ(Channel(pairs, 0), left);
    EXPECT_EQ(Channel(pairs, 1), right);

    TSamples readRight(frameCount);
    EXPECT_EQ(sample.Read16BitFrames(0, frameCount, readRight.data(), 5), frameCount);
    EXPECT_EQ(readRight, right);
    TSamples window(10);
    sample.Read16BitFrames(1020, 10, window.data(), kLeft);
    EXPECT_EQ(window, TSamples(left.begin() + 1020, left.begin() + 1030));

    std::vector<std::int32_t> wide(2 * frameCount);
    EXPECT_EQ(sample.Read24BitStereoFrames(0, frameCount, wide.data()), 1500 - 2 * 512); // its last block
    for (std::size_t i = 0; i < wide.size(); i += 499)
        EXPECT_EQ(wide[i], pairs[i] * 256) << i;
    std::vector<float> floats(frameCount);
    EXPECT_EQ(sample.ReadFloatFrames(7, frameCount - 7, floats.data(), kRight), frameCount);
    EXPECT_EQ(floats[0], right[7] / 32768.0f);
}

TEST(CNative16BitAccessor, OneChannelIgnoresTheSelector)
{
    const TSamples values = SamplePattern(300);
    auto sample = MakeSample(1, 22050, 16, values);
    for (const std::int16_t channel : {kLeft, kRight, std::int16_t{0}}) {
        SCOPED_TRACE(channel);
        TSamples read(300);
        sample->Read16BitFrames(0, 300, read.data(), channel);
        EXPECT_EQ(read, values);
    }
    const TSamples replacement = SamplePattern(300, 9);
    sample->Write16BitFrames(0, 300, replacement.data(), kRight);
    EXPECT_EQ(ValuesOf(*sample), replacement);
}

TEST(CNative16BitAccessor, FloatAndTwentyFourBitScales)
{
    CWaveSample sample(CWaveSampleParams(1, 16, 44100, 6));
    const float in[] = {0.5f, -0.0000001f, -1.0f, 1.0f, 0.99999f, -0.5f};
    EXPECT_EQ(sample.WriteFloatFrames(0, 6, in, kLeft), 6);
    // 1.0 is out of range and keeps the low 16 bits of 32768; -0.0000001 truncates toward zero.
    EXPECT_EQ(ValuesOf(sample), (TSamples{16384, 0, -32768, -32768, 32767, -16384}));
    float out[6] = {};
    EXPECT_EQ(sample.ReadFloatFrames(0, 6, out, kLeft), 6);
    EXPECT_EQ(out[0], 0.5f);
    EXPECT_EQ(out[2], -1.0f);
    EXPECT_EQ(out[5], -0.5f);

    const std::int32_t wide[] = {0x123456, -0x123456, 0x7FFFFF, -0x800000, 0x01FF00FF, 255};
    sample.Write24BitFrames(0, 6, wide, kLeft);
    EXPECT_EQ(ValuesOf(sample), (TSamples{0x1234, -0x1235, 0x7FFF, -0x8000, -0x0100, 0}));
    std::int32_t back[6] = {};
    EXPECT_EQ(sample.Read24BitFrames(2, 4, back, kLeft), 4);
    EXPECT_EQ(back[0], 0x7FFF00);
    EXPECT_EQ(sample.Read24BitFrames(3, 0, back, kLeft), 3);
}

TEST(CNative16BitAccessor, FramesPastTheStreamAreRefusedByTheStream)
{
    CWaveSample sample(CWaveSampleParams(2, 16, 44100, 4));
    TSamples values(10);
    EXPECT_THROW(sample.Read16BitStereoFrames(0, 5, values.data()), XRead);
    EXPECT_THROW(sample.Read16BitFrames(3, 2, values.data(), kLeft), XRead);
    EXPECT_THROW(sample.Read16BitFrames(0x40000000, 1, values.data(), kLeft), XPosition);
}

TEST(CWaveSample, EqualityComparesHeadersAndEveryValue)
{
    const TSamples values = SamplePattern(2 * 600);
    auto a = MakeSample(2, 44100, 16, values);
    auto b = MakeSample(2, 44100, 16, values);
    EXPECT_TRUE(a->IsSameAs(*b));
    TSamples oneRightOff = values;
    oneRightOff[2 * 555 + 1] ^= 1;
    EXPECT_FALSE(a->IsSameAs(*MakeSample(2, 44100, 16, oneRightOff)));
    EXPECT_FALSE(a->IsSameAs(*MakeSample(2, 48000, 16, values)));
    EXPECT_FALSE(a->IsSameAs(*MakeSample(2, 44100, 24, values)));
    TSamples monoValues(values.begin(), values.begin() + 600);
    EXPECT_FALSE(MakeSample(1, 44100, 16, monoValues)->IsSameAs(*a));
    TSamples monoOff = monoValues;
    monoOff[599] ^= 1;
    EXPECT_FALSE(MakeSample(1, 44100, 16, monoValues)->IsSameAs(*MakeSample(1, 44100, 16, monoOff)));
    CWaveSample empty(CWaveSampleParams(1, 16, 44100, 0));
    CWaveSample otherEmpty(CWaveSampleParams(1, 16, 44100, 0));
    EXPECT_TRUE(empty.IsSameAs(otherEmpty));
}

TEST(CWaveSample, OwnsItsDataOrTakesAReadyStream)
{
    auto sample = MakeSample(1, 44100, 16, {0x0102, 0x0304});
    ASSERT_NE(sample->GetSampleData(), nullptr);
    EXPECT_EQ(sample->GetSampleData()[0], 0x02);
    EXPECT_EQ(sample->GetSampleData()[3], 0x03);

    std::uint8_t stored[] = {0x10, 0x00, 0x20, 0x00};
    auto lent = std::make_unique<CMemoryMedia>(4, stored);
    auto accessor = MakeAudioAccessor(*lent, 16, 1, 2);
    ASSERT_NE(accessor, nullptr);
    CWaveSample ready(CWaveSampleParams(1, 16, 44100, 2), std::move(lent), std::move(accessor));
    EXPECT_EQ(ready.GetSampleData(), nullptr); // not an owned memory stream
    EXPECT_EQ(ValuesOf(ready), (TSamples{0x10, 0x20}));

    COwnedMemoryMedia any;
    EXPECT_EQ(MakeAudioAccessor(any, 24, 1, 2), nullptr);
    EXPECT_THROW(CWaveSample(CWaveSampleParams(3, 16, 44100, 2)), XBadFormat);
    EXPECT_THROW(CWaveSample(CWaveSampleParams(2, 16, 44100, 0x7FFFFFFF)), XBadFormat);
}

} // namespace
