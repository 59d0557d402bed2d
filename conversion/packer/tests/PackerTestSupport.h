#pragma once

// What the packer tests share: the packer's registry value, set by each test and restored after it; the
// fake packer program beside the test program, its environment, its report and its processes; the test
// program as the current code module (the splash picture is its resource); a scratch folder.

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace NSPackerTests {

// The packer's registry entry for one test. The constructor notes what was there; the destructor puts
// it back (removing the keys and value the test made).
class CPackerRegistryEntry
{
public:
    CPackerRegistryEntry();
    CPackerRegistryEntry(const CPackerRegistryEntry&) = delete;
    CPackerRegistryEntry& operator=(const CPackerRegistryEntry&) = delete;
    ~CPackerRegistryEntry();

    void SetPackerPath(const std::string& path);
    // "Kaplet Packer" exists without the value.
    void SetKeyWithoutValue();
    // Neither "Kaplet Packer" nor "Quenholt Software" exists.
    void RemoveKeys();

private:
    bool mMakerKeyExisted;
    bool mPackerKeyExisted;
    std::optional<std::string> mPreviousPath;
};

// The test program's folder and the fake packer in it.
std::string GetTestProgramFolder();
std::string GetFakePackerPath();

// Sets the fake's environment variables for one test and clears them afterwards.
class CFakePackerEnvironment
{
public:
    explicit CFakePackerEnvironment(std::initializer_list<std::pair<const char*, std::string>> variables);
    CFakePackerEnvironment(const CFakePackerEnvironment&) = delete;
    CFakePackerEnvironment& operator=(const CFakePackerEnvironment&) = delete;
    ~CFakePackerEnvironment();

private:
    std::vector<std::string> mNames;
};

// What a fake packer wrote into its report.
struct CFakeReport
{
    std::vector<std::uint32_t> processIds;
    std::optional<std::string> inputHex;
    std::optional<std::string> listing;
    std::optional<std::string> infoHex;
    std::optional<std::string> splash;
    bool closing = false;
    std::vector<std::uint32_t> messages;
};
// An absent report is an empty one.
CFakeReport ReadFakeReport(const std::string& path);

// One fake packer process, ended by its id: waited for, and terminated when it does not end in time.
class CFakePackerProcess
{
public:
    // Opens the process; a process that has ended already counts as ended.
    explicit CFakePackerProcess(std::uint32_t processId);
    CFakePackerProcess(const CFakePackerProcess&) = delete;
    CFakePackerProcess& operator=(const CFakePackerProcess&) = delete;
    // Terminates the process when it still runs.
    ~CFakePackerProcess();

    // Starts the fake with the current environment and waits until it has made its windows (its ready
    // event); a fake that does not get there in 30 seconds is terminated and null returned.
    static std::unique_ptr<CFakePackerProcess> Start();

    std::uint32_t GetId() const { return mProcessId; }
    // True when it ends within the time.
    bool WaitForEnd(std::uint32_t timeoutMs);
    void Terminate();

private:
    std::uint32_t mProcessId;
    HANDLE mProcess;  // owned; null when it could not be opened (it had ended)
};

// A new folder in the temporary-files folder, removed with everything in it (one level of sub-folders).
class CScratchFolder
{
public:
    CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    ~CScratchFolder();

    const NSTramvell::CDirSpec& GetFolder() const { return mFolder; }
    NSTramvell::CDirSpec MakeSubFolder(const std::string& name) const;
    void WriteFile(const NSTramvell::CDirSpec& folder, const std::string& name, const std::string& bytes) const;

private:
    NSTramvell::CDirSpec mFolder;
};

// The names in a folder, sorted; sub-folders included.
std::set<std::string> ListNames(const NSTramvell::CDirSpec& folder);
// The names of the parameter files (Kap*.tmp) in the temporary-files folder.
std::set<std::string> ListParameterFiles();
std::string ReadWholeFile(const NSTramvell::CFileSpec& file);

// The test program as the current code module, as the application is in the program.
class CTestProgramModule : public NSTramvell::CABCCodeModule
{
public:
    CTestProgramModule();
};
// The bytes of the test program's "JPEG" 128 resource.
std::string GetSplashResourceBytes();

} // namespace NSPackerTests
