#pragma once

// Objects that can give memory back when an allocation fails. They list themselves in a process-wide
// registry; the application's shortage handler asks them, level by level, before it gives up.

#include <cstdint>
#include <vector>

namespace NSTramvell {

// Data that may always be dropped.
inline constexpr std::int32_t kPurgeFreely = 34;
// Data that may be dropped only with the application's consent.
inline constexpr std::int32_t kPurgeWithConsent = 33;

class IPurgeable
{
public:
    // True when something was freed.
    virtual bool Purge() = 0;
    // True when nothing is left to free.
    virtual bool IsPurged() = 0;
    virtual std::int32_t GetPurgeLevel() = 0;

protected:
    ~IPurgeable() = default;
};

// Registered for exactly as long as it lives.
class MPurgeable : public IPurgeable
{
public:
    MPurgeable();
    MPurgeable(const MPurgeable&) = delete;
    MPurgeable& operator=(const MPurgeable&) = delete;
    virtual ~MPurgeable();
};

// Borrowed entries, in registration order.
std::vector<IPurgeable*>& GetPurgeableRegistry();
// Asks every entry of the level to purge; true when any freed something. An entry whose Purge throws
// counts as having freed nothing.
bool PurgeLevel(std::int32_t level);
// Whether an entry of the level still holds something.
bool HasUnpurged(std::int32_t level);

} // namespace NSTramvell
