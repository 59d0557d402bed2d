#include "conversion/packer/KapletPackerInterface.h"

#include "conversion/packer/tests/PackerFakeProtocol.h"
#include "conversion/packer/tests/PackerTestSupport.h"
#include "conversion/packer/win32/PackerTable.h"
#include "framework/foundation/files/FileSpec.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace NSKapletPackerInterface;
using NSPackerTests::CFakePackerEnvironment;
using NSPackerTests::CFakePackerProcess;
using NSPackerTests::CPackerRegistryEntry;

std::string GetWindowClass(HWND window)
{
    char name[260] = {};
    const int length = ::GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

DWORD GetWindowProcess(HWND window)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::string ChangeLetterCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

TEST(PackerInstallState, MissingEntriesMeanNotInstalledWithoutAnError)
{
    CPackerRegistryEntry registry;
    const std::string missingFile = NSPackerTests::GetTestProgramFolder() + "NoSuchPacker.exe";
    const struct
    {
        const char* situation;
        void (*prepare)(CPackerRegistryEntry&, const std::string&);
        bool pathKept;
    } kCases[] = {
        {"no key", [](CPackerRegistryEntry& r, const std::string&) { r.RemoveKeys(); }, false},
        {"key without the value", [](CPackerRegistryEntry& r, const std::string&) { r.SetKeyWithoutValue(); },
         false},
        {"path to no file", [](CPackerRegistryEntry& r, const std::string& p) { r.SetPackerPath(p); }, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.situation);
        c.prepare(registry, missingFile);
        EXPECT_EQ(GetPackerPath(), c.pathKept ? missingFile : std::string());
        EXPECT_EQ(GetPackerInstallState(), kPackerNotInstalled);
    }
}

TEST(PackerInstallState, ThePackerFileMeansInstalled)
{
    CPackerRegistryEntry registry;
    registry.SetPackerPath(NSPackerTests::GetFakePackerPath());
    EXPECT_EQ(GetPackerPath(), NSPackerTests::GetFakePackerPath());
    EXPECT_EQ(GetPackerInstallState(), kPackerInstalled);
}

TEST(PackerProcessStatus, TheSystemTableBindsTheImageFileNameWithTheOtherThree)
{
    const CPackerTable table = BindSystemPackerTable();
    char image[260] = {};
    const DWORD length = table.GetProcessImageFileNameA(::GetCurrentProcess(), image, sizeof image);
    ASSERT_GT(length, 0u);
    char module[260] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    // The image name is a device path; it ends in this program's file name.
    const std::string moduleName = std::string(module).substr(std::string(module).find_last_of('\\') + 1);
    const std::string imageName(image, length);
    ASSERT_GE(imageName.size(), moduleName.size());
    EXPECT_EQ(::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, imageName.c_str() + imageName.size() - moduleName.size(),
                               -1, moduleName.c_str(), -1),
              CSTR_EQUAL)
        << imageName;
}

TEST(PackerWindows, NoneWhileThePackerDoesNotRun)
{
    EXPECT_TRUE(FindPackerProcesses(NSPackerTests::GetFakePackerPath()).empty());
    EXPECT_EQ(FindPackerWindow(NSPackerTests::GetFakePackerPath()), nullptr);
    EXPECT_FALSE(IsPackerRunning(NSTramvell::CFileSpec(NSPackerTests::GetFakePackerPath())));
}

TEST(PackerWindows, TheMessageWindowIsPreferredToTheDocumentWindow)
{
    const CFakePackerEnvironment environment({{NSPackerFake::kWindowsVariable, "both"}});
    const auto fake = CFakePackerProcess::Start();
    ASSERT_NE(fake, nullptr);
    const std::string path = NSPackerTests::GetFakePackerPath();

    // The document window was made last and comes first in the window list.
    const std::vector<HWND> all = FindProcessWindows("", fake->GetId());
    const std::vector<HWND> documentWindows = FindProcessWindows(kDocumentWindowClass, fake->GetId());
    const std::vector<HWND> messageWindows = FindProcessWindows(kPackerMessageWindowClass, fake->GetId());
    ASSERT_EQ(documentWindows.size(), 1u);
    ASSERT_EQ(messageWindows.size(), 1u);
    const auto documentPosition = std::find(all.begin(), all.end(), documentWindows[0]);
    const auto messagePosition = std::find(all.begin(), all.end(), messageWindows[0]);
    ASSERT_NE(messagePosition, all.end());
    EXPECT_LT(documentPosition, messagePosition);

    EXPECT_EQ(FindPackerProcesses(path), std::vector<std::uint32_t>{fake->GetId()});
    const HWND window = FindPackerWindow(path);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, messageWindows[0]);
    EXPECT_EQ(GetWindowProcess(window), fake->GetId());
    EXPECT_TRUE(IsPackerRunning(NSTramvell::CFileSpec(path)));
}

TEST(PackerWindows, TheDocumentWindowAnswersWhenItIsAllThereIs)
{
    const CFakePackerEnvironment environment({{NSPackerFake::kWindowsVariable, "document"}});
    const auto fake = CFakePackerProcess::Start();
    ASSERT_NE(fake, nullptr);
    const HWND window = FindPackerWindow(NSPackerTests::GetFakePackerPath());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowClass(window), kDocumentWindowClass);
    EXPECT_EQ(GetWindowProcess(window), fake->GetId());
}

TEST(PackerWindows, APathInOtherLetterCaseFindsThePacker)
{
    const CFakePackerEnvironment environment({{NSPackerFake::kWindowsVariable, "message"}});
    const auto fake = CFakePackerProcess::Start();
    ASSERT_NE(fake, nullptr);
    const std::string otherCase = ChangeLetterCase(NSPackerTests::GetFakePackerPath());
    ASSERT_NE(otherCase, NSPackerTests::GetFakePackerPath());

    EXPECT_EQ(FindPackerProcesses(otherCase), std::vector<std::uint32_t>{fake->GetId()});
    const HWND window = FindPackerWindow(otherCase);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowClass(window), kPackerMessageWindowClass);
    EXPECT_TRUE(IsPackerRunning(NSTramvell::CFileSpec(otherCase)));
}

TEST(PackerWindows, ProcessesOfOtherProgramsAreNotThePacker)
{
    const auto fake = CFakePackerProcess::Start();
    ASSERT_NE(fake, nullptr);
    const std::string otherProgram = NSPackerTests::GetTestProgramFolder() + "FakePacker2.exe";
    EXPECT_TRUE(FindPackerProcesses(otherProgram).empty());
    EXPECT_EQ(FindPackerWindow(otherProgram), nullptr);
    EXPECT_TRUE(FindProcessWindows(kPackerMessageWindowClass, ::GetCurrentProcessId()).empty());
}

} // namespace
