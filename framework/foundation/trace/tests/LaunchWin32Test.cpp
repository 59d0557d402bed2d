#include "framework/foundation/trace/Launch.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

constexpr char kNone[] = "<none>";

std::string TextOrNone(const char* text)
{
    return text == nullptr ? kNone : text;
}

// The classes root as a map from key path to default value. Handles are indices into the opened keys.
struct CFakeRegistry
{
    struct CValue
    {
        DWORD mType;
        std::string mText;
    };
    std::map<std::string, CValue> mValues;
    std::vector<std::string> mOpened;            // index: the fake handle
    std::vector<std::string> mOpenAndClose;      // "+path" and "-path", in order

    bool mOnlyQueryAccess = true;
};

CFakeRegistry gRegistry;
constexpr std::uintptr_t kFirstFakeKey = 0x1000;

HKEY FakeKeyOf(std::size_t index)
{
    return reinterpret_cast<HKEY>(kFirstFakeKey + index);
}

const std::string& PathOfFakeKey(HKEY key)
{
    return gRegistry.mOpened.at(reinterpret_cast<std::uintptr_t>(key) - kFirstFakeKey);
}

LSTATUS FakeOpenKey(HKEY parent, LPCSTR subKey, DWORD, REGSAM access, PHKEY key)
{
    gRegistry.mOnlyQueryAccess = gRegistry.mOnlyQueryAccess && access == KEY_QUERY_VALUE;
    const std::string path = (parent == HKEY_CLASSES_ROOT ? std::string() : PathOfFakeKey(parent) + "\\") + subKey;
    bool exists = false;
    for (const auto& entry : gRegistry.mValues)
        exists = exists || entry.first == path || entry.first.rfind(path + "\\", 0) == 0;
    if (!exists)
        return ERROR_FILE_NOT_FOUND;
    gRegistry.mOpened.push_back(path);
    gRegistry.mOpenAndClose.push_back("+" + path);
    *key = FakeKeyOf(gRegistry.mOpened.size() - 1);
    return ERROR_SUCCESS;
}

LSTATUS FakeQueryValue(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (name != nullptr && *name != '\0')
        return ERROR_FILE_NOT_FOUND;
    const auto found = gRegistry.mValues.find(PathOfFakeKey(key));
    if (found == gRegistry.mValues.end())
        return ERROR_FILE_NOT_FOUND;
    const std::string& text = found->second.mText;
    const DWORD needed = static_cast<DWORD>(text.size() + 1);
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, text.c_str(), needed);
    *size = needed;
    *type = found->second.mType;
    return ERROR_SUCCESS;
}

LSTATUS FakeCloseKey(HKEY key)
{
    gRegistry.mOpenAndClose.push_back("-" + PathOfFakeKey(key));
    return ERROR_SUCCESS;
}

struct CShellRequest
{
    DWORD mSize;
    ULONG mFlags;
    HWND mOwner;
    std::string mVerb;
    std::string mFile;
    std::string mParameters;
    std::string mDirectory;
    int mShow;
};

std::vector<CShellRequest> gShellRequests;
std::vector<BOOL> gShellResults;   // one per request, in order; FALSE once they run out

BOOL FakeShellExecute(SHELLEXECUTEINFOA* request)
{
    gShellRequests.push_back({request->cbSize, request->fMask, request->hwnd, TextOrNone(request->lpVerb),
                              TextOrNone(request->lpFile), TextOrNone(request->lpParameters),
                              TextOrNone(request->lpDirectory), request->nShow});
    return gShellRequests.size() <= gShellResults.size() ? gShellResults[gShellRequests.size() - 1] : FALSE;
}

// Fakes for the shell, the registry and the current directory, reset for every test.
class CLaunchFixture : public testing::Test
{
protected:
    CLaunchFixture()
        : mShell(GetKernelTable().ShellExecuteExA, &FakeShellExecute)
        , mOpenKey(GetKernelTable().RegOpenKeyExA, &FakeOpenKey)
        , mQueryValue(GetKernelTable().RegQueryValueExA, &FakeQueryValue)
        , mCloseKey(GetKernelTable().RegCloseKey, &FakeCloseKey)
        , mCurrentDirectory(GetKernelTable().GetCurrentDirectoryA, [](DWORD size, LPSTR path) -> DWORD {
            const char kDirectory[] = "C:\\Work Folder";
            if (size < sizeof kDirectory)
                return sizeof kDirectory;
            std::memcpy(path, kDirectory, sizeof kDirectory);
            return sizeof kDirectory - 1;
        })
    {
        gRegistry = CFakeRegistry();
        gShellRequests.clear();
        gShellResults.clear();
    }

    static void SetHttpCommand(const std::string& command, DWORD type = REG_SZ)
    {
        gRegistry.mValues["http\\shell\\open\\command"] = {type, command};
    }

    static void ExpectEveryKeyClosedInnermostFirst()
    {
        std::vector<std::string> open;
        for (const std::string& event : gRegistry.mOpenAndClose) {
            if (event[0] == '+') {
                open.push_back(event.substr(1));
            } else {
                ASSERT_FALSE(open.empty()) << event;
                EXPECT_EQ(event.substr(1), open.back());
                open.pop_back();
            }
        }
        EXPECT_TRUE(open.empty());
        EXPECT_TRUE(gRegistry.mOnlyQueryAccess);
    }

    CScopedTableEntry<BOOL (*)(SHELLEXECUTEINFOA*)> mShell;
    CScopedTableEntry<LSTATUS (*)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY)> mOpenKey;
    CScopedTableEntry<LSTATUS (*)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)> mQueryValue;
    CScopedTableEntry<LSTATUS (*)(HKEY)> mCloseKey;
    CScopedTableEntry<DWORD (*)(DWORD, LPSTR)> mCurrentDirectory;
};

constexpr char kAddress[] = "http://www.example.com/help page";

TEST_F(CLaunchFixture, WebPageOpenedDirectlyReadsNoRegistry)
{
    SetHttpCommand("browse.exe %1");
    gShellResults = {TRUE};
    EXPECT_TRUE(OpenWebPage(kAddress));
    ASSERT_EQ(gShellRequests.size(), 1u);
    const CShellRequest& request = gShellRequests[0];
    EXPECT_EQ(request.mSize, sizeof(SHELLEXECUTEINFOA));
    EXPECT_EQ(request.mFlags, 0x100u);
    EXPECT_EQ(request.mOwner, nullptr);
    EXPECT_EQ(request.mVerb, "open");
    EXPECT_EQ(request.mFile, kAddress);
    EXPECT_EQ(request.mParameters, kNone);
    EXPECT_EQ(request.mDirectory, "C:\\Work Folder");
    EXPECT_EQ(request.mShow, 10);
    EXPECT_TRUE(gRegistry.mOpened.empty());
}

TEST_F(CLaunchFixture, WebPageFallsBackOnTheRegisteredBrowser)
{
    // Long enough that the last case's parameters pass 259 characters.
    const std::string address = kAddress + std::string("?q=") + std::string(100, 'q');
    const struct
    {
        std::string command;
        std::string program;
        std::string parameters;
    } kCases[] = {
        {"\"C:\\Program Files\\Web\\browse.exe\" -url \"%1\"", "C:\\Program Files\\Web\\browse.exe",
         "-url \"" + address + "\""},
        {"C:\\Web\\browse.exe", "C:\\Web\\browse.exe", address},
        {"C:\\Web\\browse.exe -new", "C:\\Web\\browse.exe", "-new " + address},
        {"C:\\Web\\browse.exe " + std::string(200, 'a') + " %1", "C:\\Web\\browse.exe",
         std::string(200, 'a') + " " + address},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.command);
        gRegistry = CFakeRegistry();
        gShellRequests.clear();
        SetHttpCommand(c.command);
        gShellResults = {FALSE, TRUE};
        EXPECT_TRUE(OpenWebPage(address));
        ASSERT_EQ(gShellRequests.size(), 2u);
        const CShellRequest& request = gShellRequests[1];
        EXPECT_EQ(request.mFile, c.program);
        EXPECT_EQ(request.mParameters, c.parameters);
        EXPECT_EQ(request.mVerb, "open");
        EXPECT_EQ(request.mDirectory, "C:\\Work Folder");
        EXPECT_EQ(request.mShow, 10);
        EXPECT_EQ(gRegistry.mOpened, (std::vector<std::string>{"http", "http\\shell", "http\\shell\\open",
                                                                "http\\shell\\open\\command"}));
        ExpectEveryKeyClosedInnermostFirst();
    }
}

TEST_F(CLaunchFixture, WebPageWithoutUsableBrowserIsFalse)
{
    const struct
    {
        const char* what;
        bool registered;
        std::string command;
        DWORD type;
    } kCases[] = {
        {"no class", false, "", REG_SZ},
        {"empty command", true, "", REG_SZ},
        {"not a string", true, "C:\\Web\\browse.exe", REG_BINARY},
        {"command too long for its buffer", true, "C:\\" + std::string(257, 'p') + " %1", REG_SZ},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        gRegistry = CFakeRegistry();
        gShellRequests.clear();
        if (c.registered)
            SetHttpCommand(c.command, c.type);
        gShellResults = {FALSE, TRUE};
        EXPECT_FALSE(OpenWebPage(kAddress));
        EXPECT_EQ(gShellRequests.size(), 1u);
        EXPECT_EQ(HasWebBrowser(), false);
        ExpectEveryKeyClosedInnermostFirst();
    }
}

TEST_F(CLaunchFixture, WebPageWhoseBrowserFailsToStartThrows)
{
    SetHttpCommand("C:\\Web\\browse.exe \"%1\"");
    gShellResults = {FALSE, FALSE};
    EXPECT_THROW(OpenWebPage(kAddress), XBase);
    EXPECT_EQ(gShellRequests.size(), 2u);
    EXPECT_TRUE(HasWebBrowser());
    ExpectEveryKeyClosedInnermostFirst();
}

TEST_F(CLaunchFixture, ClassesRootReadsNeedANonEmptyStringThatFits)
{
    gRegistry.mValues[".txt"] = {REG_SZ, "txtfile"};
    gRegistry.mValues[".bin"] = {REG_DWORD, "x"};
    gRegistry.mValues["txtfile\\shell\\open\\command"] = {REG_SZ, "\"C:\\Ed\\ed.exe\" \"%1\""};
    std::string value = "kept";
    EXPECT_TRUE(GetClassesRootDefaultValue(".txt", value));
    EXPECT_EQ(value, "txtfile");
    value = "kept";
    EXPECT_FALSE(GetClassesRootDefaultValue(".bin", value));
    EXPECT_FALSE(GetClassesRootDefaultValue(".none", value));
    EXPECT_EQ(value, "kept");
    EXPECT_TRUE(GetOpenCommandForExtension(".txt", value));
    EXPECT_EQ(value, "\"C:\\Ed\\ed.exe\" \"%1\"");

    char small[8];
    EXPECT_FALSE(GetClassOpenCommand("txtfile", small, sizeof small));
    char exact[20];
    EXPECT_TRUE(GetClassOpenCommand("txtfile", exact, sizeof exact));
    EXPECT_STREQ(exact, "\"C:\\Ed\\ed.exe\" \"%1\"");
    ExpectEveryKeyClosedInnermostFirst();
}

struct CProcessStart
{
    std::string mApplication;
    std::string mCommandLine;
    BOOL mInheritHandles;
    DWORD mCreationFlags;
    bool mOwnEnvironment;
    std::string mDirectory;
    DWORD mStartupSize;
    DWORD mStartupFlags;
    WORD mShow;
};

std::vector<CProcessStart> gProcessStarts;
std::vector<HANDLE> gClosedHandles;
BOOL gProcessStartResult = TRUE;
const HANDLE kFakeProcess = reinterpret_cast<HANDLE>(0x7001);
const HANDLE kFakeThread = reinterpret_cast<HANDLE>(0x7002);

BOOL FakeCreateProcess(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                       BOOL inheritHandles, DWORD creationFlags, LPVOID environment, LPCSTR directory,
                       LPSTARTUPINFOA startup, LPPROCESS_INFORMATION process)
{
    gProcessStarts.push_back({TextOrNone(application), TextOrNone(commandLine), inheritHandles, creationFlags,
                              environment == nullptr, TextOrNone(directory), startup->cb, startup->dwFlags,
                              startup->wShowWindow});
    if (!gProcessStartResult)
        return FALSE;
    process->hProcess = kFakeProcess;
    process->hThread = kFakeThread;
    return TRUE;
}

// Records the processes started instead of starting them, with a registry for the handler lookups.
class CProcessStartFixture : public CLaunchFixture
{
protected:
    CProcessStartFixture()
        : mCreateProcess(GetKernelTable().CreateProcessA, &FakeCreateProcess)
        , mCloseHandle(GetKernelTable().CloseHandle, [](HANDLE handle) -> BOOL {
            gClosedHandles.push_back(handle);
            return TRUE;
        })
    {
        gProcessStarts.clear();
        gClosedHandles.clear();
        gProcessStartResult = TRUE;
        gRegistry.mValues[".txt"] = {REG_SZ, "txtfile"};
        gRegistry.mValues["txtfile\\shell\\open\\command"] = {REG_SZ, "\"C:\\Program Files\\Ed\\ed.exe\" /o \"%1\""};
        gRegistry.mValues[".doc"] = {REG_SZ, "docfile"};
    }

    CScopedTableEntry<BOOL (*)(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID,
                               LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION)>
        mCreateProcess;
    CScopedTableEntry<BOOL (*)(HANDLE)> mCloseHandle;
};

TEST_F(CProcessStartFixture, BothOpenDocumentFormsStartTheProgramQuotedOnceInItsFolder)
{
    const std::string kPath = "C:\\Program Files\\Packer\\packer.exe";
    OpenDocument(CFileSpec(kPath));
    OpenDocument("\"" + kPath + "\"");
    OpenDocument(kPath);
    ASSERT_EQ(gProcessStarts.size(), 3u);
    for (const CProcessStart& start : gProcessStarts) {
        EXPECT_EQ(start.mApplication, kNone);
        EXPECT_EQ(start.mCommandLine, "\"C:\\Program Files\\Packer\\packer.exe\"");
        EXPECT_EQ(start.mDirectory, "C:\\Program Files\\Packer\\");
        EXPECT_EQ(start.mInheritHandles, FALSE);
        EXPECT_EQ(start.mCreationFlags, 0u);
        EXPECT_TRUE(start.mOwnEnvironment);
        EXPECT_EQ(start.mStartupSize, sizeof(STARTUPINFOA));
        EXPECT_EQ(start.mStartupFlags, 1u);
        EXPECT_EQ(start.mShow, 1u);
    }
    EXPECT_EQ(gClosedHandles.size(), 6u);
    EXPECT_EQ(std::count(gClosedHandles.begin(), gClosedHandles.end(), kFakeProcess), 3);
    EXPECT_EQ(std::count(gClosedHandles.begin(), gClosedHandles.end(), kFakeThread), 3);
}

TEST_F(CProcessStartFixture, OnlyOpenDocumentReportsAFailedStart)
{
    gProcessStartResult = FALSE;
    EXPECT_THROW(OpenDocument(CFileSpec("C:\\Packer\\packer.exe")), XBase);
    EXPECT_THROW(OpenDocument(std::string("\"C:\\Packer\\packer.exe\"")), XBase);
    EXPECT_NO_THROW(StartProcess("C:\\Packer\\packer.exe", ""));
    EXPECT_NO_THROW(OpenDocumentWithProgram(CFileSpec("C:\\Ed\\ed.exe"), CFileSpec("C:\\a.txt")));
    EXPECT_NO_THROW(OpenDocumentWithHandler(CFileSpec("C:\\a.txt")));
    EXPECT_EQ(gProcessStarts.size(), 5u);
    EXPECT_TRUE(gClosedHandles.empty());
}

TEST_F(CProcessStartFixture, StartersBuildTheirCommandLinesAndFolders)
{
    OpenDocumentWithProgram(CFileSpec("C:\\Ed\\ed.exe"), CFileSpec("C:\\My Files\\a b.txt"));
    OpenDocumentWithHandler(CFileSpec("C:\\My Files\\a b.txt"));
    OpenDocumentWithHandler(CFileSpec("C:\\My Files\\a.doc"));
    OpenDocumentWithHandler(CFileSpec("C:\\My Files\\a.none"));
    LaunchHandlerForFileType(CFileTypeDescription("Text", ".none;.doc;.txt", CMacFileTypeCode("TEXT")));
    LaunchHandlerForFileType(CFileTypeDescription("Nothing", ".none;.doc", CMacFileTypeCode("NONE")));
    StartProcess("C:\\x.exe", "");
    ASSERT_EQ(gProcessStarts.size(), 4u);
    EXPECT_EQ(gProcessStarts[0].mCommandLine, "\"C:\\Ed\\ed.exe\" \"C:\\My Files\\a b.txt\"");
    EXPECT_EQ(gProcessStarts[0].mDirectory, "C:\\My Files\\");
    EXPECT_EQ(gProcessStarts[1].mCommandLine, "\"C:\\Program Files\\Ed\\ed.exe\" /o \"C:\\My Files\\a b.txt\"");
    EXPECT_EQ(gProcessStarts[1].mDirectory, "C:\\My Files\\");
    EXPECT_EQ(gProcessStarts[2].mCommandLine, "\"C:\\Program Files\\Ed\\ed.exe\"");
    EXPECT_EQ(gProcessStarts[2].mDirectory, kNone);
    EXPECT_EQ(gProcessStarts[3].mCommandLine, "C:\\x.exe");
    EXPECT_EQ(gProcessStarts[3].mDirectory, kNone);
    ExpectEveryKeyClosedInnermostFirst();
}

TEST_F(CProcessStartFixture, OpenHandlerSpecIsTheRegisteredProgram)
{
    const std::unique_ptr<CFileSpec> handler = CreateOpenHandlerSpec(CFileSpec("C:\\My Files\\a.txt"));
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(handler->GetFullPath(), "C:\\Program Files\\Ed\\ed.exe");
    EXPECT_EQ(CreateOpenHandlerSpec(CFileSpec("C:\\My Files\\a.doc")), nullptr);
    gRegistry.mValues["txtfile\\shell\\open\\command"] = {REG_SZ, "notepad.exe %1"};
    EXPECT_EQ(CreateOpenHandlerSpec(CFileSpec("C:\\My Files\\a.txt")), nullptr);
    EXPECT_TRUE(gProcessStarts.empty());
}

} // namespace

namespace {

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::string WithoutTrailingBackslash(std::string path)
{
    if (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string GetOwnWorkingDirectory()
{
    char path[MAX_PATH];
    const DWORD length = ::GetCurrentDirectoryA(sizeof path, path);
    return std::string(path, length);
}

// The recorder program is copied into a folder whose name holds spaces, started through the platform,
// and tells what command line and working directory it received.
TEST(StartProcess, StartsAProgramInAFolderWithSpaces)
{
    const std::string buildFolder = GetProgramFileSpec().GetDirectoryPath();
    const std::string folder = buildFolder + "launch test folder\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "launch recorder.exe";
    ASSERT_TRUE(::CopyFileA((buildFolder + "foundation_launch_recorder.exe").c_str(), program.c_str(), FALSE));

    const std::string record = buildFolder + "launch-record.txt";
    const std::string eventName = "DravimLaunchRecord" + std::to_string(::GetCurrentProcessId());
    const HANDLE recorded = ::CreateEventA(nullptr, FALSE, FALSE, eventName.c_str());
    ASSERT_NE(recorded, nullptr);
    ASSERT_TRUE(::SetEnvironmentVariableA("DRAVIM_LAUNCH_RECORD", record.c_str()));
    ASSERT_TRUE(::SetEnvironmentVariableA("DRAVIM_LAUNCH_RECORD_EVENT", eventName.c_str()));

    const std::string commandLine = "\"" + program + "\" first \"second argument\"";
    const struct
    {
        std::string workingDirectory;
        std::string recordedDirectory;
    } kCases[] = {
        {folder, WithoutTrailingBackslash(folder)},
        {buildFolder, WithoutTrailingBackslash(buildFolder)},
        {"", GetOwnWorkingDirectory()},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.workingDirectory);
        ::DeleteFileA(record.c_str());
        StartProcess(commandLine, c.workingDirectory);
        ASSERT_EQ(::WaitForSingleObject(recorded, 60000), WAIT_OBJECT_0);
        EXPECT_EQ(ReadLines(record), (std::vector<std::string>{commandLine, c.recordedDirectory}));
    }
    ::CloseHandle(recorded);
    ::DeleteFileA(record.c_str());
    ::SetEnvironmentVariableA("DRAVIM_LAUNCH_RECORD", nullptr);
    ::SetEnvironmentVariableA("DRAVIM_LAUNCH_RECORD_EVENT", nullptr);
    // Best effort: the last recorder may still be ending and hold its file.
    ::DeleteFileA(program.c_str());
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace
