#pragma once

// The framework's trace output. Process-wide hooks carry it: a trace hook that receives formatted lines,
// and a value-display and a text-display hook for a remote trace console. Back-ends install themselves into
// the hooks, keep what was installed before them and, for the trace hook, pass every line on to it, so that
// several can be stacked; they must be destroyed in the reverse order of their creation. The hooks are plain
// globals: back-ends come and go on the main thread only, while trace lines may come from any thread.

#include "framework/foundation/platform/InitializeExit.h"

#include <cstddef>
#include <ctime>
#include <string>

namespace NSTramvell {

using TTraceHook = void (*)(int first, int second, const char* text);
using TValueDisplayHook = void (*)(const char* first, const char* second, const char* third);
using TTextDisplayHook = void (*)(const char* channelName, const char* text);

void SetTraceHook(TTraceHook hook);
TTraceHook GetTraceHook();
void SetGlobalHook2(TValueDisplayHook hook);
TValueDisplayHook GetGlobalHook2();
void SetGlobalHook3(TTextDisplayHook hook);
TTextDisplayHook GetGlobalHook3();

// Formats with printf conventions into 1024 bytes (longer output is cut) and hands the text and the two
// integers to the trace hook. Returns at once, without formatting, when no hook is set.
[[gnu::format(gnu_printf, 3, 4)]] void Trace(int first, int second, const char* format, ...);
void CallGlobalHook2(const char* first, const char* second, const char* third);
void CallGlobalHook3(const char* channelName, const char* text);

// Every back-end puts 4 spaces per level in front of a line. Nothing changes the level: it stays 0.
int GetTraceIndent();

// The standard trace: main-thread lines go to the platform's diagnostic output, each followed by a line
// feed; lines of every thread are passed on to the hook installed before it.
class CStandardTrace
{
public:
    CStandardTrace();
    ~CStandardTrace();
    CStandardTrace(const CStandardTrace&) = delete;
    CStandardTrace& operator=(const CStandardTrace&) = delete;

    TTraceHook GetPreviousHook() const { return mPreviousHook; }

private:
    TTraceHook mPreviousHook;
};

CStandardTrace* GetCurrentStandardTrace();
// The standard trace's hook; it swallows every exception.
void StandardTraceOutput(int first, int second, const char* text);

// The log-file tracer: main-thread lines are appended to "<prefix> YYMMDD HHMMSS.log" in the program's
// folder, the file opened and closed for every line so that it is complete whenever the program stops.
class CLogFileTracer
{
public:
    explicit CLogFileTracer(const std::string& namePrefix);
    ~CLogFileTracer();
    CLogFileTracer(const CLogFileTracer&) = delete;
    CLogFileTracer& operator=(const CLogFileTracer&) = delete;

    const std::string& GetLogFilePath() const { return mLogFilePath; }
    TTraceHook GetPreviousHook() const { return mPreviousHook; }

private:
    TTraceHook mPreviousHook;
    std::string mLogFilePath;
};

CLogFileTracer* GetCurrentLogFileTracer();
// The log-file tracer's hook; it swallows every exception.
void LogFileTraceOutput(int first, int second, const char* text);

// Registered with the init/exit registry on construction (normally static objects of the program); the
// back-end lives from Initialize to Exit. A failed allocation leaves it absent and raises nothing.
class CStandardTraceInstance : public IInitializeExit
{
public:
    CStandardTraceInstance();
    virtual ~CStandardTraceInstance();
    void Initialize() override;
    void Exit() override;

private:
    CStandardTrace* mTrace;   // owned from Initialize to Exit
};

class CLogFileTracerInstance : public IInitializeExit
{
public:
    explicit CLogFileTracerInstance(const std::string& namePrefix);
    virtual ~CLogFileTracerInstance();
    void Initialize() override;
    void Exit() override;

private:
    std::string mNamePrefix;
    CLogFileTracer* mTracer;   // owned from Initialize to Exit
};

namespace NSTraceInternal {

inline constexpr std::size_t kTraceBufferSize = 1024;
inline constexpr std::size_t kStandardLineBufferSize = 512;
inline constexpr char kTraceTooLongText[] = " *** trace to long!";

// The standard trace's line: the indent, then the text, or the too-long notice when the text would not
// fit 511 characters with the indent; every byte below 32 read as a signed character (control bytes and
// 128 to 255) becomes '_'.
std::string MakeStandardTraceLine(const char* text, int indentLevel);
// "<prefix> YYMMDD HHMMSS.log" for the given local time.
std::string MakeLogFileName(const std::string& namePrefix, const std::tm& localTime);

} // namespace NSTraceInternal

} // namespace NSTramvell
