#include "framework/foundation/files/Folders.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/platform/Random.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

using namespace NSTramvell;
using NSFilesTest::CScratchFolder;
using NSFilesTest::ListFolder;
using NSFilesTest::WriteWholeFile;

namespace {

int gFolderCreations = 0;
int gAttributeQueries = 0;

struct CListed
{
    std::string name;
    std::uint32_t kind;
    bool hidden;
    bool operator==(const CListed&) const = default;
};

std::vector<CListed> ListWithIterator(const CDirSpec& folder)
{
    std::vector<CListed> listed;
    for (CDirectoryIterator it(folder); !it.IsDone(); it.Next()) {
        if (it.GetKind() == kFolderEntryKind)
            listed.push_back({it.GetFolderEntry().GetName().GetString(), kFolderEntryKind,
                              it.GetFolderEntry().IsHidden()});
        else
            listed.push_back({it.GetFileEntry().GetName().GetString(), kFileEntryKind, it.GetFileEntry().IsHidden()});
    }
    std::sort(listed.begin(), listed.end(), [](const CListed& a, const CListed& b) { return a.name < b.name; });
    return listed;
}

TEST(CDirectoryIterator, ListsFilesAndSubFoldersWithTheirFlags)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "a.txt", "abc");
    WriteWholeFile(scratch.GetPath() + "h.txt", "");
    ASSERT_TRUE(::SetFileAttributesA((scratch.GetPath() + "h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    CreateFolder(scratch.GetDirSpec(), CDirectoryName("sub"));
    const std::vector<CListed> expected = {
        {"a.txt", kFileEntryKind, false}, {"h.txt", kFileEntryKind, true}, {"sub", kFolderEntryKind, false}};
    EXPECT_EQ(ListWithIterator(scratch.GetDirSpec()), expected);

    CDirectoryIterator it(scratch.GetDirSpec().GetSubFolder("sub"));
    EXPECT_TRUE(it.IsDone());
    EXPECT_EQ(it.GetKind(), kFileEntryKind);
    EXPECT_THROW(it.GetFileEntry(), XNotFound);
    EXPECT_TRUE(ListWithIterator(scratch.GetDirSpec().GetSubFolder("missing")).empty());
}

TEST(CDirectoryIterator, AFailingSearchOtherThanTheEndThrows)
{
    CScratchFolder scratch;
    CScopedTableEntry failingNext(GetKernelTable().FindNextFileA, [](HANDLE, LPWIN32_FIND_DATAA) -> BOOL {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    });
    EXPECT_THROW(CDirectoryIterator{scratch.GetDirSpec()}, XFile);
}

TEST(GetFileEntryOf, NameSizeAndMissingFile)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "Take.wav", "12345");
    const CFileEntry entry = GetFileEntryOf(scratch.GetFile("Take.wav"));
    EXPECT_EQ(entry.GetName(), "Take.wav");
    EXPECT_EQ(entry.GetSize(), 5u);
    EXPECT_FALSE(entry.IsReadOnly());
    EXPECT_NE(entry.GetLastWriteTime(), 0u);
    EXPECT_THROW(GetFileEntryOf(scratch.GetFile("missing.wav")), XFile);
}

TEST(TemporaryNames, RandomNamesAreTempAndTwentyAlphabetCharacters)
{
    for (int i = 0; i < 20; ++i) {
        const std::string name = MakeRandomTempFileName().GetString();
        SCOPED_TRACE(name);
        ASSERT_EQ(name.size(), 24u);
        EXPECT_EQ(name.substr(0, 4), "temp");
        EXPECT_EQ(name.find_first_not_of(kTemporaryNameAlphabet, 4), std::string::npos);
    }
}

TEST(TemporaryNames, AUniqueNameSkipsNamesThatExist)
{
    CScratchFolder scratch;
    NSRandomInternal::SetRandomState(12345);
    const std::string firstDraw = MakeRandomTempFileName().GetString();
    WriteWholeFile(scratch.GetPath() + firstDraw, "taken");
    NSRandomInternal::SetRandomState(12345);
    const std::string unique = MakeUniqueFileName(scratch.GetDirSpec()).GetString();
    EXPECT_NE(unique, firstDraw);
    EXPECT_EQ(unique.substr(0, 4), "temp");

    const CFileSpec temporary = MakeTemporaryFileSpec();
    EXPECT_TRUE(temporary.GetDirSpec() == GetTempFolder());
    EXPECT_FALSE(FileExists(temporary));
}

TEST(TemporaryNames, GivesUpAfterAThousandTakenNames)
{
    CScopedTableEntry everythingExists(GetKernelTable().GetFileAttributesA, [](LPCSTR) -> DWORD {
        ++gAttributeQueries;
        return FILE_ATTRIBUTE_NORMAL;
    });
    gAttributeQueries = 0;
    EXPECT_THROW(MakeUniqueFileName(CDirSpec("C:\\data\\")), XFile);
    EXPECT_EQ(gAttributeQueries, 1000);
}

TEST(WellKnownFolders, TemporarySystemAndProgram)
{
    EXPECT_TRUE(FolderExists(GetTempFolder()));
    EXPECT_EQ(GetTempFolder().GetPath().back(), '\\');
    EXPECT_TRUE(FolderExists(GetSystemFolder()));
    const CFileSpec program = GetProgramFileSpec();
    EXPECT_TRUE(FileExists(program));
    EXPECT_EQ(CompareNoCase(program.GetExtension(), ".exe"), 0);
    EXPECT_TRUE(GetSystemFileSpec(CFileName("shell32.dll")).GetDirSpec() == GetSystemFolder());
}

class SpecialFolderFixture : public testing::Test
{
protected:
    void TearDown() override
    {
        std::string path;
        if (GetApplicationDataPath(path))
            NSFilesTest::RemoveTree(path + mMaker + "\\");
    }

    static bool GetApplicationDataPath(std::string& path)
    {
        char buffer[MAX_PATH + 1] = {};
        LPITEMIDLIST items = nullptr;
        if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &items)))
            return false;
        const bool found = ::SHGetPathFromIDListA(items, buffer);
        ::ILFree(items);
        path = std::string(buffer) + "\\";
        return found;
    }

    const std::string mMaker = "DravimTestMaker" + std::to_string(::GetCurrentProcessId());
    CScopedTableEntry<BOOL (*)(LPCSTR, LPSECURITY_ATTRIBUTES)> mCountCreations{
        GetKernelTable().CreateDirectoryA, [](LPCSTR path, LPSECURITY_ATTRIBUTES security) {
            ++gFolderCreations;
            return ::CreateDirectoryA(path, security);
        }};
};

TEST_F(SpecialFolderFixture, CreatesTheTwoSubFoldersOnce)
{
    std::string applicationData;
    ASSERT_TRUE(GetApplicationDataPath(applicationData));
    gFolderCreations = 0;
    const CDirSpec first = GetSpecialFolder(mMaker, "Product");
    EXPECT_TRUE(first == CDirSpec(applicationData + mMaker + "\\Product\\"));
    EXPECT_TRUE(FolderExists(first));
    EXPECT_EQ(gFolderCreations, 2);
    gFolderCreations = 0;
    EXPECT_TRUE(GetSpecialFolder(mMaker, "Product") == first);
    EXPECT_EQ(gFolderCreations, 0);
}

TEST_F(SpecialFolderFixture, AFileBearingTheMakersNameIsRefused)
{
    std::string applicationData;
    ASSERT_TRUE(GetApplicationDataPath(applicationData));
    ::CreateDirectoryA((applicationData + mMaker).c_str(), nullptr);
    WriteWholeFile(applicationData + mMaker + "\\Product", "a file, not a folder");
    EXPECT_THROW(GetSpecialFolder(mMaker, "Product"), XFile);
}

TEST_F(SpecialFolderFixture, WithoutApplicationDataThePlatformOrSystemFolderStandsIn)
{
    CScopedTableEntry onlyThePlatformFolder(GetKernelTable().SHGetSpecialFolderLocation,
                                            [](HWND window, int folder, LPITEMIDLIST* items) -> HRESULT {
                                                if (folder != CSIDL_WINDOWS)
                                                    return E_FAIL;
                                                return ::SHGetSpecialFolderLocation(window, folder, items);
                                            });
    char windows[MAX_PATH + 1] = {};
    ASSERT_GT(::GetWindowsDirectoryA(windows, sizeof windows), 0u);
    gFolderCreations = 0;
    EXPECT_TRUE(GetSpecialFolder(mMaker, "Product") == CDirSpec(windows));

    CScopedTableEntry noShellFolders(GetKernelTable().SHGetSpecialFolderLocation,
                                     [](HWND, int, LPITEMIDLIST*) -> HRESULT { return E_FAIL; });
    EXPECT_TRUE(GetSpecialFolder(mMaker, "Product") == GetSystemFolder());
    EXPECT_EQ(gFolderCreations, 0);
}

TEST(WellKnownFolders, AShellWithoutItsAllocatorIsOutOfMemory)
{
    CScopedTableEntry noAllocator(GetKernelTable().SHGetMalloc, [](IMalloc**) -> HRESULT { return E_OUTOFMEMORY; });
    EXPECT_THROW(GetSpecialFolder("Maker", "Product"), std::bad_alloc);
}

TEST(WellKnownFolders, DesktopFromTheShellFolderSettings)
{
    CScopedTableEntry openAnyKey(GetKernelTable().RegOpenKeyExA,
                                 [](HKEY, LPCSTR, DWORD, REGSAM, PHKEY key) -> LSTATUS {
                                     *key = reinterpret_cast<HKEY>(1);
                                     return ERROR_SUCCESS;
                                 });
    CScopedTableEntry closeAnyKey(GetKernelTable().RegCloseKey, [](HKEY) -> LSTATUS { return ERROR_SUCCESS; });
    CScopedTableEntry desktopValue(GetKernelTable().RegQueryValueExA,
                                   [](HKEY, LPCSTR name, LPDWORD, LPDWORD, LPBYTE data, LPDWORD size) -> LSTATUS {
                                       const std::string value = "C:\\Desk";
                                       if (std::string(name) != "Desktop" || *size <= value.size())
                                           return ERROR_FILE_NOT_FOUND;
                                       std::copy(value.begin(), value.end(), data);
                                       data[value.size()] = 0;
                                       *size = static_cast<DWORD>(value.size() + 1);
                                       return ERROR_SUCCESS;
                                   });
    EXPECT_EQ(GetDesktopFolder().GetPath(), "C:\\Desk\\");

    CScopedTableEntry noKey(GetKernelTable().RegOpenKeyExA,
                            [](HKEY, LPCSTR, DWORD, REGSAM, PHKEY) -> LSTATUS { return ERROR_FILE_NOT_FOUND; });
    EXPECT_THROW(GetDesktopFolder(), XBase);
}

} // namespace

namespace {

TEST(MakeLongPath, ComponentsTakeTheFileSystemsSpelling)
{
    CScratchFolder scratch;
    CreateFolder(scratch.GetDirSpec(), CDirectoryName("MixedCase Folder"));
    const std::string asTyped = scratch.GetPath() + "mixedcase folder\\sub\\";
    const std::string expected = scratch.GetPath() + "MixedCase Folder\\sub\\";

    // Without the platform's long form (which keeps the case as typed) the path is walked component by
    // component, and each found component takes the spelling the file system reports.
    CScopedTableEntry noLongForm(GetKernelTable().GetLongPathNameA, [](LPCSTR, LPSTR, DWORD) -> DWORD {
        ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return 0;
    });
    EXPECT_EQ(MakeLongPath(asTyped), expected);
    EXPECT_EQ(MakeLongPath(scratch.GetPath() + "mixedcase folder"), scratch.GetPath() + "MixedCase Folder");
}

TEST(MakeLongPath, ShortNamesBecomeLong)
{
    CScratchFolder scratch;
    CreateFolder(scratch.GetDirSpec(), CDirectoryName("A rather long folder name"));
    char shortPath[MAX_PATH + 1] = {};
    const DWORD length =
        ::GetShortPathNameA((scratch.GetPath() + "A rather long folder name").c_str(), shortPath, sizeof shortPath);
    ASSERT_GT(length, 0u);
    ASSERT_LT(length, sizeof shortPath);
    EXPECT_EQ(CFileSpec(std::string(shortPath) + "\\take.wav").GetDirectoryPath(),
              MakeLongPath(scratch.GetPath()) + "A rather long folder name\\");
    EXPECT_EQ(MakeFullPath("C:\\x\\..\\y"), "C:\\y");
    EXPECT_THROW(MakeFullPath("C:\\" + std::string(300, 'x')), XBase);
}

} // namespace
