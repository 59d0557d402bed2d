#include "akai/parsers/AkaiLoop.h"

namespace NSAkaiParser {

namespace {
constexpr std::uint16_t kHoldDwellTime = 9999;
}

CAkaiLoop::CAkaiLoop(std::uint32_t loopAt, std::uint16_t lengthFraction, std::uint32_t length, std::uint16_t dwellTime)
    : mLoopAt(loopAt), mLengthFraction(lengthFraction), mLength(length), mDwellTime(dwellTime),
      mHold(dwellTime == kHoldDwellTime)
{
}

} // namespace NSAkaiParser
