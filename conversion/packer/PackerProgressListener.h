#pragma once

// How the hand-over to the archive packer reports its phases and learns of a stop.

#include <cstdint>

namespace NSKapletPackerInterface {

// Phases passed to ReportPackerPhase.
constexpr std::uint32_t kPackerStartingOrWaiting = 2345;
constexpr std::uint32_t kPackerFinishing = 2346;
// Answers.
constexpr std::uint32_t kPackerGoOn = 1234;
constexpr std::uint32_t kPackerStop = 1235;

// Never deleted through this interface, hence no virtual destructor.
class IKapletPackerProgressListener
{
public:
    virtual std::uint32_t ReportPackerPhase(std::uint32_t phase) = 0;

protected:
    ~IKapletPackerProgressListener() = default;
};

} // namespace NSKapletPackerInterface
