#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

// Every path that reaches a create, open, delete, folder, attribute or search call.
std::vector<std::string> gPlatformPaths;

class RecordingFileSystem
{
public:
    RecordingFileSystem() { gPlatformPaths.clear(); }

private:
    static void Record(LPCSTR path)
    {
        gPlatformPaths.push_back(path);
        ::SetLastError(ERROR_PATH_NOT_FOUND);
    }

    CScopedTableEntry<HANDLE (*)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)> mCreateFile{
        GetKernelTable().CreateFileA, [](LPCSTR path, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) {
            Record(path);
            return INVALID_HANDLE_VALUE;
        }};
    CScopedTableEntry<BOOL (*)(LPCSTR, LPSECURITY_ATTRIBUTES)> mCreateFolder{
        GetKernelTable().CreateDirectoryA, [](LPCSTR path, LPSECURITY_ATTRIBUTES) -> BOOL {
            Record(path);
            return FALSE;
        }};
    CScopedTableEntry<BOOL (*)(LPCSTR)> mRemoveFolder{GetKernelTable().RemoveDirectoryA, [](LPCSTR path) -> BOOL {
                                                          Record(path);
                                                          return FALSE;
                                                      }};
    CScopedTableEntry<BOOL (*)(LPCSTR)> mDeleteFile{GetKernelTable().DeleteFileA, [](LPCSTR path) -> BOOL {
                                                        Record(path);
                                                        return FALSE;
                                                    }};
    CScopedTableEntry<DWORD (*)(LPCSTR)> mAttributes{GetKernelTable().GetFileAttributesA, [](LPCSTR path) {
                                                         Record(path);
                                                         return INVALID_FILE_ATTRIBUTES;
                                                     }};
    CScopedTableEntry<HANDLE (*)(LPCSTR, LPWIN32_FIND_DATAA)> mSearch{
        GetKernelTable().FindFirstFileA, [](LPCSTR path, LPWIN32_FIND_DATAA) {
            Record(path);
            return INVALID_HANDLE_VALUE;
        }};
};

// Runs every operation that hands a path to the platform on a file and a folder of that name.
void TryEveryOperation(const CFileSpec& file, const CDirSpec& folder)
{
    EXPECT_THROW(COpenFile{file}, XFileNotFound);
    EXPECT_THROW(COpenFile(file, CMacCreatorCode("????"), CMacFileTypeCode("TEXT")), XFile);
    EXPECT_THROW(DeleteFile(file), XFile);
    EXPECT_FALSE(FileExists(file));
    EXPECT_THROW(GetFileEntryOf(file), XFile);
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_FALSE(FileExistsInFolder(folder, "x.wav"));
    EXPECT_THROW(CreateFolder(folder, CDirectoryName("sub")), XFile);
    EXPECT_THROW(DeleteFolder(folder), XFile);
    EXPECT_TRUE(CDirectoryIterator(folder).IsDone());
}

TEST(ReservedDeviceNames, NeverReachThePlatform)
{
    for (const char* name : {"con.wav", "CON", "Aux.mqp", "nul", "nul .txt", "com1.txt", "LPT9", "clock$"}) {
        SCOPED_TRACE(name);
        const CFileSpec file(std::string("C:\\data\\") + name);
        const CDirSpec folder(std::string("C:\\data\\") + name + "\\");
        EXPECT_EQ(folder.GetPath(), std::string("C:\\data\\") + name + "\\");
        RecordingFileSystem platform;
        TryEveryOperation(file, folder);
        EXPECT_THROW(COpenFile(file, CMacCreatorCode("????"), CMacFileTypeCode("TEXT")), XCreateFailed);
        EXPECT_TRUE(gPlatformPaths.empty()) << gPlatformPaths.front();
    }
}

TEST(ReservedDeviceNames, LookAlikesDoReachThePlatform)
{
    for (const char* name : {"CONSOLE", "com0", "xcon.wav"}) {
        SCOPED_TRACE(name);
        const CFileSpec file(std::string("C:\\data\\") + name);
        const CDirSpec folder(std::string("C:\\data\\") + name + "\\");
        RecordingFileSystem platform;
        TryEveryOperation(file, folder);
        const std::string fullPath = file.GetFullPath();
        EXPECT_NE(std::find(gPlatformPaths.begin(), gPlatformPaths.end(), fullPath), gPlatformPaths.end());
        EXPECT_NE(std::find(gPlatformPaths.begin(), gPlatformPaths.end(), fullPath + "\\sub"), gPlatformPaths.end());
    }
}

TEST(ReservedDeviceNames, TheFileRuleMakesAReservedNameSafe)
{
    NSFilesTest::CScratchFolder scratch;
    const CFileSpec file = MakeFileSpecInFolder(scratch.GetDirSpec(), CFileName("con.wav"));
    {
        COpenFile created(file, CMacCreatorCode("????"), CMacFileTypeCode("WAVE"));
        created.Write(4, "RIFF");
    }
    EXPECT_EQ(NSFilesTest::ListFolder(scratch.GetPath()), "_con.wav");
    EXPECT_EQ(NSFilesTest::ReadWholeFile(scratch.GetPath() + "_con.wav"), "RIFF");
}

} // namespace
