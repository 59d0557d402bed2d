#include "framework/foundation/ipc/TraceClient.h"

#include "framework/foundation/ipc/ComPort.h"
#include "framework/foundation/ipc/tests/TraceLinkTestSupport.h"
#include "framework/foundation/modules/FrameworkConstants.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;
using namespace NSIpcTestSupport;

namespace {

std::vector<DWORD> gPauses;

// Stops whatever client a test left, so that one failure does not carry into the next test.
struct CStopTraceClientAtEnd
{
    ~CStopTraceClientAtEnd() { StopTraceClient(); }
};

TEST(TraceClient, WithoutAServerNoClientIsMade)
{
    ASSERT_FALSE(CComPortClient::Exists(GetTraceLogSignature(0)));
    StartTraceClient("Dravim tests");
    EXPECT_FALSE(HasTraceClient());
    EXPECT_EQ(GetTraceClient(), nullptr);
}

TEST(TraceClient, SendsTheBannerFirstThenEachKindOfLine)
{
    CComPortServer server(GetTraceLogSignature(0), 4096, 2);
    const CStopTraceClientAtEnd stop;
    StartTraceClient("Dravim tests");
    ASSERT_TRUE(HasTraceClient());
    EXPECT_EQ(ReadTraceMessages(server, 0), MakeExpectedBanner("Dravim tests"));
    EXPECT_EQ(ReadTraceMessages(server, 1), std::vector<std::string>{});

    CTraceClient& client = *GetTraceClient();
    const std::string text600(600, 'x');
    EXPECT_TRUE(client.SendValue(1, "first", "second", "third"));
    EXPECT_TRUE(client.SendNumbers(1, "x", "y", 0.25f, -3.0f));
    EXPECT_TRUE(client.SendText(1, "Aux Trace", text600.c_str()));
    EXPECT_TRUE(client.SendLine(0, "raw line"));
    EXPECT_EQ(ReadTraceMessages(server, 1),
              (std::vector<std::string>{"Dravim tests\tV\tfirst\tsecond\tthird",
                                        "Dravim tests\tG\tx\ty\t0.250000\t-3.000000",
                                        "Dravim tests\t" + ("T\tAux Trace\t" + text600).substr(0, 512)}));
    EXPECT_EQ(ReadTraceMessages(server, 0), std::vector<std::string>{"Dravim tests\traw line"});
    EXPECT_THROW(client.SendLine(2, "no such channel"), XBase);

    StopTraceClient();
    EXPECT_FALSE(HasTraceClient());
    EXPECT_FALSE(server.IsClientConnected());
    StartTraceClient("Second client");
    ASSERT_TRUE(HasTraceClient());
    EXPECT_EQ(ReadTraceMessages(server, 0), MakeExpectedBanner("Second client"));
}

TEST(TraceClient, DropsAMessageWithoutRoomAndSendsAShorterOne)
{
    CComPortServer server(GetTraceLogSignature(0), 256, 2);
    const CStopTraceClientAtEnd stop;
    StartTraceClient("t");
    ASSERT_TRUE(HasTraceClient());
    ReadTraceMessages(server, 0);
    CTraceClient& client = *GetTraceClient();
    // "t\tT\tc\t" is 6 characters; with the zero and the prefix a text of n takes n + 9 bytes.
    const std::string long200(200, 'L');
    EXPECT_TRUE(client.SendText(0, "c", long200.c_str()));
    EXPECT_FALSE(client.SendText(0, "c", long200.c_str()));
    EXPECT_FALSE(client.SendText(0, "c", std::string(39, 'm').c_str()));
    EXPECT_TRUE(client.SendText(0, "c", std::string(38, 's').c_str()));
    EXPECT_EQ(ReadTraceMessages(server, 0),
              (std::vector<std::string>{"t\tT\tc\t" + long200, "t\tT\tc\t" + std::string(38, 's')}));
}

TEST(TraceClient, GivesUpAfterFivePassesOverBusyPorts)
{
    CComPortServer server(GetTraceLogSignature(0), 256, 2);
    const CComPortClient holder(GetTraceLogSignature(0));
    gPauses.clear();
    CScopedTableEntry recordPauses(GetKernelTable().Sleep, [](DWORD milliseconds) { gPauses.push_back(milliseconds); });
    EXPECT_THROW(StartTraceClient("t"), XTraceClientInitError);
    EXPECT_FALSE(HasTraceClient());
    EXPECT_EQ(gPauses, (std::vector<DWORD>{200, 200, 200, 200}));
}

} // namespace
