#pragma once

// What the trace-client and console-trace tests share: the messages a trace server received.

#include "framework/foundation/ipc/ComPort.h"

#include <string>
#include <vector>

namespace NSIpcTestSupport {

// Every message waiting on the channel, each without the terminating zero it must arrive with (a message
// without one comes back with "<no terminator>" in front, so that the comparison fails).
std::vector<std::string> ReadTraceMessages(NSTramvell::CComPortServer& server, std::uint32_t channel);
// The four banner messages a client of that name sends first.
std::vector<std::string> MakeExpectedBanner(const std::string& clientName);

} // namespace NSIpcTestSupport
