#include "conversion/packer/tests/PackerTestSupport.h"

#include "conversion/packer/tests/PackerFakeProtocol.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/ModuleReference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace NSPackerTests {
namespace {

const char kMakerKeyPath[] = "Software\\Quenholt Software";
const char kPackerKeyPath[] = "Software\\Quenholt Software\\Kaplet Packer";
const char kPathValueName[] = "Application Path";
constexpr DWORD kReadyTimeoutMs = 30000;

bool KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

std::optional<std::string> ReadPathValue()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPackerKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[4096] = {};
    DWORD size = sizeof buffer - 1;
    const LSTATUS status =
        ::RegQueryValueExA(key, kPathValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer);
}

void WritePathValue(const std::optional<std::string>& path)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPackerKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "The packer's registry key could not be made";
        return;
    }
    if (path)
        ::RegSetValueExA(key, kPathValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(path->c_str()),
                         static_cast<DWORD>(path->size() + 1));
    else
        ::RegDeleteValueA(key, kPathValueName);
    ::RegCloseKey(key);
}

std::uint32_t ParseNumber(const std::string& text)
{
    return static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
}

std::string MakeReadyEventName()
{
    static int counter = 0;
    return "DravimFakePackerReady-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

} // namespace

CPackerRegistryEntry::CPackerRegistryEntry()
    : mMakerKeyExisted(KeyExists(kMakerKeyPath))
    , mPackerKeyExisted(KeyExists(kPackerKeyPath))
    , mPreviousPath(ReadPathValue())
{
}

CPackerRegistryEntry::~CPackerRegistryEntry()
{
    if (mPackerKeyExisted) {
        WritePathValue(mPreviousPath);
        return;
    }
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kPackerKeyPath);
    if (!mMakerKeyExisted)
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMakerKeyPath);
}

void CPackerRegistryEntry::SetPackerPath(const std::string& path)
{
    WritePathValue(path);
}

void CPackerRegistryEntry::SetKeyWithoutValue()
{
    WritePathValue(std::nullopt);
}

void CPackerRegistryEntry::RemoveKeys()
{
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kPackerKeyPath);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMakerKeyPath);
}

std::string GetTestProgramFolder()
{
    char path[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.find_last_of('\\') + 1);
}

std::string GetFakePackerPath()
{
    return GetTestProgramFolder() + NSPackerFake::kFakePackerFileName;
}

CFakePackerEnvironment::CFakePackerEnvironment(std::initializer_list<std::pair<const char*, std::string>> variables)
{
    ::SetEnvironmentVariableA(NSPackerFake::kOwnerVariable, std::to_string(::GetCurrentProcessId()).c_str());
    mNames.push_back(NSPackerFake::kOwnerVariable);
    for (const auto& [name, value] : variables) {
        ::SetEnvironmentVariableA(name, value.c_str());
        mNames.push_back(name);
    }
}

CFakePackerEnvironment::~CFakePackerEnvironment()
{
    for (const std::string& name : mNames)
        ::SetEnvironmentVariableA(name.c_str(), nullptr);
}

CFakeReport ReadFakeReport(const std::string& path)
{
    CFakeReport report;
    std::ifstream input(path, std::ios::binary);
    std::string line;
    while (std::getline(input, line)) {
        const std::size_t space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value = space == std::string::npos ? std::string() : line.substr(space + 1);
        if (key == "process")
            report.processIds.push_back(ParseNumber(value));
        else if (key == "input")
            report.inputHex = value;
        else if (key == "listing")
            report.listing = value;
        else if (key == "info")
            report.infoHex = value;
        else if (key == "splash")
            report.splash = value;
        else if (key == "closing")
            report.closing = true;
        else if (key == "message")
            report.messages.push_back(ParseNumber(value));
    }
    return report;
}

CFakePackerProcess::CFakePackerProcess(std::uint32_t processId)
    : mProcessId(processId)
    , mProcess(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId))
{
}

CFakePackerProcess::~CFakePackerProcess()
{
    if (mProcess == nullptr)
        return;
    if (!WaitForEnd(0))
        Terminate();
    ::CloseHandle(mProcess);
}

std::unique_ptr<CFakePackerProcess> CFakePackerProcess::Start()
{
    const std::string eventName = MakeReadyEventName();
    const HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    if (ready == nullptr)
        return nullptr;
    const CFakePackerEnvironment readyVariable({{NSPackerFake::kReadyEventVariable, eventName}});
    std::string commandLine = "\"" + GetFakePackerPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::unique_ptr<CFakePackerProcess> process;
    if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         GetTestProgramFolder().c_str(), &startup, &started)) {
        ::CloseHandle(started.hThread);
        ::CloseHandle(started.hProcess);
        process = std::make_unique<CFakePackerProcess>(started.dwProcessId);
        if (::WaitForSingleObject(ready, kReadyTimeoutMs) != WAIT_OBJECT_0)
            process.reset();
    }
    ::CloseHandle(ready);
    return process;
}

bool CFakePackerProcess::WaitForEnd(std::uint32_t timeoutMs)
{
    return mProcess == nullptr || ::WaitForSingleObject(mProcess, timeoutMs) == WAIT_OBJECT_0;
}

void CFakePackerProcess::Terminate()
{
    if (mProcess == nullptr)
        return;
    ::TerminateProcess(mProcess, 1);
    ::WaitForSingleObject(mProcess, kReadyTimeoutMs);
}

CScratchFolder::CScratchFolder()
    : mFolder(NSTramvell::CreateFolder(NSTramvell::GetTempFolder(),
                                       NSTramvell::CDirectoryName(
                                           "PackerTest " + NSTramvell::MakeRandomTempFileName().GetString())))
{
}

CScratchFolder::~CScratchFolder()
{
    NSTramvell::CDirectoryIterator entries(mFolder);
    std::vector<NSTramvell::CDirSpec> subFolders;
    for (; !entries.IsDone(); entries.Next()) {
        if (entries.GetKind() == NSTramvell::kFolderEntryKind)
            subFolders.push_back(mFolder.GetSubFolder(entries.GetFolderEntry().GetName().GetString()));
        else
            NSTramvell::DeleteFile(NSTramvell::MakeFileSpecInFolder(mFolder, entries.GetFileEntry().GetName()));
    }
    for (const NSTramvell::CDirSpec& subFolder : subFolders) {
        for (const std::string& name : ListNames(subFolder))
            NSTramvell::DeleteFile(NSTramvell::MakeFileSpecInFolder(subFolder, NSTramvell::CFileName(name)));
        NSTramvell::DeleteFolder(subFolder);
    }
    NSTramvell::DeleteFolder(mFolder);
}

NSTramvell::CDirSpec CScratchFolder::MakeSubFolder(const std::string& name) const
{
    return NSTramvell::CreateFolder(mFolder, NSTramvell::CDirectoryName(name));
}

void CScratchFolder::WriteFile(const NSTramvell::CDirSpec& folder, const std::string& name,
                               const std::string& bytes) const
{
    NSTramvell::WriteFileFromBuffer(NSTramvell::MakeFileSpecInFolder(folder, NSTramvell::CFileName(name)),
                                    NSTramvell::CMacCreatorCode("????"), NSTramvell::CMacFileTypeCode("????"),
                                    bytes.data(), static_cast<std::int32_t>(bytes.size()));
}

std::set<std::string> ListNames(const NSTramvell::CDirSpec& folder)
{
    std::set<std::string> names;
    for (NSTramvell::CDirectoryIterator entries(folder); !entries.IsDone(); entries.Next()) {
        if (entries.GetKind() == NSTramvell::kFolderEntryKind)
            names.insert(entries.GetFolderEntry().GetName().GetString());
        else
            names.insert(entries.GetFileEntry().GetName().GetString());
    }
    return names;
}

std::set<std::string> ListParameterFiles()
{
    std::set<std::string> names;
    for (const std::string& name : ListNames(NSTramvell::GetTempFolder())) {
        if (name.size() > 7 && name.compare(0, 3, "Kap") == 0 && name.compare(name.size() - 4, 4, ".tmp") == 0)
            names.insert(name);
    }
    return names;
}

std::string ReadWholeFile(const NSTramvell::CFileSpec& file)
{
    const std::unique_ptr<NSTramvell::COwnedMemoryMedia> bytes = NSTramvell::ReadFileToMemory(file);
    return std::string(reinterpret_cast<const char*>(bytes->GetBuffer()), static_cast<std::size_t>(bytes->GetSize()));
}

namespace {

NSTramvell::CCodeModuleInfo MakeTestProgramInfo()
{
    const NSTramvell::CFileSpec program = NSTramvell::GetProgramFileSpec();
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    return NSTramvell::CCodeModuleInfo(program.GetDirSpec(), program.GetName(),
                                       NSTramvell::OpenModule(program, instance), instance);
}

} // namespace

CTestProgramModule::CTestProgramModule()
    : CABCCodeModule(MakeTestProgramInfo())
{
}

std::string GetSplashResourceBytes()
{
    const HMODULE program = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceA(program, MAKEINTRESOURCEA(128), "JPEG");
    if (found == nullptr)
        return std::string();
    const HGLOBAL loaded = ::LoadResource(program, found);
    const void* bytes = ::LockResource(loaded);
    return std::string(static_cast<const char*>(bytes), ::SizeofResource(program, found));
}

} // namespace NSPackerTests
