#include "framework/foundation/ipc/tests/TraceLinkTestSupport.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSIpcTestSupport {

std::vector<std::string> ReadTraceMessages(NSTramvell::CComPortServer& server, std::uint32_t channel)
{
    std::vector<std::string> messages;
    std::vector<char> buffer(65535);
    NSTramvell::CSyncedFIFOReader& reader = server.GetReader(channel);
    while (reader.GetFillCount() != 0) {
        const std::uint32_t length = reader.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        if (length == 0 || buffer[length - 1] != '\0')
            messages.push_back("<no terminator>" + std::string(buffer.data(), length));
        else
            messages.emplace_back(buffer.data(), length - 1);
    }
    return messages;
}

std::vector<std::string> MakeExpectedBanner(const std::string& clientName)
{
    const std::string prefix = clientName + "\tT\tStandard Terminal\t";
    return {prefix, prefix,
            prefix + "Session Start. Tramvell Trace Client. (process " + std::to_string(::GetCurrentProcessId()) + ")",
            prefix + std::string(49, '=')};
}

} // namespace NSIpcTestSupport
