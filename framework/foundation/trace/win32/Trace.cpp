#include "framework/foundation/trace/Trace.h"

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <cstdio>
#include <ctime>
#include <new>

namespace NSTramvell {
namespace {

CStandardTrace* gCurrentStandardTrace = nullptr;
CLogFileTracer* gCurrentLogFileTracer = nullptr;

bool IsOnMainThread()
{
    return CABCCodeModule::IsMainThread();
}

void AppendLineToLogFile(const std::string& path, const char* text)
{
    std::FILE* const file = std::fopen(path.c_str(), "a+");
    if (file == nullptr)
        return;
    const std::string indent(4 * static_cast<std::size_t>(GetTraceIndent() > 0 ? GetTraceIndent() : 0), ' ');
    std::fputs(indent.c_str(), file);
    std::fputs(text, file);
    std::fputc('\n', file);
    std::fflush(file);
    std::fclose(file);
}

std::string MakeLogFilePath(const std::string& namePrefix)
{
    const std::time_t now = std::time(nullptr);
    const std::tm* const localTime = std::localtime(&now);
    const std::tm stamp = localTime != nullptr ? *localTime : std::tm{};
    return GetProgramFileSpec().GetDirSpec().GetPath() + NSTraceInternal::MakeLogFileName(namePrefix, stamp);
}

} // namespace

CStandardTrace::CStandardTrace()
    : mPreviousHook(GetTraceHook())
{
    gCurrentStandardTrace = this;
    SetTraceHook(&StandardTraceOutput);
}

CStandardTrace::~CStandardTrace()
{
    gCurrentStandardTrace = nullptr;
    SetTraceHook(mPreviousHook);
}

CStandardTrace* GetCurrentStandardTrace()
{
    return gCurrentStandardTrace;
}

void StandardTraceOutput(int first, int second, const char* text)
{
    try {
        if (IsOnMainThread()) {
            const std::string line = NSTraceInternal::MakeStandardTraceLine(text, GetTraceIndent());
            GetKernelTable().OutputDebugStringA(line.c_str());
            GetKernelTable().OutputDebugStringA("\n");
        }
        const CStandardTrace* const trace = gCurrentStandardTrace;
        if (trace != nullptr && trace->GetPreviousHook() != nullptr)
            trace->GetPreviousHook()(first, second, text);
    } catch (...) {
        // Tracing must never change what the traced code does.
    }
}

CLogFileTracer::CLogFileTracer(const std::string& namePrefix)
    : mPreviousHook(GetTraceHook())
    , mLogFilePath(MakeLogFilePath(namePrefix))
{
    gCurrentLogFileTracer = this;
    SetTraceHook(&LogFileTraceOutput);
}

CLogFileTracer::~CLogFileTracer()
{
    gCurrentLogFileTracer = nullptr;
    SetTraceHook(mPreviousHook);
}

CLogFileTracer* GetCurrentLogFileTracer()
{
    return gCurrentLogFileTracer;
}

void LogFileTraceOutput(int first, int second, const char* text)
{
    try {
        const CLogFileTracer* const tracer = gCurrentLogFileTracer;
        if (tracer == nullptr)
            return;
        if (IsOnMainThread())
            AppendLineToLogFile(tracer->GetLogFilePath(), text == nullptr ? "" : text);
        if (tracer->GetPreviousHook() != nullptr)
            tracer->GetPreviousHook()(first, second, text);
    } catch (...) {
        // A line that cannot be written is lost; the traced code goes on.
    }
}

CStandardTraceInstance::CStandardTraceInstance()
    : mTrace(nullptr)
{
    RegisterExitObject(this);
}

CStandardTraceInstance::~CStandardTraceInstance() = default;

void CStandardTraceInstance::Initialize()
{
    mTrace = new (std::nothrow) CStandardTrace();
}

void CStandardTraceInstance::Exit()
{
    delete mTrace;
    mTrace = nullptr;
}

CLogFileTracerInstance::CLogFileTracerInstance(const std::string& namePrefix)
    : mNamePrefix(namePrefix)
    , mTracer(nullptr)
{
    RegisterExitObject(this);
}

CLogFileTracerInstance::~CLogFileTracerInstance() = default;

void CLogFileTracerInstance::Initialize()
{
    try {
        mTracer = new CLogFileTracer(mNamePrefix);
    } catch (...) {
        // Without memory or a program folder the run goes on untraced: tracing raises nothing.
        mTracer = nullptr;
    }
}

void CLogFileTracerInstance::Exit()
{
    delete mTracer;
    mTracer = nullptr;
}

} // namespace NSTramvell
