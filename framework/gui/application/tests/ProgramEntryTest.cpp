#include "framework/gui/application/win32/ProgramEntry.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/application/win32/SingleInstance.h"

#include <gtest/gtest.h>

#include <map>

using namespace NSTramvell;
using TLog = std::vector<std::string>;

namespace {

// What the fake steps did, in order.
TLog gLog;
bool gWindowsSupported = true;
std::map<std::string, std::uint32_t> gLibraryVersions;   // major * 100 + minor
bool gCaptionMissing = false;
bool gFactoryThrows = false;
std::string gSeenCommandLine;
std::int32_t gSeenShowCommand = 0;
std::uint32_t gSeenPlacementLength = 0;

const std::map<UINT, std::string> kStrings = {{10000, "Error"}, {10001, "too old"}, {10002, "old shell"},
                                              {10003, "old controls"}, {10004, "unknown reason"}};

CProgramEntrySteps MakeFakeSteps()
{
    CProgramEntrySteps steps{};
    steps.IsWindowsVersionSupported = [] { return gWindowsSupported; };
    steps.IsDLLVersionAtLeast = [](const std::string& name, std::uint16_t major, std::uint16_t minor) {
        return gLibraryVersions.at(name) >= static_cast<std::uint32_t>(major * 100 + minor);
    };
    steps.LoadStringA = [](HINSTANCE, UINT id, LPSTR buffer, int capacity) -> int {
        const auto found = kStrings.find(id);
        if (found == kStrings.end() || (id == 10000 && gCaptionMissing)) {
            buffer[0] = '\0';
            return 0;
        }
        lstrcpynA(buffer, found->second.c_str(), capacity);
        return static_cast<int>(found->second.size());
    };
    steps.MessageBoxA = [](HWND owner, LPCSTR text, LPCSTR caption, UINT flags) -> int {
        gLog.push_back(std::string("box ") + (owner == nullptr ? "" : "owned ") + caption + ": " + text + " " +
                       std::to_string(flags));
        return IDOK;
    };
    steps.BindPlatformTables = [] { gLog.push_back("bind"); };
    steps.ReleasePlatformTables = [] { gLog.push_back("release"); };
    steps.CoInitialize = [](LPVOID) -> HRESULT {
        gLog.push_back("COM");
        return S_OK;
    };
    steps.CoUninitialize = [] { gLog.push_back("end COM"); };
    steps.InitializeRegisteredInstances = [] { gLog.push_back("instances"); };
    steps.ExitRegisteredInstances = [] { gLog.push_back("exit instances"); };
    steps.GetProgramFileSpec = [](HINSTANCE) {
        gLog.push_back("program file");
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        return CFileSpec(path);
    };
    steps.OpenModule = [](const CFileSpec& file, HINSTANCE instance) {
        gLog.push_back("module");
        return NSTramvell::OpenModule(file, instance);
    };
    steps.RegisterWindowClasses = [](HINSTANCE) { gLog.push_back("classes"); };
    steps.UnregisterWindowClasses = [](HINSTANCE) { gLog.push_back("remove classes"); };
    steps.CreateAndRunApplication = [](CApplicationParameters& parameters) {
        gLog.push_back("application");
        gSeenCommandLine = parameters.mCommandLine;
        gSeenShowCommand = parameters.mShowCommand;
        gSeenPlacementLength = parameters.mPlacement[0];
        if (gFactoryThrows)
            throw XBase();
    };
    return steps;
}

class ProgramEntryTest : public testing::Test
{
protected:
    ProgramEntryTest()
    {
        gLog.clear();
        gWindowsSupported = true;
        gLibraryVersions = {{"shell32.dll", 400}, {"comctl32.dll", 471}};
        gCaptionMissing = false;
        gFactoryThrows = false;
    }

    int Run(const char* commandLine = "", int showCommand = 1)
    {
        return RunProgram(MakeFakeSteps(), ::GetModuleHandleA(nullptr), commandLine, showCommand);
    }
};

} // namespace

TEST_F(ProgramEntryTest, StartsAndStopsInOrder)
{
    EXPECT_EQ(Run("", 7), 0);
    EXPECT_EQ(gLog, (TLog{"bind", "COM", "instances", "program file", "module", "classes", "application",
                          "remove classes", "exit instances", "end COM", "release"}));
    EXPECT_EQ(gSeenCommandLine, "");
    EXPECT_EQ(gSeenShowCommand, 7);
    EXPECT_EQ(gSeenPlacementLength, 44u);
}

TEST_F(ProgramEntryTest, APlatformThatFailsAChecksShowsOneMessageAndStartsNothing)
{
    const struct
    {
        const char* name;
        bool windows;
        std::uint32_t shell;
        std::uint32_t controls;
        const char* box;
    } kCases[] = {
        {"old Windows", false, 400, 471, "box Error: too old 16"},
        {"old shell", true, 399, 471, "box Error: old shell 16"},
        {"controls 4.70", true, 400, 470, "box Error: old controls 16"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        gLog.clear();
        gWindowsSupported = c.windows;
        gLibraryVersions = {{"shell32.dll", c.shell}, {"comctl32.dll", c.controls}};
        EXPECT_EQ(Run(), 0);
        EXPECT_EQ(gLog, (TLog{c.box}));
    }
}

TEST_F(ProgramEntryTest, TheCaptionReadsErrorWhenItsStringIsMissing)
{
    gWindowsSupported = false;
    gCaptionMissing = true;
    Run();
    EXPECT_EQ(gLog, (TLog{"box Error: too old 16"}));
}

TEST_F(ProgramEntryTest, AFailingApplicationEndsTheInstancesAndReleasesThePlatformOnly)
{
    gFactoryThrows = true;
    EXPECT_EQ(Run("x.txt"), 0);
    EXPECT_EQ(gLog, (TLog{"bind", "COM", "instances", "program file", "module", "classes", "application",
                          "exit instances", "release", "box Error: unknown reason 16"}));
    EXPECT_EQ(gSeenCommandLine, "x.txt");
}

TEST_F(ProgramEntryTest, ALaterFrameModeInstanceHandsItsCommandLineOverAndEnds)
{
    const std::int32_t previousMode = NSApplicationInternal::SetApplicationMode(kFrameMode);
    ASSERT_TRUE(IsFirstInstance());
    EXPECT_EQ(Run("C:\\Songs\\a.mqp"), 0);
    EXPECT_EQ(gLog, (TLog{"bind", "release"}));
    EXPECT_EQ(ReadPassedCommandLine(), "C:\\Songs\\a.mqp");
    ReleaseSingleInstanceBlock();
    NSApplicationInternal::SetApplicationMode(previousMode);
    MSG message;
    while (::PeekMessageA(&message, nullptr, kPassedCommandLineMessage, kPassedCommandLineMessage, PM_REMOVE)) {
    }
}
