#include "framework/foundation/trace/Trace.h"

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/modules/tests/TestProgramModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "tests/support/TestThreads.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

struct CTraceCall
{
    int mFirst;
    int mSecond;
    std::string mText;
    bool operator==(const CTraceCall&) const = default;
};

std::vector<CTraceCall> gPassedOn;
std::vector<std::string> gDebugOutput;
std::string gLogFilePathSeen;
std::vector<std::size_t> gLogLinesAtDebugOutput;

void RecordPassedOn(int first, int second, const char* text)
{
    gPassedOn.push_back({first, second, text});
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

std::size_t CountLines(const std::string& text)
{
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    return lines;
}

// The diagnostic output, recorded instead of sent.
class CFakeDebugOutput
{
public:
    CFakeDebugOutput()
        : mEntry(GetKernelTable().OutputDebugStringA, [](LPCSTR text) {
            gDebugOutput.push_back(text);
            if (!gLogFilePathSeen.empty())
                gLogLinesAtDebugOutput.push_back(CountLines(ReadWholeFile(gLogFilePathSeen)));
        })
    {
        gDebugOutput.clear();
        gPassedOn.clear();
        gLogFilePathSeen.clear();
        gLogLinesAtDebugOutput.clear();
    }

private:
    CScopedTableEntry<void (*)(LPCSTR)> mEntry;
};

// Starts with the given hook and leaves the hook as it found it.
class CScopedTraceHook
{
public:
    explicit CScopedTraceHook(TTraceHook hook)
        : mPrevious(GetTraceHook())
    {
        SetTraceHook(hook);
    }
    ~CScopedTraceHook() { SetTraceHook(mPrevious); }

private:
    TTraceHook mPrevious;
};

void TraceFromWorker(const char* text)
{
    NSTestSupport::RunOnThreads(1, [text](int) { Trace(5, 6, "%s", text); });
}

TEST(StandardTrace, WritesMainThreadLinesAndPassesEveryLineOn)
{
    CFakeDebugOutput debugOutput;
    CScopedTraceHook previous(&RecordPassedOn);
    const auto module = NSModuleTestSupport::MakeTestProgramModule("SystemTests");
    ASSERT_TRUE(IsMainThread());
    {
        CStandardTrace trace;
        EXPECT_EQ(GetCurrentStandardTrace(), &trace);
        EXPECT_EQ(GetTraceHook(), &StandardTraceOutput);
        Trace(3, 4, "caf\xE9\tok\n");
        TraceFromWorker("from a worker");
        Trace(0, 0, "%s", std::string(510, 'w').c_str());
        Trace(0, 0, "%s", std::string(511, 'w').c_str());
    }
    EXPECT_EQ(GetCurrentStandardTrace(), nullptr);
    EXPECT_EQ(GetTraceHook(), &RecordPassedOn);
    EXPECT_EQ(gDebugOutput, (std::vector<std::string>{"caf__ok_", "\n", std::string(510, 'w'), "\n",
                                                      " *** trace to long!", "\n"}));
    EXPECT_EQ(gPassedOn, (std::vector<CTraceCall>{{3, 4, "caf\xE9\tok\n"},
                                                  {5, 6, "from a worker"},
                                                  {0, 0, std::string(510, 'w')},
                                                  {0, 0, std::string(511, 'w')}}));
}

TEST(StandardTrace, SwallowsAFailingOutput)
{
    CScopedTableEntry failingOutput(GetKernelTable().OutputDebugStringA, [](LPCSTR) { throw XBase(); });
    CScopedTraceHook previous(nullptr);
    CStandardTrace trace;
    EXPECT_NO_THROW(Trace(0, 0, "lost"));
}

TEST(TraceBackEnds, LogFileThenStandardTraceStackNewestFirst)
{
    CFakeDebugOutput debugOutput;
    CScopedTraceHook previous(nullptr);
    const auto module = NSModuleTestSupport::MakeTestProgramModule("SystemTests");
    auto tracer = std::make_unique<CLogFileTracer>("SystemTestTrace");
    auto trace = std::make_unique<CStandardTrace>();
    const std::string path = tracer->GetLogFilePath();
    std::remove(path.c_str());
    gLogFilePathSeen = path;

    EXPECT_EQ(GetCurrentLogFileTracer(), tracer.get());
    EXPECT_EQ(trace->GetPreviousHook(), &LogFileTraceOutput);
    EXPECT_EQ(tracer->GetPreviousHook(), nullptr);
    Trace(0, 0, "first %d", 1);
    TraceFromWorker("worker line");
    Trace(0, 0, "second\tline");
    trace.reset();
    EXPECT_EQ(GetTraceHook(), &LogFileTraceOutput);
    Trace(0, 0, "log only");
    tracer.reset();
    EXPECT_EQ(GetTraceHook(), nullptr);
    EXPECT_EQ(GetCurrentLogFileTracer(), nullptr);
    Trace(0, 0, "nowhere");

    // The standard trace saw each line while the log file did not yet hold it.
    EXPECT_EQ(gDebugOutput, (std::vector<std::string>{"first 1", "\n", "second_line", "\n"}));
    EXPECT_EQ(gLogLinesAtDebugOutput, (std::vector<std::size_t>{0, 0, 1, 1}));
    // Written in text mode: the platform's line ends.
    EXPECT_EQ(ReadWholeFile(path), "first 1\r\nsecond\tline\r\nlog only\r\n");

    const CFileSpec logFile(path);
    EXPECT_EQ(logFile.GetDirectoryPath(), GetProgramFileSpec().GetDirectoryPath());
    EXPECT_TRUE(std::regex_match(logFile.GetName() + logFile.GetExtension(),
                                 std::regex("SystemTestTrace [0-9]{6} [0-9]{6}\\.log")))
        << path;
    EXPECT_EQ(std::remove(path.c_str()), 0);
}

TEST(TraceInstances, InitializeInstallsAndExitRestores)
{
    CFakeDebugOutput debugOutput;
    CScopedTraceHook previous(&RecordPassedOn);
    static CStandardTraceInstance standardInstance;
    standardInstance.Initialize();
    ASSERT_NE(GetCurrentStandardTrace(), nullptr);
    EXPECT_EQ(GetTraceHook(), &StandardTraceOutput);
    Trace(1, 2, "through the instance");
    standardInstance.Exit();
    EXPECT_EQ(GetCurrentStandardTrace(), nullptr);
    EXPECT_EQ(GetTraceHook(), &RecordPassedOn);
    EXPECT_EQ(gDebugOutput, (std::vector<std::string>{"through the instance", "\n"}));
    EXPECT_EQ(gPassedOn, (std::vector<CTraceCall>{{1, 2, "through the instance"}}));

    static CLogFileTracerInstance logInstance("SystemTestInstance");
    logInstance.Initialize();
    const CLogFileTracer* const tracer = GetCurrentLogFileTracer();
    ASSERT_NE(tracer, nullptr);
    const std::string path = tracer->GetLogFilePath();
    std::remove(path.c_str());
    Trace(0, 0, "logged");
    logInstance.Exit();
    EXPECT_EQ(GetCurrentLogFileTracer(), nullptr);
    EXPECT_EQ(GetTraceHook(), &RecordPassedOn);
    EXPECT_EQ(ReadWholeFile(path), "logged\r\n");
    std::remove(path.c_str());
}

} // namespace
