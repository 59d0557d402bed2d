#pragma once

// One velocity zone of an Akai keygroup: which sample it plays and how.

#include <cstdint>
#include <string>

namespace NSAkaiParser {

// A value: built from all its fields at once and copied whole, never deleted through a base.
class CAkaiSampleParameters
{
public:
    CAkaiSampleParameters(std::uint8_t keyTracking, std::int16_t velocityToSampleStart, const std::string& sampleName,
                          std::uint8_t lowVelocity, std::uint8_t highVelocity, std::int32_t tuneCents,
                          std::int8_t loudness, std::int8_t filter, std::int8_t pan, std::int32_t loopMode);
    // Virtual, since the getters are: whatever destroys one through this type also reaches a subclass.
    virtual ~CAkaiSampleParameters() = default;
    CAkaiSampleParameters(const CAkaiSampleParameters&) = default;
    CAkaiSampleParameters& operator=(const CAkaiSampleParameters&) = default;
    CAkaiSampleParameters(CAkaiSampleParameters&&) = default;
    CAkaiSampleParameters& operator=(CAkaiSampleParameters&&) = default;

    virtual std::uint8_t GetKeyTracking() const;
    virtual std::int16_t GetVelocityToSampleStart() const;
    // Empty when the zone refers to no sample.
    virtual std::string GetSampleName() const;
    virtual std::uint8_t GetLowVelocity() const;
    virtual std::uint8_t GetHighVelocity() const;
    virtual std::int32_t GetTuneCents() const;
    virtual std::int8_t GetLoudness() const;
    virtual std::int8_t GetFilter() const;
    virtual std::int8_t GetPan() const;
    std::int32_t GetLoopMode() const;

    // True when every field lies in its parameter's range and the name holds only Akai characters.
    bool IsValid() const;

private:
    std::uint8_t mKeyTracking;
    std::int16_t mVelocityToSampleStart;
    std::string mSampleName;
    std::uint8_t mLowVelocity;
    std::uint8_t mHighVelocity;
    std::int32_t mTuneCents;
    std::int8_t mLoudness;
    std::int8_t mFilter;
    std::int8_t mPan;
    std::int32_t mLoopMode;
};

} // namespace NSAkaiParser
