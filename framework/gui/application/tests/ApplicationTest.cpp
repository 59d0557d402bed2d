#include "framework/gui/application/Application.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/MemoryReserve.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/application/GuiExceptions.h"
#include "framework/gui/application/RecentFiles.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/images/IconCache.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/FakeWindow.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace NSTramvell;
using NSGuiTest::CAlertLog;
using NSGuiTest::CFakeWindow;
using NSGuiTest::CTestApplication;
using NSGuiTest::CTestIdleClient;
using TCalls = std::vector<std::string>;

namespace {

std::string CommonAlert(int entry)
{
    return "[STOP]Common alert " + std::to_string(entry) + "[OK]";
}

constexpr UINT kEndTestMessage = WM_APP + 1;

} // namespace

TEST(CApplicationRun, AStartHookThatQuitsSkipsTheLoopAndRunsTheExitHook)
{
    NSGuiTest::CWatchdog watchdog;
    CTestApplication application([](CTestApplication& app) { app.TryQuit(); });
    application.Run();
    EXPECT_EQ(application.mCalls, (TCalls{"StartUp", "CanQuit", "ShutDown"}));
    EXPECT_EQ(application.GetRunState(), kRunStateEnding);
}

TEST(CApplicationRun, AThrowingStartHookShowsItsAlertAndSkipsTheExitHook)
{
    NSGuiTest::CWatchdog watchdog;
    CAlertLog alerts;
    CTestApplication application([](CTestApplication&) { throw XRead(); });
    application.Run();
    EXPECT_EQ(application.mCalls, (TCalls{"StartUp"}));
    ASSERT_EQ(alerts.mAlerts.size(), 1u);
    EXPECT_EQ(alerts.mAlerts[0].mScript, CommonAlert(8));
}

CTestApplication* gEndingApplication = nullptr;

TEST(CApplicationRun, ThePlatformsQuitMessageDoesNotEndTheLoop)
{
    NSGuiTest::CWatchdog watchdog;
    // The second message asks to quit; it is dispatched only when the loop outlives the quit message.
    CScopedTableEntry dispatch(GetWindowTable().DispatchMessageA, [](const MSG* message) -> LRESULT {
        if (message->message == kEndTestMessage)
            gEndingApplication->TryQuit();
        return 0;
    });
    CTestApplication application([](CTestApplication&) {
        ::PostThreadMessageA(::GetCurrentThreadId(), WM_QUIT, 0, 0);
        ::PostThreadMessageA(::GetCurrentThreadId(), kEndTestMessage, 0, 0);
    });
    gEndingApplication = &application;
    application.Run();
    EXPECT_EQ(application.mCalls, (TCalls{"StartUp", "OpenWithoutDocument", "CanQuit", "ShutDown"}));
    EXPECT_EQ(application.GetRunState(), kRunStateEnding);
}

TEST(CApplicationRun, OpenRequestsWaitForTheTopLevelLoop)
{
    NSGuiTest::CWatchdog watchdog;
    NSFilesTest::CScratchFolder scratch;
    NSFilesTest::WriteWholeFile(scratch.GetPath() + "a.txt", "a");
    CTestApplication application([&](CTestApplication& app) {
        app.QueueOpenFile(scratch.GetFile("a.txt"));
        app.QueueOpenFolder(scratch.GetDirSpec());
        app.QueueOpenNothing();
        // Neither before the loop nor in a nested step.
        app.ProcessPendingEvents();
        app.mCalls.push_back("nested step done");
    });
    CTestIdleClient quitWhenOpened(23, [&] {
        if (application.mCalls.size() >= 6 && application.GetRunState() == kRunStateRunning)
            application.TryQuit();
    });
    application.Run();
    EXPECT_EQ(application.mCalls,
              (TCalls{"StartUp", "nested step done", "OpenWithoutDocument", "file " + scratch.GetPath() + "a.txt",
                      "folder " + scratch.GetPath(), "OpenWithoutDocument", "CanQuit", "ShutDown"}));
}

TEST(CApplicationQuit, ARefusingWindowKeepsTheApplicationRunning)
{
    CTestApplication application;
    std::vector<std::string> log;
    CFakeWindow first("first", &log);
    CFakeWindow refusing("refusing", &log, false);
    CFakeWindow third("third", &log);
    first.Show();
    refusing.Show();
    third.Show();

    EXPECT_FALSE(application.QuitAndDrainEvents());
    EXPECT_TRUE(first.IsClosed());
    EXPECT_FALSE(third.IsClosed());
    EXPECT_EQ(application.GetRunState(), kRunStateRunning);

    refusing.SetMayClose(true);
    EXPECT_TRUE(application.QuitAndDrainEvents());
    EXPECT_EQ(CountWindows(), 0);
    EXPECT_EQ(application.GetRunState(), kRunStateEnding);
}

TEST(CApplicationQuit, QuitAndDrainEventsAsksForConsentOnce)
{
    CTestApplication refused;
    refused.mMayQuit = false;
    EXPECT_FALSE(refused.QuitAndDrainEvents());
    EXPECT_EQ(refused.mCalls, (TCalls{"CanQuit"}));
    EXPECT_NE(refused.GetRunState(), kRunStateQuitRequested);
}

TEST(CApplicationQuit, QuitAndDrainEventsWithConsentEndsTheApplication)
{
    CTestApplication agreed;
    EXPECT_TRUE(agreed.QuitAndDrainEvents());
    EXPECT_EQ(agreed.mCalls, (TCalls{"CanQuit"}));
    EXPECT_EQ(agreed.GetRunState(), kRunStateEnding);
}

TEST(CApplicationReport, ShowsTheCommonAlertOfTheExceptionsClass)
{
    CTestApplication application;
    CAlertLog alerts;
    application.ReportException(XShellAccessDenied());
    application.ReportException(XAlertAlreadyShown());
    application.ReportException(std::out_of_range("index"));
    application.ReportUnknownException();
    ASSERT_EQ(alerts.mAlerts.size(), 3u);
    EXPECT_EQ(alerts.mAlerts[0].mScript, CommonAlert(17));
    EXPECT_EQ(alerts.mAlerts[1].mScript, CommonAlert(11));
    EXPECT_EQ(alerts.mAlerts[2].mScript, CommonAlert(11));
}

TEST(CApplicationReport, DropsAReportWhileOneIsShownAndFreesTheReserveMeanwhile)
{
    CTestApplication application;
    CAlertLog alerts;
    bool reservesInPlaceWhileShown = true;
    alerts.mWhileShown = [&] {
        reservesInPlaceWhileShown = GetMemoryReserveList().AreAllInPlace();
        application.ReportException(XWrite());
    };
    application.ReportException(XRead());
    ASSERT_EQ(alerts.mAlerts.size(), 1u);
    EXPECT_EQ(alerts.mAlerts[0].mScript, CommonAlert(8));
    EXPECT_FALSE(reservesInPlaceWhileShown);
    EXPECT_TRUE(GetMemoryReserveList().AreAllInPlace());
}

TEST(CApplicationReport, AFailingReportNeverLeavesTheDispatchAndTheNextOneIsShown)
{
    CScopedTableEntry dispatch(GetWindowTable().DispatchMessageA, [](const MSG*) -> LRESULT { throw XRead(); });
    CTestApplication application;
    CAlertLog alerts;
    alerts.mWhileShown = [] { throw std::runtime_error("the alert box failed"); };
    MSG message{};
    message.message = kEndTestMessage;
    EXPECT_NO_THROW(application.DispatchOneMessage(message));
    alerts.mWhileShown = nullptr;
    application.DispatchOneMessage(message);
    EXPECT_EQ(alerts.mAlerts.size(), 2u);
}

int gFakeDepth = 0;
std::string gDepthMessage;
std::string gDepthCaption;

TEST(CApplicationConstruction, RefusesAnUnsupportedScreenDepth)
{
    CScopedTableEntry depth(GetWindowTable().GetDeviceCaps,
                            [](HDC, int index) { return index == BITSPIXEL ? gFakeDepth : 1; });
    CScopedTableEntry box(GetWindowTable().MessageBoxA, [](HWND owner, LPCSTR text, LPCSTR caption, UINT) {
        gDepthMessage = owner == nullptr ? text : "owned";
        gDepthCaption = caption;
        return IDOK;
    });
    gFakeDepth = 4;
    EXPECT_THROW(CTestApplication application, XBase);
    EXPECT_EQ(gDepthMessage, "Unsupported color depth, application will quit.");
    EXPECT_EQ(gDepthCaption, NSGuiTest::MakeTestApplicationParameters().mModule.GetName());
    EXPECT_EQ(CApplication::GetApplication(), nullptr);
    EXPECT_EQ(GetStringManager(), nullptr);

    gDepthMessage.clear();
    gFakeDepth = 16;
    CTestApplication application;
    EXPECT_EQ(gDepthMessage, "");
}

TEST(CApplicationConstruction, ReadsTheProgramsStringsThroughTheApplication)
{
    CTestApplication application;
    EXPECT_EQ(CApplication::GetApplication(), &application);
    EXPECT_EQ(GetString(401280121), "Hello from the test library");
}

TEST(CApplicationCommandLine, OpensTheNamedPathsAndTellsWhatItCouldNotRead)
{
    NSFilesTest::CScratchFolder scratch;
    NSFilesTest::WriteWholeFile(scratch.GetPath() + "a.txt", "a");
    NSFilesTest::WriteWholeFile(scratch.GetPath() + "b c.txt", "b");
    ::CreateDirectoryA((scratch.GetPath() + "Sub").c_str(), nullptr);
    const std::string a = scratch.GetPath() + "a.txt";
    const std::string bc = scratch.GetPath() + "b c.txt";
    const std::string sub = scratch.GetPath() + "Sub";
    const std::string unknown(70, 'u');
    // The alert shows a long rest by its end.
    const auto shown = [](const std::string& rest) { return rest.size() < 64 ? rest : "..." + rest.substr(rest.size() - 60); };
    const struct
    {
        std::string commandLine;
        bool opened;
        TCalls calls;
        std::vector<std::string> alertParameters;
    } kCases[] = {
        {"\"" + a + "\" \"" + sub + "\"", true, {"file " + a, "folder " + sub + "\\"}, {}},
        {bc, true, {"file " + bc}, {}},
        {a + " " + bc, true, {"file " + a}, {shown(bc)}},
        {"missing.txt", false, {}, {"missing.txt"}},
        {unknown, false, {}, {"..." + unknown.substr(10)}},
        {"", false, {}, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.commandLine);
        CTestApplication application;
        CAlertLog alerts;
        EXPECT_EQ(application.HandleCommandLine(c.commandLine), c.opened);
        application.ProcessOpenRequests();
        EXPECT_EQ(application.mCalls, c.calls);
        if (c.alertParameters.empty()) {
            EXPECT_TRUE(alerts.mAlerts.empty());
        } else {
            ASSERT_EQ(alerts.mAlerts.size(), 1u);
            EXPECT_EQ(alerts.mAlerts[0].mParameters, c.alertParameters);
            EXPECT_EQ(alerts.mAlerts[0].mScript, "[STOP][File not Found]The file \"^0\" could not be found.[OK]");
        }
    }
}

NSMemoryReserveInternal::TBlockAllocator gRealAllocator = nullptr;

TEST(CApplicationMemory, ShortReservesPurgeTheBitmapsThenEnterLowMemory)
{
    CTestApplication application;
    const auto failingAllocator = [](std::int32_t) -> std::unique_ptr<std::byte[]> { return nullptr; };
    gRealAllocator = NSMemoryReserveInternal::SetBlockAllocator(failingAllocator);
    bool lowMemory = false;
    {
        const CMemoryReserve lost(4096);
        EXPECT_FALSE(application.IsLowMemory());
        lowMemory = NSGuiTest::WaitUntil([&] {
            application.ProcessPendingEvents();
            return application.IsLowMemory();
        }, 5000);
        NSMemoryReserveInternal::SetBlockAllocator(gRealAllocator);
    }
    EXPECT_TRUE(lowMemory);
    EXPECT_GE(application.mBitmapCachePurges, 1);
    application.LeaveLowMemoryState();
    EXPECT_EQ(application.GetMemoryState(), kMemoryStateNormal);
}

namespace {

std::vector<std::string> gShellPaths;
decltype(CKernelTable::SHGetFileInfoA) gRealShellInfo = nullptr;

} // namespace

TEST(CApplicationIcons, TheDataFolderKindShowsTheApplicationsDataFolder)
{
    CTestApplication application;
    gShellPaths.clear();
    gRealShellInfo = GetKernelTable().SHGetFileInfoA;
    CScopedTableEntry shell(GetKernelTable().SHGetFileInfoA,
                            [](LPCSTR path, DWORD attributes, SHFILEINFOA* info, UINT size, UINT flags) -> DWORD_PTR {
                                gShellPaths.emplace_back(path);
                                return gRealShellInfo(path, attributes, info, size, flags);
                            });
    { const CIconRef icon(14); }
    ASSERT_EQ(gShellPaths.size(), 8u);
    for (const std::string& path : gShellPaths)
        EXPECT_EQ(path, application.GetUserDataFolder().GetPath());
}

TEST(CApplicationEditCommands, EachNumberIsZeroUntilItsOwnSetterGivesIt)
{
    CTestApplication application;
    using TGet = std::function<std::uint32_t()>;
    using TSet = std::function<void(std::uint32_t)>;
    const std::vector<std::pair<TGet, TSet>> kNumbers = {
        {[&] { return application.GetFurtherEditCommand(0); }, [&](std::uint32_t c) { application.SetFurtherEditCommand(0, c); }},
        {[&] { return application.GetFurtherEditCommand(1); }, [&](std::uint32_t c) { application.SetFurtherEditCommand(1, c); }},
        {[&] { return application.GetFurtherEditCommand(2); }, [&](std::uint32_t c) { application.SetFurtherEditCommand(2, c); }},
        {[&] { return application.GetCutCommand(); }, [&](std::uint32_t c) { application.SetCutCommand(c); }},
        {[&] { return application.GetCopyCommand(); }, [&](std::uint32_t c) { application.SetCopyCommand(c); }},
        {[&] { return application.GetPasteCommand(); }, [&](std::uint32_t c) { application.SetPasteCommand(c); }},
        {[&] { return application.GetClearCommand(); }, [&](std::uint32_t c) { application.SetClearCommand(c); }},
        {[&] { return application.GetExtraEditCommand(); }, [&](std::uint32_t c) { application.SetExtraEditCommand(c); }},
    };
    for (const auto& number : kNumbers)
        EXPECT_EQ(number.first(), 0u);
    for (std::size_t i = 0; i < kNumbers.size(); ++i)
        kNumbers[i].second(static_cast<std::uint32_t>(200 + i));
    for (std::size_t i = 0; i < kNumbers.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kNumbers[i].first(), 200 + i);
    }
    EXPECT_THROW(application.SetFurtherEditCommand(3, 1), std::out_of_range);
    EXPECT_THROW(application.GetFurtherEditCommand(3), std::out_of_range);
}

TEST(CApplicationRecentFiles, GivesACopyOfTheListNewestFirst)
{
    CTestApplication application;
    GetRecentFileList().clear();
    AddRecentFile(CFileSpec("C:\\Docs\\old.mqp"));
    AddRecentFile(CFileSpec("C:\\Docs\\new.mqp"));
    std::vector<CFileSpec> copy = application.GetRecentFiles();
    EXPECT_EQ(copy, (std::vector<CFileSpec>{CFileSpec("C:\\Docs\\new.mqp"), CFileSpec("C:\\Docs\\old.mqp")}));
    copy.clear();
    EXPECT_EQ(GetRecentFileList().size(), 2u);
    GetRecentFileList().clear();
}
