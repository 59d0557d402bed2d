#pragma once

// The trace client: this process's link to a trace server, a separate trace-console program on the same
// machine that offers the com ports "TVLa" to "TVLj". The client takes the first port it can and sends
// tab-separated lines (TraceLines.h): channel 0 carries the main thread's lines, channel 1 every other
// thread's. There is at most one per process; the console trace starts and stops it.

#include "framework/foundation/core/Exceptions.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CComPortClient;

// No trace port could be connected.
DRAVIM_DECLARE_EXCEPTION(XTraceClientInitError, XBase);

class CTraceClient
{
public:
    // Connects to the first port that is not busy, in up to 5 passes over the ten ports with 200 ms between
    // passes, then sends the start banner. XTraceClientInitError when every pass found all ports busy.
    explicit CTraceClient(const std::string& clientName);
    ~CTraceClient();
    CTraceClient(const CTraceClient&) = delete;
    CTraceClient& operator=(const CTraceClient&) = delete;

    // Each answers false, dropping the line, when the channel's FIFO has no room for it now: a full FIFO
    // never blocks the caller. A channel the port lacks throws XBase.
    bool SendText(std::uint32_t channel, const char* consoleName, const char* text);
    bool SendValue(std::uint32_t channel, const char* first, const char* second, const char* third);
    bool SendNumbers(std::uint32_t channel, const char* first, const char* second, float x, float y);
    bool SendLine(std::uint32_t channel, const std::string& line);

    static constexpr std::uint32_t kMainChannel = 0;
    static constexpr std::uint32_t kOtherThreadsChannel = 1;

private:
    static constexpr std::uint32_t kGuardedChannels = 2;

    void ConnectToFirstFreePort();
    void SendBanner();

    std::string mClientName;
    std::unique_ptr<CComPortClient> mPort;
    // A FIFO has one writer; every thread but the main one shares channel 1, so its writes take turns.
    std::atomic_flag mWriting[kGuardedChannels] = {};
};

// Makes the trace client when there is none and the port "TVLa" exists; otherwise does nothing. What the
// client's constructor throws passes on, leaving none.
void StartTraceClient(const std::string& clientName);
void StopTraceClient();
CTraceClient* GetTraceClient();
bool HasTraceClient();

} // namespace NSTramvell
