#pragma once

// One loop of an Akai sample.

#include <cstdint>

namespace NSAkaiParser {

// A value. The loop ends at its loop point and starts length frames before it; a dwell time of 9999
// holds the loop for as long as the note sounds.
class CAkaiLoop
{
public:
    CAkaiLoop(std::uint32_t loopAt, std::uint16_t lengthFraction, std::uint32_t length, std::uint16_t dwellTime);

    std::uint32_t GetLoopAt() const { return mLoopAt; }
    std::uint16_t GetLengthFraction() const { return mLengthFraction; }
    std::uint32_t GetLength() const { return mLength; }
    std::uint16_t GetDwellTime() const { return mDwellTime; }
    bool IsHold() const { return mHold; }

    bool operator==(const CAkaiLoop& other) const = default;

private:
    std::uint32_t mLoopAt;
    std::uint16_t mLengthFraction;
    std::uint32_t mLength;
    std::uint16_t mDwellTime;
    bool mHold;
};

} // namespace NSAkaiParser
