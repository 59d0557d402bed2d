#include "framework/foundation/files/FileOperations.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <string>

using namespace NSTramvell;
using NSFilesTest::CScratchFolder;
using NSFilesTest::ListFolder;
using NSFilesTest::ReadWholeFile;
using NSFilesTest::WriteWholeFile;

namespace {

DWORD gFakeError = 0;
int gAttributeQueries = 0;
int gFailuresBeforeSuccess = 0;

TEST(FileExists, FilesAndFoldersOnDisk)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "take.wav", "x");
    const CDirSpec sub = CreateFolder(scratch.GetDirSpec(), CDirectoryName("sub"));
    EXPECT_TRUE(FileExists(scratch.GetFile("take.wav")));
    EXPECT_TRUE(FileExists(scratch.GetFile("TAKE.WAV")));
    EXPECT_TRUE(FileExists(scratch.GetFile("sub")));
    EXPECT_FALSE(FileExists(scratch.GetFile("missing.wav")));
    EXPECT_TRUE(FolderExists(sub));
    EXPECT_TRUE(FolderExists(scratch.GetDirSpec()));
    EXPECT_FALSE(FolderExists(CDirSpec(scratch.GetPath() + "take.wav")));
    EXPECT_FALSE(FolderExists(CDirSpec(scratch.GetPath() + "missing")));
    EXPECT_TRUE(FileExistsInFolder(scratch.GetDirSpec(), "take.wav"));
    EXPECT_FALSE(FileExistsInFolder(scratch.GetDirSpec(), "other.wav"));
}

TEST(FileExists, AFailedAttributeQueryIsDecidedByTheErrorCode)
{
    CScopedTableEntry noAttributes(GetKernelTable().GetFileAttributesA, [](LPCSTR) {
        ++gAttributeQueries;
        return INVALID_FILE_ATTRIBUTES;
    });
    CScopedTableEntry lastError(GetKernelTable().GetLastError, [] { return gFakeError; });
    const struct
    {
        DWORD error;
        bool exists;
        int queries;
    } kCases[] = {{0, true, 1},  {32, true, 1}, {33, true, 1}, {2, false, 1},
                  {3, false, 1}, {5, false, 1}, {21, false, 1}, {1237, false, 10}};
    const CFileSpec file("C:\\data\\take.wav");
    const CDirSpec folder("C:\\data\\");
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.error);
        gFakeError = c.error;
        gAttributeQueries = 0;
        EXPECT_EQ(FileExists(file), c.exists);
        EXPECT_EQ(gAttributeQueries, c.queries);
        gAttributeQueries = 0;
        EXPECT_EQ(FolderExists(folder), c.exists);
        EXPECT_EQ(gAttributeQueries, c.queries);
    }
}

TEST(FileExists, TryAgainIsAskedAgainUntilAnAnswer)
{
    CScopedTableEntry attributesOnThirdQuery(GetKernelTable().GetFileAttributesA, [](LPCSTR) -> DWORD {
        ++gAttributeQueries;
        return gAttributeQueries > gFailuresBeforeSuccess ? FILE_ATTRIBUTE_DIRECTORY : INVALID_FILE_ATTRIBUTES;
    });
    CScopedTableEntry lastError(GetKernelTable().GetLastError, []() -> DWORD { return 1237; });
    gFailuresBeforeSuccess = 2;
    gAttributeQueries = 0;
    EXPECT_TRUE(FileExists(CFileSpec("C:\\data\\take.wav")));
    EXPECT_EQ(gAttributeQueries, 3);
    gFailuresBeforeSuccess = 9;
    gAttributeQueries = 0;
    EXPECT_TRUE(FolderExists(CDirSpec("C:\\data\\")));
    gFailuresBeforeSuccess = 10;
    gAttributeQueries = 0;
    EXPECT_FALSE(FolderExists(CDirSpec("C:\\data\\")));
}

TEST(Folders, CreateAndDelete)
{
    CScratchFolder scratch;
    const CDirSpec made = CreateFolder(scratch.GetDirSpec(), CDirectoryName("Drums"));
    EXPECT_EQ(made.GetPath(), scratch.GetPath() + "Drums\\");
    EXPECT_TRUE(FolderExists(made));
    EXPECT_THROW(CreateFolder(scratch.GetDirSpec(), CDirectoryName("Drums")), XFile);
    DeleteFolder(made);
    EXPECT_FALSE(FolderExists(made));
    EXPECT_THROW(DeleteFolder(made), XFile);
}

TEST(DeleteFile, RemovesTheFileAndMapsFailures)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "take.wav", "x");
    CheckFileOperation(scratch.GetFile("take.wav"));
    EXPECT_EQ(ListFolder(scratch.GetPath()), "");
    EXPECT_THROW(DeleteFile(scratch.GetFile("take.wav")), XFileNotFound);
}

// Renames counted, and those whose numbers are listed fail with the listed code.
int gRenameCount = 0;
int gFailingRename = 0;
DWORD gFailingRenameError = 0;
int gFailingUndo = 0;
FILETIME gRecordedCreation = {};

class ExchangeFilesFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        gRenameCount = 0;
        gFailingRename = 0;
        gFailingUndo = 0;
        WriteWholeFile(mScratch.GetPath() + "a.mqp", "old");
        WriteWholeFile(mScratch.GetPath() + "b.tmp", "new");
    }

    CScratchFolder mScratch;
    CScopedTableEntry<BOOL (*)(LPCSTR, LPCSTR)> mRename{GetKernelTable().MoveFileA,
                                                         [](LPCSTR from, LPCSTR to) -> BOOL {
                                                             ++gRenameCount;
                                                             if (gRenameCount == gFailingRename) {
                                                                 ::SetLastError(gFailingRenameError);
                                                                 return FALSE;
                                                             }
                                                             if (gRenameCount == gFailingUndo) {
                                                                 ::SetLastError(ERROR_ACCESS_DENIED);
                                                                 return FALSE;
                                                             }
                                                             return ::MoveFileA(from, to);
                                                         }};
};

TEST_F(ExchangeFilesFixture, SwapsContentsAndCarriesTheCreationTime)
{
    CScopedTableEntry recordCreation(GetKernelTable().SetFileTime,
                                     [](HANDLE file, const FILETIME* creation, const FILETIME* access,
                                        const FILETIME* write) -> BOOL {
                                         gRecordedCreation = *creation;
                                         return ::SetFileTime(file, creation, access, write);
                                     });
    CScopedTableEntry knownCreation(GetKernelTable().GetFileTime,
                                    [](HANDLE, LPFILETIME creation, LPFILETIME, LPFILETIME) -> BOOL {
                                        *creation = FILETIME{0x12345678, 0x01C00000};
                                        return TRUE;
                                    });
    ExchangeFiles(mScratch.GetFile("a.mqp"), mScratch.GetFile("b.tmp"));
    EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + "a.mqp"), "new");
    EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + "b.tmp"), "old");
    EXPECT_EQ(ListFolder(mScratch.GetPath()), "a.mqp b.tmp");
    EXPECT_EQ(gRenameCount, 3);
    EXPECT_EQ(gRecordedCreation.dwLowDateTime, 0x12345678u);
    EXPECT_EQ(gRecordedCreation.dwHighDateTime, 0x01C00000u);
}

TEST_F(ExchangeFilesFixture, AFailedRenameUndoesTheRenamesBeforeIt)
{
    for (const int failing : {1, 2, 3}) {
        SCOPED_TRACE(failing);
        gRenameCount = 0;
        gFailingRename = failing;
        gFailingRenameError = ERROR_SHARING_VIOLATION;
        EXPECT_THROW(ExchangeFiles(mScratch.GetFile("a.mqp"), mScratch.GetFile("b.tmp")), XFileLocked);
        EXPECT_EQ(gRenameCount, 2 * failing - 1);
        EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + "a.mqp"), "old");
        EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + "b.tmp"), "new");
        EXPECT_EQ(ListFolder(mScratch.GetPath()), "a.mqp b.tmp");
    }
}

TEST_F(ExchangeFilesFixture, AFailingUndoStopsAndKeepsBothContents)
{
    gFailingRename = 3;
    gFailingRenameError = ERROR_DISK_FULL;
    gFailingUndo = 4;
    EXPECT_THROW(ExchangeFiles(mScratch.GetFile("a.mqp"), mScratch.GetFile("b.tmp")), XDiskFull);
    EXPECT_EQ(gRenameCount, 4);
    // a's content went to the temporary name, b's to a's name; nothing was lost.
    EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + "a.mqp"), "new");
    EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + "b.tmp"), "<missing>");
    const std::string names = ListFolder(mScratch.GetPath());
    ASSERT_EQ(names.substr(0, 6), "a.mqp ");
    const std::string temporaryName = names.substr(6);
    EXPECT_EQ(temporaryName.substr(0, 4), "temp");
    EXPECT_EQ(ReadWholeFile(mScratch.GetPath() + temporaryName), "old");
}

TEST_F(ExchangeFilesFixture, AMissingFileFailsBeforeAnyRename)
{
    EXPECT_THROW(ExchangeFiles(mScratch.GetFile("missing.mqp"), mScratch.GetFile("b.tmp")), XFileNotFound);
    EXPECT_EQ(gRenameCount, 0);
    EXPECT_EQ(ListFolder(mScratch.GetPath()), "a.mqp b.tmp");
}

} // namespace
