// A stand-in for the archive packer in the packer tests: a windowed program with hidden top-level
// windows of the packer's classes that takes the hand-over message, answers it as told and reports what
// it found. Its behaviour comes from environment variables (PackerFakeProtocol.h), since it is started
// the way the real packer is, without arguments.

#include "conversion/packer/tests/PackerFakeProtocol.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kHandOverMessage = 0x485;
constexpr UINT kCloseMessage = 16;
constexpr UINT_PTR kLateReadingTimer = 1;
constexpr UINT kLateReadingDelayMs = 2000;

struct CFakeState
{
    bool answerAccepted = true;
    bool readLate = false;
    bool keepInput = false;
    std::string reportPath;
    HANDLE input = nullptr;  // the handed-over parameter file while it is held
    bool closeRequested = false;
};

CFakeState gState;

std::string GetVariable(const char* name, const char* fallback)
{
    char value[1024];
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    if (length == 0 || length >= sizeof value)
        return fallback;
    return std::string(value, length);
}

// Appended line by line, so that two fakes started by mistake would both show in the report.
void AddReportLine(const std::string& line)
{
    if (gState.reportPath.empty())
        return;
    std::FILE* file = std::fopen(gState.reportPath.c_str(), "ab");
    if (file == nullptr)
        return;
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    std::fclose(file);
    return true;
}

std::string ReadHandle(HANDLE handle)
{
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (::ReadFile(handle, buffer, sizeof buffer, &count, nullptr) && count > 0)
        bytes.append(buffer, count);
    return bytes;
}

std::uint32_t ReadBigEndian32(const std::string& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// The converted folder's path: the first length-prefixed text of the parameter bytes; empty when they
// do not hold one.
std::string GetConvertedFolder(const std::string& input)
{
    if (input.size() < 4)
        return std::string();
    const std::uint32_t length = ReadBigEndian32(input, 0);
    if (length > input.size() - 4)
        return std::string();
    return input.substr(4, length);
}

std::string ListFolder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (::FindNextFileA(search, &entry));
        ::FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names)
        listing += (listing.empty() ? "" : "|") + name;
    return listing;
}

// The packer's job as far as the tests see it: read the input through the handle, look at the folder
// it names, let go of the handle.
void ReadInput()
{
    const std::string input = ReadHandle(gState.input);
    AddReportLine("input " + NSPackerFake::ToHex(input));
    const std::string folder = GetConvertedFolder(input);
    AddReportLine("listing " + ListFolder(folder));
    std::string info;
    AddReportLine(ReadWholeFile(folder + "INFO.TXT", info) ? "info " + NSPackerFake::ToHex(info) : "info missing");
    std::string splash;
    AddReportLine(ReadWholeFile(folder + "Splash.jpg", splash)
                      ? "splash " + NSPackerFake::FingerprintBytes(splash.data(), splash.size())
                      : "splash missing");
    AddReportLine("closing");
    ::CloseHandle(gState.input);
    gState.input = nullptr;
}

bool IsJobPending()
{
    return gState.input != nullptr;
}

void QuitWhenDone()
{
    if (gState.closeRequested && !IsJobPending())
        ::PostQuitMessage(0);
}

LRESULT CALLBACK FakeWindowProcedure(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter)
{
    switch (message) {
    case kHandOverMessage:
        AddReportLine("message " + std::to_string(message));
        gState.input = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(secondParameter));
        if (gState.readLate)
            ::SetTimer(window, kLateReadingTimer, kLateReadingDelayMs, nullptr);
        else if (!gState.keepInput)
            ReadInput();
        return gState.answerAccepted ? 1 : 0;
    case WM_TIMER:
        if (firstParameter == kLateReadingTimer) {
            ::KillTimer(window, kLateReadingTimer);
            if (IsJobPending())
                ReadInput();
            QuitWhenDone();
        }
        return 0;
    case kCloseMessage:
        AddReportLine("message " + std::to_string(message));
        gState.closeRequested = true;
        QuitWhenDone();
        return 0;
    default:
        return ::DefWindowProcA(window, message, firstParameter, secondParameter);
    }
}

bool MakeWindow(const char* className)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FakeWindowProcedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    if (::RegisterClassA(&windowClass) == 0)
        return false;
    // Hidden, but a top-level window: a message-only window would not be in the window list.
    return ::CreateWindowExA(0, className, "Fake packer", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             windowClass.hInstance, nullptr) != nullptr;
}

bool MakeWindows(const std::string& kind)
{
    if (kind == "none")
        return true;
    if (kind == "message" || kind == "both") {
        if (!MakeWindow("KapletPacker Message Window"))
            return false;
    }
    if (kind == "document" || kind == "both") {
        if (!MakeWindow("Tramvell Document Window"))
            return false;
    }
    return true;
}

void SignalReady()
{
    const std::string name = GetVariable(NSPackerFake::kReadyEventVariable, "");
    if (name.empty())
        return;
    const HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
    if (event == nullptr)
        return;
    ::SetEvent(event);
    ::CloseHandle(event);
}

// The test process that started the fake (SYNCHRONIZE only), or null when none was named.
HANDLE OpenOwner()
{
    const DWORD ownerId = std::strtoul(GetVariable(NSPackerFake::kOwnerVariable, "0").c_str(), nullptr, 10);
    return ownerId == 0 ? nullptr : ::OpenProcess(SYNCHRONIZE, FALSE, ownerId);
}

} // namespace

int main()
{
    gState.answerAccepted = GetVariable(NSPackerFake::kAnswerVariable, "1") != "0";
    const std::string reading = GetVariable(NSPackerFake::kReadingVariable, "before");
    gState.readLate = reading == "late";
    gState.keepInput = reading == "keep";
    gState.reportPath = GetVariable(NSPackerFake::kReportVariable, "");
    AddReportLine("process " + std::to_string(::GetCurrentProcessId()));

    const DWORD delayMs = std::strtoul(GetVariable(NSPackerFake::kWindowDelayVariable, "0").c_str(), nullptr, 10);
    if (delayMs > 0)
        ::Sleep(delayMs);
    if (!MakeWindows(GetVariable(NSPackerFake::kWindowsVariable, "message")))
        return 1;
    SignalReady();

    const HANDLE owner = OpenOwner();
    MSG message;
    for (;;) {
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return 0;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        const DWORD woke = owner == nullptr ? (::WaitMessage(), WAIT_OBJECT_0 + 1)
                                            : ::MsgWaitForMultipleObjects(1, &owner, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            return 0;
        if (woke == WAIT_FAILED)
            return 1;
    }
}
