// The platform header comes first: the thread's Yield must survive the system's macro of that name.
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include "framework/foundation/ipc/ConsoleTrace.h"

#include "framework/foundation/ipc/ComPort.h"
#include "framework/foundation/ipc/TraceClient.h"
#include "framework/foundation/ipc/tests/BesideThread.h"
#include "framework/foundation/ipc/tests/TraceLinkTestSupport.h"
#include "framework/foundation/modules/FrameworkConstants.h"
#include "framework/foundation/modules/tests/TestProgramModule.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace NSTramvell;
using namespace NSIpcTestSupport;

namespace {

struct CTraceCall
{
    int mFirst;
    int mSecond;
    std::string mText;
    bool operator==(const CTraceCall&) const = default;
};

std::vector<CTraceCall> gPassedOn;
int gValueHookCalls = 0;
int gTextHookCalls = 0;

void RecordPassedOn(int first, int second, const char* text)
{
    gPassedOn.push_back({first, second, text});
}

void CountValueHookCall(const char*, const char*, const char*)
{
    ++gValueHookCalls;
}

void CountTextHookCall(const char*, const char*)
{
    ++gTextHookCalls;
}

// Installs the recording hooks below the console trace and puts back what was there.
class CScopedPreviousHooks
{
public:
    CScopedPreviousHooks()
        : mTrace(GetTraceHook())
        , mValue(GetGlobalHook2())
        , mText(GetGlobalHook3())
    {
        gPassedOn.clear();
        gValueHookCalls = 0;
        gTextHookCalls = 0;
        SetTraceHook(&RecordPassedOn);
        SetGlobalHook2(&CountValueHookCall);
        SetGlobalHook3(&CountTextHookCall);
    }
    ~CScopedPreviousHooks()
    {
        SetTraceHook(mTrace);
        SetGlobalHook2(mValue);
        SetGlobalHook3(mText);
    }
    CScopedPreviousHooks(const CScopedPreviousHooks&) = delete;
    CScopedPreviousHooks& operator=(const CScopedPreviousHooks&) = delete;

private:
    TTraceHook mTrace;
    TValueDisplayHook mValue;
    TTextDisplayHook mText;
};

// Runs the idle slots as if a little more than their 2 s had passed since the last run.
void RunIdleAfterTheRetryInterval()
{
    static std::int64_t clock = 0;
    InitTimeBase();
    const std::int64_t interval = GetIdleManager().GetSlotIntervalClock(28);
    clock = std::max(clock, GetClock()) + 2 * interval + 1;
    GetIdleManager().DoIdle(clock);
}

TEST(ConsoleTrace, ConnectsFromItsIdleClientOnceAServerIsThere)
{
    const auto module = NSModuleTestSupport::MakeTestProgramModule("TraceLinkTests");
    const CScopedPreviousHooks previous;
    std::optional<CComPortServer> server;
    {
        CConsoleTrace trace("Console tests");
        EXPECT_EQ(GetCurrentConsoleTrace(), &trace);
        EXPECT_FALSE(trace.IsConnected());
        EXPECT_EQ(GetTraceHook(), &ConsoleTraceOutput);
        EXPECT_EQ(GetGlobalHook2(), &ConsoleTraceValue);
        EXPECT_EQ(GetGlobalHook3(), &ConsoleTraceText);
        Trace(1, 2, "before the server");
        CallGlobalHook2("a", "b", "c");

        server.emplace(GetTraceLogSignature(0), 4096, 2);
        RunIdleAfterTheRetryInterval();
        ASSERT_TRUE(trace.IsConnected());
        EXPECT_EQ(ReadTraceMessages(*server, 0), MakeExpectedBanner("Console tests"));

        Trace(3, 4, "from the main thread");
        NSIpcTest::RunBeside([] { Trace(5, 6, "from a worker"); }, [] {});
        CallGlobalHook2("first", "second", "third");
        CallGlobalHook3("Console", "shown");
        NSIpcTest::RunBeside([] { CallGlobalHook3("Worker console", "also shown"); }, [] {});

        const std::string prefix = "Console tests\t";
        EXPECT_EQ(ReadTraceMessages(*server, 0),
                  (std::vector<std::string>{prefix + "T\tStandard Terminal\tfrom the main thread",
                                            prefix + "V\tfirst\tsecond\tthird", prefix + "T\tConsole\tshown"}));
        EXPECT_EQ(ReadTraceMessages(*server, 1), (std::vector<std::string>{prefix + "T\tAux Trace\tfrom a worker",
                                                                           prefix + "T\tWorker console\talso shown"}));
        RunIdleAfterTheRetryInterval();
        EXPECT_EQ(ReadTraceMessages(*server, 0), std::vector<std::string>{});
    }
    EXPECT_EQ(gPassedOn, (std::vector<CTraceCall>{{1, 2, "before the server"},
                                                  {3, 4, "from the main thread"},
                                                  {5, 6, "from a worker"}}));
    // The displays are the console's own: nothing went down to the hooks below it.
    EXPECT_EQ(gValueHookCalls, 0);
    EXPECT_EQ(gTextHookCalls, 0);
    EXPECT_EQ(GetCurrentConsoleTrace(), nullptr);
    EXPECT_EQ(GetTraceHook(), &RecordPassedOn);
    EXPECT_EQ(GetGlobalHook2(), &CountValueHookCall);
    EXPECT_EQ(GetGlobalHook3(), &CountTextHookCall);
    EXPECT_FALSE(HasTraceClient());
    EXPECT_FALSE(server->IsClientConnected());
}

TEST(ConsoleTrace, StaysUnconnectedWhileEveryPortIsBusy)
{
    const auto module = NSModuleTestSupport::MakeTestProgramModule("TraceLinkTests");
    const CScopedPreviousHooks previous;
    CComPortServer server(GetTraceLogSignature(0), 256, 2);
    const CComPortClient holder(GetTraceLogSignature(0));
    CScopedTableEntry noPauses(GetKernelTable().Sleep, [](DWORD) {});
    CConsoleTrace trace("Console tests");
    EXPECT_FALSE(trace.IsConnected());
    RunIdleAfterTheRetryInterval();
    EXPECT_FALSE(trace.IsConnected());
    Trace(7, 8, "still passed on");
    EXPECT_EQ(gPassedOn, (std::vector<CTraceCall>{{7, 8, "still passed on"}}));
}

TEST(ConsoleTrace, TheInstanceMakesItOnInitializeAndDeletesItOnExit)
{
    const CScopedPreviousHooks previous;
    static CConsoleTraceInstance instance("Instance tests");
    instance.Initialize();
    ASSERT_NE(GetCurrentConsoleTrace(), nullptr);
    EXPECT_EQ(GetTraceHook(), &ConsoleTraceOutput);
    instance.Exit();
    EXPECT_EQ(GetCurrentConsoleTrace(), nullptr);
    EXPECT_EQ(GetTraceHook(), &RecordPassedOn);
}

} // namespace
