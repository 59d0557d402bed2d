#include "akai/parsers/AkaiSampleParameters.h"

#include "akai/parsers/AkaiValidators.h"

namespace NSAkaiParser {

CAkaiSampleParameters::CAkaiSampleParameters(std::uint8_t keyTracking, std::int16_t velocityToSampleStart,
                                             const std::string& sampleName, std::uint8_t lowVelocity,
                                             std::uint8_t highVelocity, std::int32_t tuneCents, std::int8_t loudness,
                                             std::int8_t filter, std::int8_t pan, std::int32_t loopMode)
    : mKeyTracking(keyTracking), mVelocityToSampleStart(velocityToSampleStart), mSampleName(sampleName),
      mLowVelocity(lowVelocity), mHighVelocity(highVelocity), mTuneCents(tuneCents), mLoudness(loudness),
      mFilter(filter), mPan(pan), mLoopMode(loopMode)
{
}

std::uint8_t CAkaiSampleParameters::GetKeyTracking() const
{
    return mKeyTracking;
}

std::int16_t CAkaiSampleParameters::GetVelocityToSampleStart() const
{
    return mVelocityToSampleStart;
}

std::string CAkaiSampleParameters::GetSampleName() const
{
    return mSampleName;
}

std::uint8_t CAkaiSampleParameters::GetLowVelocity() const
{
    return mLowVelocity;
}

std::uint8_t CAkaiSampleParameters::GetHighVelocity() const
{
    return mHighVelocity;
}

std::int32_t CAkaiSampleParameters::GetTuneCents() const
{
    return mTuneCents;
}

std::int8_t CAkaiSampleParameters::GetLoudness() const
{
    return mLoudness;
}

std::int8_t CAkaiSampleParameters::GetFilter() const
{
    return mFilter;
}

std::int8_t CAkaiSampleParameters::GetPan() const
{
    return mPan;
}

std::int32_t CAkaiSampleParameters::GetLoopMode() const
{
    return mLoopMode;
}

bool CAkaiSampleParameters::IsValid() const
{
    using namespace NSAkaiParserImplementation;
    const auto inRow = [](EParameterRow row, std::int32_t value) {
        return kParameterRows[row].minimum <= value && value <= kParameterRows[row].maximum;
    };
    return inRow(kRowSampleVelocityToSampleStart, mVelocityToSampleStart) && HasOnlyAkaiCharacters(mSampleName) &&
           inRow(kRowSampleLowVelocity, mLowVelocity) && inRow(kRowSampleHighVelocity, mHighVelocity) &&
           inRow(kRowTuneCents, mTuneCents) && inRow(kRowSampleLoudness, mLoudness) &&
           inRow(kRowSampleFilter, mFilter) && inRow(kRowSamplePan, mPan) && inRow(kRowSampleLoopMode, mLoopMode);
}

} // namespace NSAkaiParser
