#include "framework/foundation/trace/Launch.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <array>
#include <initializer_list>
#include <cstring>
#include <vector>

namespace NSTramvell {
namespace {

// The platform's own records, never a size of our own: both builds must pass what their system expects.
#if !defined(_WIN64)
static_assert(sizeof(SHELLEXECUTEINFOA) == 60);
static_assert(sizeof(STARTUPINFOA) == 68);
#endif

constexpr std::uint16_t kTextBufferSize = NSLaunchInternal::kRegistryTextBufferSize;
constexpr ULONG kShellRequestFlags = SEE_MASK_FLAG_DDEWAIT;
constexpr int kShellShowCommand = SW_SHOWDEFAULT;

// Keys opened one below the other from the classes root, closed innermost first when it ends.
class CClassesRootKeyPath
{
public:
    CClassesRootKeyPath() = default;
    CClassesRootKeyPath(const CClassesRootKeyPath&) = delete;
    CClassesRootKeyPath& operator=(const CClassesRootKeyPath&) = delete;
    ~CClassesRootKeyPath()
    {
        while (mCount != 0)
            GetKernelTable().RegCloseKey(mKeys[--mCount]);
    }

    bool Open(const char* subKeyName)
    {
        if (mCount == mKeys.size())
            return false;
        const HKEY parent = mCount == 0 ? HKEY_CLASSES_ROOT : mKeys[mCount - 1];
        HKEY key = nullptr;
        if (GetKernelTable().RegOpenKeyExA(parent, subKeyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return false;
        mKeys[mCount++] = key;
        return true;
    }

    bool OpenAll(std::initializer_list<const char*> subKeyNames)
    {
        for (const char* name : subKeyNames) {
            if (!Open(name))
                return false;
        }
        return true;
    }

    // The innermost key's default value, when it is a non-empty string that fits the buffer.
    bool ReadDefaultText(char* buffer, std::uint16_t bufferSize) const
    {
        if (mCount == 0 || bufferSize == 0)
            return false;
        DWORD type = 0;
        DWORD dataSize = bufferSize;
        if (GetKernelTable().RegQueryValueExA(mKeys[mCount - 1], nullptr, nullptr, &type,
                                              reinterpret_cast<LPBYTE>(buffer), &dataSize) != ERROR_SUCCESS)
            return false;
        if (type != REG_SZ || dataSize == 0 || dataSize > bufferSize)
            return false;
        // The registry stores the terminator only when the writer gave one.
        if (buffer[dataSize - 1] != '\0') {
            if (dataSize == bufferSize)
                return false;
            buffer[dataSize] = '\0';
        }
        return buffer[0] != '\0';
    }

private:
    std::array<HKEY, 4> mKeys{};
    std::size_t mCount = 0;
};

bool ReadClassOpenCommand(const char* className, char* buffer, std::uint16_t bufferSize)
{
    CClassesRootKeyPath path;
    return path.OpenAll({className, "shell", "open", "command"}) && path.ReadDefaultText(buffer, bufferSize);
}

std::string GetWorkingDirectoryForShell()
{
    char path[kTextBufferSize];
    const DWORD length = GetKernelTable().GetCurrentDirectoryA(sizeof path, path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    return std::string(path, length);
}

bool RequestShellOpen(const std::string& file, const std::string* parameters, const std::string& workingDirectory)
{
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    request.fMask = kShellRequestFlags;
    request.hwnd = nullptr;
    request.lpVerb = "open";
    request.lpFile = file.c_str();
    request.lpParameters = parameters == nullptr ? nullptr : parameters->c_str();
    request.lpDirectory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    request.nShow = kShellShowCommand;
    return GetKernelTable().ShellExecuteExA(&request) != FALSE;
}

// CreateProcess fails on an empty working directory (Wine: error 267), so empty means the caller's own.
bool TryStartProcess(const std::string& commandLine, const std::string& workingDirectory)
{
    std::vector<char> writableCommandLine(commandLine.begin(), commandLine.end());
    writableCommandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!GetKernelTable().CreateProcessA(nullptr, writableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                         workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                                         &process))
        return false;
    DisposeSystemHandle(process.hThread);
    DisposeSystemHandle(process.hProcess);
    return true;
}

} // namespace

bool OpenWebPage(const std::string& address)
{
    const std::string workingDirectory = GetWorkingDirectoryForShell();
    if (RequestShellOpen(address, nullptr, workingDirectory))
        return true;
    char program[kTextBufferSize];
    char arguments[kTextBufferSize];
    if (!GetClassOpenProgramAndArguments("http", program, sizeof program, arguments, sizeof arguments))
        return false;
    const std::string parameters = NSLaunchInternal::MakeWebPageParameters(arguments, address);
    if (!RequestShellOpen(program, &parameters, workingDirectory))
        throw XBase();
    return true;
}

void OpenDocument(const CFileSpec& program)
{
    if (!TryStartProcess(NSLaunchInternal::MakeProgramCommand(program.GetFullPath()), program.GetDirectoryPath()))
        throw XBase();
}

void OpenDocument(const std::string& programPath)
{
    OpenDocument(CFileSpec(NSLaunchInternal::StripEnclosingQuotes(programPath)));
}

void OpenDocumentWithProgram(const CFileSpec& program, const CFileSpec& document)
{
    StartProcess(NSLaunchInternal::MakeProgramWithDocumentCommand(program.GetFullPath(), document.GetFullPath()),
                 document.GetDirectoryPath());
}

void OpenDocumentWithHandler(const CFileSpec& document)
{
    std::string command;
    if (!GetOpenCommandForExtension(document.GetExtension(), command))
        return;
    StartProcess(InsertDocumentIntoCommand(command, document.GetFullPath()), document.GetDirectoryPath());
}

void LaunchHandlerForFileType(const CFileTypeDescription& fileType)
{
    for (const std::string& extension : fileType.GetExtensions()) {
        std::string command;
        if (GetOpenCommandForExtension(extension, command)) {
            StartProcess(GetQuotedCommandProgram(command), std::string());
            return;
        }
    }
}

void StartProcess(const std::string& commandLine, const std::string& workingDirectory)
{
    TryStartProcess(commandLine, workingDirectory);
}

std::unique_ptr<CFileSpec> CreateOpenHandlerSpec(const CFileSpec& document)
{
    std::string command;
    if (!GetOpenCommandForExtension(document.GetExtension(), command))
        return nullptr;
    std::string program = GetCommandProgram(command);
    if (!program.empty() && program.front() == '"') {
        const std::size_t closingQuote = program.find('"', 1);
        if (closingQuote == std::string::npos)
            return nullptr;
        program = program.substr(1, closingQuote - 1);
    }
    // A bare program name has no folder to make a CFileSpec of.
    if (program.empty() || program.find('\\') == std::string::npos)
        return nullptr;
    return std::make_unique<CFileSpec>(program);
}

bool HasWebBrowser()
{
    char command[kTextBufferSize];
    return ReadClassOpenCommand("http", command, sizeof command);
}

bool GetClassOpenCommand(const char* className, char* buffer, std::uint16_t bufferSize)
{
    return ReadClassOpenCommand(className, buffer, bufferSize);
}

bool GetClassOpenProgramAndArguments(const char* className, char* program, std::uint16_t programSize,
                                     char* arguments, std::uint16_t argumentsSize)
{
    char command[kTextBufferSize];
    if (!ReadClassOpenCommand(className, command, sizeof command))
        return false;
    return NSLaunchInternal::SplitOpenCommand(command, program, programSize, arguments, argumentsSize);
}

bool GetClassesRootDefaultValue(const std::string& keyName, std::string& value)
{
    char text[kTextBufferSize];
    CClassesRootKeyPath path;
    if (!path.Open(keyName.c_str()) || !path.ReadDefaultText(text, sizeof text))
        return false;
    value = text;
    return true;
}

bool GetOpenCommandForExtension(const std::string& extension, std::string& command)
{
    std::string className;
    if (!GetClassesRootDefaultValue(extension, className))
        return false;
    char text[kTextBufferSize];
    if (!ReadClassOpenCommand(className.c_str(), text, sizeof text))
        return false;
    command = text;
    return true;
}

} // namespace NSTramvell
