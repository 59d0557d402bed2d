#include "framework/foundation/platform/InitializeExit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::string> gLog;

class CLoggingService : public IInitializeExit
{
public:
    explicit CLoggingService(std::string name, bool failInitialize = false, bool failExit = false)
        : mName(std::move(name))
        , mFailInitialize(failInitialize)
        , mFailExit(failExit)
    {
    }
    void Initialize() override
    {
        gLog.push_back("init " + mName);
        if (mFailInitialize)
            throw std::runtime_error("initialise failed");
    }
    void Exit() override
    {
        gLog.push_back("exit " + mName);
        if (mFailExit)
            throw std::runtime_error("exit failed");
    }

private:
    std::string mName;
    bool mFailInitialize;
    bool mFailExit;
};

using TLog = std::vector<std::string>;

TEST(InitializeExitRegistry, InitialisesInOrderAndExitsInReverse)
{
    // The process-wide registry: nothing else in this program registers with it.
    static CLoggingService a("A");
    static CLoggingService b("B");
    static CLoggingService c("C");
    RegisterExitObject(&a);
    RegisterExitObject(&b);
    RegisterExitObject(&c);
    gLog.clear();
    InitializeRegisteredInstances();
    EXPECT_EQ(gLog, (TLog{"init A", "init B", "init C"}));
    gLog.clear();
    ExitRegisteredInstances();
    EXPECT_EQ(gLog, (TLog{"exit C", "exit B", "exit A"}));
}

TEST(InitializeExitRegistry, EmptyRegistryCallsNobody)
{
    CInitializeExitRegistry registry;
    CLoggingService unregistered("U");
    gLog.clear();
    registry.InitializeAll();
    registry.ExitAll();
    EXPECT_TRUE(gLog.empty());
}

TEST(InitializeExitRegistry, FailureStopsTheRest)
{
    CLoggingService a("A");
    CLoggingService b("B", true, true);
    CLoggingService c("C");
    CInitializeExitRegistry registry;
    registry.Register(&a);
    registry.Register(&b);
    registry.Register(&c);
    gLog.clear();
    EXPECT_THROW(registry.InitializeAll(), std::runtime_error);
    EXPECT_EQ(gLog, (TLog{"init A", "init B"}));
    gLog.clear();
    EXPECT_THROW(registry.ExitAll(), std::runtime_error);
    EXPECT_EQ(gLog, (TLog{"exit C", "exit B"}));
}

} // namespace
