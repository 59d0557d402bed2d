#pragma once

// All periodic work runs as idle callbacks on the user-interface thread. The idle manager keeps ten slots
// of fixed interval, each with its clients; the event loop calls DoIdle with the clock, and the idle-pulse
// thread asks GetTimeUntilDue how long it may sleep.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace NSTramvell {

// What a client is told when it runs: the clock now, and when its slot ran before (now on the first run).
struct CIdleInfo
{
    std::int64_t mNow;
    std::int64_t mPrevious;
};

class IIdleable
{
public:
    virtual void OnIdle(const CIdleInfo& info) = 0;
    virtual ~IIdleable();
};

// One interval with its clients (borrowed: each unregisters before it dies).
struct CIdleSlot
{
    std::int32_t mIntervalMs = 0;
    std::optional<std::int64_t> mLastRun;   // empty: never run, so due at once whatever the clock says
    std::vector<IIdleable*> mClients;
};

class CIdleManager
{
public:
    static constexpr std::int32_t kSlotCount = 10;
    static constexpr std::int32_t kWaitTimeWithoutClientsMs = 60000;

    CIdleManager();
    CIdleManager(const CIdleManager&) = delete;
    CIdleManager& operator=(const CIdleManager&) = delete;

    // The same client registered twice is called twice.
    void Register(IIdleable* client, std::int32_t intervalCode);
    // Removes the client's first occurrence from every slot; an unknown client is ignored.
    void Unregister(IIdleable* client);
    // A dozing client still runs whenever its slot runs, but is no reason to wake a waiting loop for it: a
    // slot whose clients all doze is left out of the due time. A client that has nothing to do until
    // something happens dozes, and whoever makes it happen wakes it.
    void SetDozing(IIdleable* client, bool dozing);
    // Called on the user-interface thread whenever the due time moves earlier (a client came or woke), so
    // that a thread sleeping until the old due time can look again. Empty for none.
    void SetEarlierDueListener(std::function<void()> listener);
    // Runs every due slot; an exception of a client leaves at once, that slot's last run unchanged.
    void DoIdle(std::int64_t now);
    // The shortest interval in use, 60000 ms with no client. Safe from any thread.
    std::int32_t GetWaitTime() const;
    // The milliseconds from the clock reading `now` until the first slot with clients not all dozing is
    // due, rounded up; 0 when one is due already, 60000 at most (and with no such client). Safe from any
    // thread.
    std::int32_t GetTimeUntilDue(std::int64_t now) const;
    void Suspend();
    void Resume();
    // Every slot as though it never ran: for tests that change the clock under the process's manager.
    void ForgetLastRuns();

    const CIdleSlot& GetSlot(std::int32_t intervalCode) const;
    std::int32_t GetSlotInterval(std::int32_t intervalCode) const;
    std::int64_t GetSlotIntervalClock(std::int32_t intervalCode) const;

private:
    static std::int32_t SlotIndexOf(std::int32_t intervalCode);
    void RunSlot(CIdleSlot& slot, std::int64_t now);
    bool IsDozing(const IIdleable* client) const;
    // Called after every change of the clients, their dozing or a slot's last run.
    void UpdateSchedule();

    std::array<CIdleSlot, kSlotCount> mSlots;
    std::int32_t mSuspendCount = 0;
    std::vector<const IIdleable*> mDozing;   // borrowed, as the slots' clients
    std::function<void()> mEarlierDueListener;
    // Kept on the user-interface thread, read by the idle-pulse thread.
    std::atomic<std::int32_t> mWaitTimeMs{kWaitTimeWithoutClientsMs};
    std::atomic<std::int64_t> mNextDueClock;   // kDueAtOnce while a slot with clients never ran
};

CIdleManager& GetIdleManager();

// Calls a member function of its owner as an idle client, registered for exactly as long as it lives.
// Normally a member of the owner, made in the owner's constructor.
template <typename T>
class CIdleClient : public IIdleable
{
public:
    using TCallback = void (T::*)(const CIdleInfo&);

    CIdleClient(std::int32_t intervalCode, T* owner, TCallback callback)
        : mIntervalCode(intervalCode)
        , mOwner(owner)
        , mCallback(callback)
    {
        GetIdleManager().Register(this, mIntervalCode);
    }
    ~CIdleClient() override { GetIdleManager().Unregister(this); }
    CIdleClient(const CIdleClient&) = delete;
    CIdleClient& operator=(const CIdleClient&) = delete;

    // GCC's vptr sanitizer tests the pointer already adjusted to the callback's base class against T, and
    // so rejects a well-formed call of a member function that T inherits from a second base.
    [[gnu::no_sanitize("vptr")]] void OnIdle(const CIdleInfo& info) override { (mOwner->*mCallback)(info); }

private:
    std::int32_t mIntervalCode;
    T* mOwner;   // borrowed: the owner holds this client
    TCallback mCallback;
};

} // namespace NSTramvell
