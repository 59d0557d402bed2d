#include "framework/gui/application/MemoryShortage.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/MemoryReserve.h"
#include "framework/gui/application/Purgeable.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using namespace NSTramvell;

namespace {

class CFakePurgeable : public MPurgeable
{
public:
    CFakePurgeable(std::int32_t level, bool holdsData)
        : mLevel(level)
        , mHoldsData(holdsData)
    {
    }
    bool Purge() override
    {
        ++mPurgeCount;
        const bool freed = mHoldsData;
        mHoldsData = false;
        return freed;
    }
    bool IsPurged() override { return !mHoldsData; }
    std::int32_t GetPurgeLevel() override { return mLevel; }

    int mPurgeCount = 0;

private:
    std::int32_t mLevel;
    bool mHoldsData;
};

class CFakeShortageClient : public IMemoryShortageClient
{
public:
    explicit CFakeShortageClient(bool consents)
        : mConsents(consents)
    {
    }
    bool MayPurgeCaches() override { return mConsents; }
    void EnterLowMemoryState() override { mLowMemory = true; }

    bool mConsents;
    bool mLowMemory = false;
};

enum class EReserve
{
    kNone,
    kInPlace,
    kHeld
};

} // namespace

TEST(HandleMemoryShortage, FreesWhatItMayAndOtherwiseFailsTheAllocation)
{
    const struct
    {
        const char* name;
        std::optional<bool> freelyPurgeableHoldsData;   // none: no level-34 object
        bool consentLevelHoldsData;
        bool consents;
        EReserve reserve;
        bool retries;
        bool lowMemory;
    } kCases[] = {
        {"level 34 frees", true, false, false, EReserve::kInPlace, true, false},
        {"level 33 frees with consent", false, true, true, EReserve::kInPlace, true, false},
        {"level 33 kept without consent, reserve not given", false, true, false, EReserve::kInPlace, false, false},
        {"reserve given up", std::nullopt, false, true, EReserve::kInPlace, true, true},
        {"reserve refused", std::nullopt, false, false, EReserve::kInPlace, false, false},
        {"held reserve not given", std::nullopt, false, true, EReserve::kHeld, false, false},
        {"nothing at all", std::nullopt, false, true, EReserve::kNone, false, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::optional<CFakePurgeable> freely;
        if (c.freelyPurgeableHoldsData)
            freely.emplace(kPurgeFreely, *c.freelyPurgeableHoldsData);
        CFakePurgeable withConsent(kPurgeWithConsent, c.consentLevelHoldsData);
        std::unique_ptr<CMemoryReserve> reserve;
        std::optional<CMemoryReserveRelease> holder;
        if (c.reserve != EReserve::kNone)
            reserve = std::make_unique<CMemoryReserve>(1024);
        if (c.reserve == EReserve::kHeld)
            holder.emplace(*reserve);
        CFakeShortageClient client(c.consents);

        if (c.retries)
            EXPECT_NO_THROW(HandleMemoryShortage(client));
        else
            EXPECT_THROW(HandleMemoryShortage(client), XOutOfMemory);

        EXPECT_EQ(client.mLowMemory, c.lowMemory);
        if (c.reserve == EReserve::kInPlace) {
            EXPECT_EQ(reserve->IsReleased(), c.lowMemory);
        }
        if (freely) {
            EXPECT_EQ(freely->mPurgeCount, 1);
        }
        EXPECT_EQ(withConsent.mPurgeCount, c.consentLevelHoldsData && c.consents ? 1 : 0);
    }
}

TEST(HandleMemoryShortage, GivesUpEachReserveOnceThenFails)
{
    CMemoryReserve first(1024);
    CMemoryReserve second(1024);
    CFakeShortageClient client(true);
    HandleMemoryShortage(client);
    HandleMemoryShortage(client);
    EXPECT_TRUE(first.IsReleased());
    EXPECT_TRUE(second.IsReleased());
    EXPECT_FALSE(GetMemoryReserveList().AreAllInPlace());
    EXPECT_THROW(HandleMemoryShortage(client), XOutOfMemory);
    EXPECT_TRUE(GetMemoryReserveList().RestoreAll());
    EXPECT_TRUE(GetMemoryReserveList().AreAllInPlace());
}

namespace {

// A level-34 entry whose purge runs the test's code instead of freeing anything.
class CMisbehavingPurgeable : public MPurgeable
{
public:
    explicit CMisbehavingPurgeable(void (*purge)()) : mPurge(purge) {}
    bool Purge() override
    {
        ++mPurgeCount;
        mPurge();
        return true;
    }
    bool IsPurged() override { return false; }
    std::int32_t GetPurgeLevel() override { return kPurgeFreely; }

    int mPurgeCount = 0;

private:
    void (*mPurge)();
};

CFakeShortageClient* gNestedClient = nullptr;

} // namespace

TEST(HandleMemoryShortage, AFailingPurgeFreesNothingAndTheOthersAreStillAsked)
{
    const struct
    {
        const char* name;
        void (*purge)();
    } kCases[] = {
        {"purge throws", [] { throw XBase(); }},
        // An allocation inside the handler fails at once instead of entering it again.
        {"shortage inside the handler", [] { HandleMemoryShortage(*gNestedClient); }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CFakeShortageClient client(false);
        gNestedClient = &client;
        {
            CMisbehavingPurgeable failing(c.purge);
            EXPECT_THROW(HandleMemoryShortage(client), XOutOfMemory);
            EXPECT_EQ(failing.mPurgeCount, 1);
        }
        CMisbehavingPurgeable failing(c.purge);
        CFakePurgeable freely(kPurgeFreely, true);
        EXPECT_NO_THROW(HandleMemoryShortage(client));
        EXPECT_EQ(failing.mPurgeCount, 1);
        EXPECT_EQ(freely.mPurgeCount, 1);
        // The handler is usable again afterwards.
        EXPECT_THROW(HandleMemoryShortage(client), XOutOfMemory);
    }
    gNestedClient = nullptr;
}

TEST(PurgeLevel, CallsEveryEntryOfTheLevelInOrder)
{
    static std::vector<int>* order = nullptr;
    class COrderedPurgeable : public MPurgeable
    {
    public:
        COrderedPurgeable(int id, std::int32_t level, bool frees) : mId(id), mLevel(level), mFrees(frees) {}
        bool Purge() override
        {
            order->push_back(mId);
            return mFrees;
        }
        bool IsPurged() override { return !mFrees; }
        std::int32_t GetPurgeLevel() override { return mLevel; }

    private:
        int mId;
        std::int32_t mLevel;
        bool mFrees;
    };
    std::vector<int> calls;
    order = &calls;
    COrderedPurgeable first(1, kPurgeFreely, false);
    COrderedPurgeable other(2, kPurgeWithConsent, true);
    COrderedPurgeable second(3, kPurgeFreely, true);
    COrderedPurgeable third(4, kPurgeFreely, false);
    EXPECT_TRUE(PurgeLevel(kPurgeFreely));
    EXPECT_EQ(calls, (std::vector<int>{1, 3, 4}));
    EXPECT_TRUE(HasUnpurged(kPurgeWithConsent));
    calls.clear();
    EXPECT_FALSE(PurgeLevel(99));
    EXPECT_TRUE(calls.empty());
    order = nullptr;
}
