#include "framework/foundation/platform/IdleManager.h"

#include "framework/foundation/platform/TimeBase.h"

#include <algorithm>
#include <limits>

namespace NSTramvell {
namespace {

constexpr std::array<std::int32_t, CIdleManager::kSlotCount> kSlotIntervalsMs = {
    0, 10, 20, 50, 100, 200, 500, 1000, 2000, 10000};

// Codes 21 to 29 select slots 1 to 9; every other code selects slot 0.
constexpr std::int32_t kFirstSlotCode = 20;

constexpr std::int64_t kDueAtOnce = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kNeverDue = std::numeric_limits<std::int64_t>::max();

} // namespace

IIdleable::~IIdleable() = default;

CIdleManager::CIdleManager()
    : mNextDueClock(kNeverDue)
{
    for (std::int32_t index = 0; index < kSlotCount; ++index)
        mSlots[index].mIntervalMs = kSlotIntervalsMs[index];
}

std::int32_t CIdleManager::SlotIndexOf(std::int32_t intervalCode)
{
    if (intervalCode > kFirstSlotCode && intervalCode < kFirstSlotCode + kSlotCount)
        return intervalCode - kFirstSlotCode;
    return 0;
}

void CIdleManager::Register(IIdleable* client, std::int32_t intervalCode)
{
    mSlots[SlotIndexOf(intervalCode)].mClients.push_back(client);
    UpdateSchedule();
}

void CIdleManager::Unregister(IIdleable* client)
{
    bool stillRegistered = false;
    for (CIdleSlot& slot : mSlots) {
        const auto found = std::find(slot.mClients.begin(), slot.mClients.end(), client);
        if (found != slot.mClients.end())
            slot.mClients.erase(found);
        stillRegistered = stillRegistered ||
                          std::find(slot.mClients.begin(), slot.mClients.end(), client) != slot.mClients.end();
    }
    if (!stillRegistered)
        std::erase(mDozing, client);
    UpdateSchedule();
}

void CIdleManager::SetDozing(IIdleable* client, bool dozing)
{
    if (IsDozing(client) == dozing)
        return;
    if (dozing)
        mDozing.push_back(client);
    else
        std::erase(mDozing, client);
    UpdateSchedule();
}

bool CIdleManager::IsDozing(const IIdleable* client) const
{
    return std::find(mDozing.begin(), mDozing.end(), client) != mDozing.end();
}

void CIdleManager::SetEarlierDueListener(std::function<void()> listener)
{
    mEarlierDueListener = std::move(listener);
}

void CIdleManager::UpdateSchedule()
{
    const auto used = std::find_if(mSlots.begin(), mSlots.end(),
                                   [](const CIdleSlot& slot) { return !slot.mClients.empty(); });
    mWaitTimeMs.store(used == mSlots.end() ? kWaitTimeWithoutClientsMs : used->mIntervalMs);
    std::int64_t nextDue = kNeverDue;
    for (const CIdleSlot& slot : mSlots) {
        if (std::all_of(slot.mClients.begin(), slot.mClients.end(),
                        [this](const IIdleable* client) { return IsDozing(client); }))
            continue;
        if (!slot.mLastRun) {
            nextDue = kDueAtOnce;
            break;
        }
        nextDue = std::min(nextDue, *slot.mLastRun + MicrosecondsToClock(std::int64_t{slot.mIntervalMs} * 1000));
    }
    const std::int64_t previousDue = mNextDueClock.exchange(nextDue);
    if (nextDue < previousDue && mEarlierDueListener)
        mEarlierDueListener();
}

std::int32_t CIdleManager::GetWaitTime() const
{
    return mWaitTimeMs.load();
}

std::int32_t CIdleManager::GetTimeUntilDue(std::int64_t now) const
{
    const std::int64_t nextDue = mNextDueClock.load();
    if (nextDue == kNeverDue)
        return kWaitTimeWithoutClientsMs;
    if (nextDue <= now)
        return 0;
    const std::int64_t untilDueMs = (ClockToMicroseconds(nextDue - now) + 999) / 1000;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(untilDueMs, 1, kWaitTimeWithoutClientsMs));
}

void CIdleManager::DoIdle(std::int64_t now)
{
    if (mSuspendCount != 0)
        return;
    try {
        for (CIdleSlot& slot : mSlots)
            RunSlot(slot, now);
    } catch (...) {
        // The slots before the failing one ran.
        UpdateSchedule();
        throw;
    }
    UpdateSchedule();
}

void CIdleManager::RunSlot(CIdleSlot& slot, std::int64_t now)
{
    const std::int64_t interval = MicrosecondsToClock(std::int64_t{slot.mIntervalMs} * 1000);
    if (slot.mLastRun && now < *slot.mLastRun + interval)
        return;
    const CIdleInfo info{now, slot.mLastRun.value_or(now)};
    // By index, re-reading the size each time: clients may come and go during the pass.
    for (std::size_t index = 0; index < slot.mClients.size(); ++index)
        slot.mClients[index]->OnIdle(info);
    slot.mLastRun = now;
}

void CIdleManager::Suspend()
{
    ++mSuspendCount;
}

void CIdleManager::Resume()
{
    --mSuspendCount;
}

void CIdleManager::ForgetLastRuns()
{
    for (CIdleSlot& slot : mSlots)
        slot.mLastRun.reset();
    UpdateSchedule();
}

const CIdleSlot& CIdleManager::GetSlot(std::int32_t intervalCode) const
{
    return mSlots[SlotIndexOf(intervalCode)];
}

std::int32_t CIdleManager::GetSlotInterval(std::int32_t intervalCode) const
{
    return GetSlot(intervalCode).mIntervalMs;
}

std::int64_t CIdleManager::GetSlotIntervalClock(std::int32_t intervalCode) const
{
    return MicrosecondsToClock(std::int64_t{GetSlotInterval(intervalCode)} * 1000);
}

CIdleManager& GetIdleManager()
{
    static CIdleManager manager;
    return manager;
}

} // namespace NSTramvell
