#include "framework/foundation/ipc/TraceClient.h"

#include "framework/foundation/ipc/ComPort.h"
#include "framework/foundation/ipc/TraceLines.h"
#include "framework/foundation/modules/FrameworkConstants.h"
#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <new>

namespace NSTramvell {

namespace {

constexpr int kConnectPasses = 5;
constexpr std::int32_t kPauseBetweenPassesMs = 200;

CTraceClient* gTraceClient = nullptr;

// Lets one thread at a time write to a channel's FIFO.
class CChannelTurn
{
public:
    explicit CChannelTurn(std::atomic_flag* flag)
        : mFlag(flag)
    {
        if (mFlag == nullptr)
            return;
        while (mFlag->test_and_set(std::memory_order_acquire))
            PauseThread(0);
    }
    ~CChannelTurn()
    {
        if (mFlag != nullptr)
            mFlag->clear(std::memory_order_release);
    }
    CChannelTurn(const CChannelTurn&) = delete;
    CChannelTurn& operator=(const CChannelTurn&) = delete;

private:
    std::atomic_flag* mFlag;   // borrowed from the trace client; null: a channel nobody shares
};

} // namespace

XTraceClientInitError::~XTraceClientInitError() = default;

CTraceClient::CTraceClient(const std::string& clientName)
    : mClientName(clientName.substr(0, NSTraceLines::kClientNameLength))
{
    ConnectToFirstFreePort();
    SendBanner();
}

CTraceClient::~CTraceClient() = default;

void CTraceClient::ConnectToFirstFreePort()
{
    for (int pass = 0; pass < kConnectPasses && mPort == nullptr; ++pass) {
        for (std::size_t port = 0; port < kTraceLogSignatureCount && mPort == nullptr; ++port) {
            const CApplicationDefinedSignature& signature = GetTraceLogSignature(port);
            if (!CComPortClient::IsPortBusy(signature))
                mPort = std::make_unique<CComPortClient>(signature);
        }
        if (mPort == nullptr && pass + 1 < kConnectPasses)
            PauseMilliseconds(kPauseBetweenPassesMs);
    }
    if (mPort == nullptr)
        throw XTraceClientInitError();
}

void CTraceClient::SendBanner()
{
    const char* const console = NSTraceLines::kMainConsoleName;
    const std::string banner = NSTraceLines::MakeBannerLine(GetKernelTable().GetCurrentProcessId());
    SendText(kMainChannel, console, "");
    SendText(kMainChannel, console, "");
    SendText(kMainChannel, console, banner.c_str());
    SendText(kMainChannel, console, NSTraceLines::kBannerRule);
}

bool CTraceClient::SendText(std::uint32_t channel, const char* consoleName, const char* text)
{
    return SendLine(channel, NSTraceLines::MakeTextLine(consoleName, text));
}

bool CTraceClient::SendValue(std::uint32_t channel, const char* first, const char* second, const char* third)
{
    return SendLine(channel, NSTraceLines::MakeValueLine(first, second, third));
}

bool CTraceClient::SendNumbers(std::uint32_t channel, const char* first, const char* second, float x, float y)
{
    return SendLine(channel, NSTraceLines::MakeNumbersLine(first, second, x, y));
}

bool CTraceClient::SendLine(std::uint32_t channel, const std::string& line)
{
    const std::string message = NSTraceLines::MakeMessage(mClientName, line);
    // The server reads the message as a C string: its terminating zero travels with it.
    const std::uint32_t length = static_cast<std::uint32_t>(message.size()) + 1;
    CSyncedFIFOWriter& writer = mPort->GetWriter(channel);
    const CChannelTurn turn(channel < kGuardedChannels ? &mWriting[channel] : nullptr);
    if (!writer.HasRoom(length))
        return false;
    writer.Write(length, message.c_str());
    return true;
}

void StartTraceClient(const std::string& clientName)
{
    if (gTraceClient != nullptr || !CComPortClient::Exists(GetTraceLogSignature(0)))
        return;
    gTraceClient = new (std::nothrow) CTraceClient(clientName);
}

void StopTraceClient()
{
    delete gTraceClient;
    gTraceClient = nullptr;
}

CTraceClient* GetTraceClient()
{
    return gTraceClient;
}

bool HasTraceClient()
{
    return gTraceClient != nullptr;
}

} // namespace NSTramvell
