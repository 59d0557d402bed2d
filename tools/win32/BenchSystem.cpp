#include "tools/BenchSystem.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <cstdlib>
#include <cctype>

namespace {

// The host's process table as Wine shows it: its drive Z: is the host's root.
constexpr const char* kHostProcessTable = "Z:\\proc\\";

bool IsRunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The file's bytes, read until its end: the process table's files tell no size beforehand.
std::optional<std::string> ReadSmallFile(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string text;
    char piece[4096];
    DWORD readInBytes = 0;
    while (ReadFile(file, piece, sizeof piece, &readInBytes, nullptr) && readInBytes > 0)
        text.append(piece, readInBytes);
    CloseHandle(file);
    return text;
}

bool IsNumber(const char* text)
{
    if (*text == '\0')
        return false;
    for (; *text != '\0'; ++text) {
        if (!std::isdigit(static_cast<unsigned char>(*text)))
            return false;
    }
    return true;
}

// Each prefix has its own server, started with the environment of the prefix's first program.
bool ServesPrefix(const std::string& environment, const std::string& prefix)
{
    const std::string entry = "WINEPREFIX=" + prefix;
    for (std::size_t start = 0; start < environment.size();) {
        const std::size_t end = environment.find('\0', start);
        const std::size_t length = (end == std::string::npos ? environment.size() : end) - start;
        if (environment.compare(start, length, entry) == 0)
            return true;
        if (prefix.empty() && environment.compare(start, 11, "WINEPREFIX=") == 0)
            return false;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return prefix.empty();
}

// The folder of the one host process of this prefix whose name starts so; empty when there is none or
// more than one.
std::string FindHostProcessFolder(const std::string& namePrefix)
{
    char prefix[MAX_PATH] = {};
    const DWORD prefixLength = GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    const std::string ownPrefix = prefixLength < sizeof prefix ? std::string(prefix, prefixLength) : std::string();
    std::string found;
    WIN32_FIND_DATAA entry = {};
    const HANDLE search = FindFirstFileA((std::string(kHostProcessTable) + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        if (!IsNumber(entry.cFileName))
            continue;
        const std::string folder = std::string(kHostProcessTable) + entry.cFileName + "\\";
        const std::optional<std::string> name = ReadSmallFile(folder + "comm");
        if (!name || name->rfind(namePrefix, 0) != 0)
            continue;
        const std::optional<std::string> environment = ReadSmallFile(folder + "environ");
        if (!environment || !ServesPrefix(*environment, ownPrefix))
            continue;
        if (!found.empty()) {
            // Two processes answer the description: neither can be told to be the one meant.
            found.clear();
            break;
        }
        found = folder;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

// The host names a process after the first 15 characters of its program file's name.
std::string OwnHostProcessName()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path, length < sizeof path ? length : 0);
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    return name.substr(0, 15);
}

// The first number of a run-time counter file: nanoseconds on a processor.
std::optional<double> ReadRunSeconds(const std::string& path)
{
    const std::optional<std::string> text = ReadSmallFile(path);
    if (!text || text->empty() || !std::isdigit(static_cast<unsigned char>((*text)[0])))
        return std::nullopt;
    return static_cast<double>(std::strtoull(text->c_str(), nullptr, 10)) / 1e9;
}

} // namespace

std::optional<double> GetOwnHostProcessorSeconds()
{
    // The host would resolve its name for the calling process, "self", in the Wine server, which opens
    // files for its clients: this process is looked up by its name instead, once.
    static const std::string folder = IsRunningUnderWine() ? FindHostProcessFolder(OwnHostProcessName()) : std::string();
    if (folder.empty())
        return std::nullopt;
    const std::string tasks = folder + "task\\";
    WIN32_FIND_DATAA entry = {};
    const HANDLE search = FindFirstFileA((tasks + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<double> total;
    do {
        if (!IsNumber(entry.cFileName))
            continue;
        if (const std::optional<double> seconds = ReadRunSeconds(tasks + entry.cFileName + "\\schedstat"))
            total = total.value_or(0.0) + *seconds;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return total;
}

CWineServerClock::CWineServerClock()
{
    if (!IsRunningUnderWine())
        return;
    const std::string folder = FindHostProcessFolder("wineserver");
    // The server runs one thread, so the counter of its main thread is the process's, in nanoseconds.
    if (!folder.empty() && ReadSmallFile(folder + "schedstat"))
        mTimesPath = folder + "schedstat";
}

std::optional<double> CWineServerClock::GetProcessorSeconds() const
{
    if (mTimesPath.empty())
        return std::nullopt;
    return ReadRunSeconds(mTimesPath);
}

void SyncFilesToDisk(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        FlushFileBuffers(file);
        CloseHandle(file);
    }
}
