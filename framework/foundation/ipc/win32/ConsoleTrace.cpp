#include "framework/foundation/ipc/ConsoleTrace.h"

#include "framework/foundation/ipc/TraceClient.h"
#include "framework/foundation/ipc/TraceLines.h"
#include "framework/foundation/modules/CodeModule.h"

#include <new>

namespace NSTramvell {

namespace {

CConsoleTrace* gCurrentConsoleTrace = nullptr;

// The trace client when the current console trace is connected, else null.
CTraceClient* GetConnectedClient()
{
    const CConsoleTrace* const trace = gCurrentConsoleTrace;
    if (trace == nullptr || !trace->IsConnected())
        return nullptr;
    return GetTraceClient();
}

std::uint32_t GetCallersChannel()
{
    return IsMainThread() ? CTraceClient::kMainChannel : CTraceClient::kOtherThreadsChannel;
}

} // namespace

CConsoleTrace::CConsoleTrace(const std::string& clientName)
    : mPreviousTraceHook(GetTraceHook())
    , mPreviousValueHook(GetGlobalHook2())
    , mPreviousTextHook(GetGlobalHook3())
    , mIdleClient(kRetryIntervalCode, this, &CConsoleTrace::TryConnect)
    , mClientName(clientName)
{
    gCurrentConsoleTrace = this;
    SetTraceHook(&ConsoleTraceOutput);
    SetGlobalHook2(&ConsoleTraceValue);
    SetGlobalHook3(&ConsoleTraceText);
    Connect();
}

CConsoleTrace::~CConsoleTrace()
{
    if (IsConnected())
        mConnectedCount.fetch_sub(1);
    SetTraceHook(mPreviousTraceHook);
    SetGlobalHook2(mPreviousValueHook);
    SetGlobalHook3(mPreviousTextHook);
    gCurrentConsoleTrace = nullptr;
    StopTraceClient();
}

void CConsoleTrace::TryConnect(const CIdleInfo&)
{
    if (!IsConnected())
        Connect();
}

void CConsoleTrace::Connect()
{
    try {
        StartTraceClient(mClientName);
    } catch (const std::exception&) {
        // No port free, or the server went while we connected: the next idle pass tries again.
        return;
    }
    if (HasTraceClient())
        mConnectedCount.fetch_add(1);
}

CConsoleTrace* GetCurrentConsoleTrace()
{
    return gCurrentConsoleTrace;
}

void ConsoleTraceOutput(int first, int second, const char* text)
{
    try {
        if (CTraceClient* const client = GetConnectedClient()) {
            const std::uint32_t channel = GetCallersChannel();
            const std::string line = NSTraceLines::MakeConsoleTraceLine(text, GetTraceIndent());
            client->SendText(channel,
                             channel == CTraceClient::kMainChannel ? NSTraceLines::kMainConsoleName
                                                                   : NSTraceLines::kAuxConsoleName,
                             line.c_str());
        }
        const CConsoleTrace* const trace = gCurrentConsoleTrace;
        if (trace != nullptr && trace->GetPreviousTraceHook() != nullptr)
            trace->GetPreviousTraceHook()(first, second, text);
    } catch (...) {
        // Tracing must never change what the traced code does.
    }
}

void ConsoleTraceValue(const char* first, const char* second, const char* third)
{
    try {
        if (CTraceClient* const client = GetConnectedClient())
            client->SendValue(GetCallersChannel(), first, second, third);
    } catch (...) {
        // As ConsoleTraceOutput.
    }
}

void ConsoleTraceText(const char* consoleName, const char* text)
{
    try {
        if (CTraceClient* const client = GetConnectedClient())
            client->SendText(GetCallersChannel(), consoleName, text);
    } catch (...) {
        // As ConsoleTraceOutput.
    }
}

CConsoleTraceInstance::CConsoleTraceInstance(const std::string& clientName)
    : mClientName(clientName)
    , mTrace(nullptr)
{
    RegisterExitObject(this);
}

CConsoleTraceInstance::~CConsoleTraceInstance() = default;

void CConsoleTraceInstance::Initialize()
{
    try {
        mTrace = new CConsoleTrace(mClientName);
    } catch (...) {
        // Without memory the run goes on untraced: tracing raises nothing.
        mTrace = nullptr;
    }
}

void CConsoleTraceInstance::Exit()
{
    delete mTrace;
    mTrace = nullptr;
}

} // namespace NSTramvell
