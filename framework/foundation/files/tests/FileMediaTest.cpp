#include "framework/foundation/files/FileMedia.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace NSTramvell;
using NSFilesTest::CScratchFolder;
using NSFilesTest::ReadWholeFile;
using NSFilesTest::WriteWholeFile;

namespace {

int gSeekCount = 0;
bool gFailNextRead = false;
DWORD gFakeLowSize = 0;
DWORD gFakeHighSize = 0;

TEST(COpenFile, OpeningAMissingFileIsFileNotFound)
{
    CScratchFolder scratch;
    EXPECT_THROW(COpenFile(scratch.GetFile("missing.wav")), XFileNotFound);
    EXPECT_THROW(COpenFile(CFileSpec(scratch.GetPath() + "no folder\\x.wav")), XFileNotFound);
}

TEST(COpenFile, ReadingPastTheEndAdvancesByTheBytesRead)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "five.bin", "ABCDE");
    COpenFile file(scratch.GetFile("five.bin"));
    EXPECT_EQ(file.GetSize(), 5);
    char buffer[10] = {};
    EXPECT_THROW(file.ReadAt(2, 10, buffer), XRead);
    EXPECT_EQ(file.GetPosition(), 5);
    EXPECT_EQ(std::string(buffer, 3), "CDE");
}

TEST(COpenFile, CreatingReplacesAndWritesAtThePosition)
{
    CScratchFolder scratch;
    const std::string path = scratch.GetPath() + "take.wav";
    WriteWholeFile(path, "old contents, longer");
    {
        COpenFile file(scratch.GetFile("take.wav"), CMacCreatorCode("????"), GetWaveFileDescription());
        EXPECT_EQ(file.GetSize(), 0);
        file.Write(3, "abc");
        file.WriteAt(1, 1, "X");
        file.WriteByte('d');
        EXPECT_EQ(file.GetPosition(), 3);
        char back[3] = {};
        file.ReadAt(0, 3, back);
        EXPECT_EQ(std::string(back, 3), "aXd");
    }
    EXPECT_EQ(ReadWholeFile(path), "aXd");
}

TEST(COpenFile, AfterAFailedReadTheNextReadSeeks)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "data.bin", "0123456789");
    COpenFile file(scratch.GetFile("data.bin"));
    CScopedTableEntry countSeeks(GetKernelTable().SetFilePointer, [](HANDLE h, LONG d, PLONG high, DWORD method) {
        ++gSeekCount;
        return ::SetFilePointer(h, d, high, method);
    });
    CScopedTableEntry failingRead(GetKernelTable().ReadFile,
                                  [](HANDLE h, LPVOID buffer, DWORD n, LPDWORD read, LPOVERLAPPED o) -> BOOL {
                                      if (gFailNextRead) {
                                          gFailNextRead = false;
                                          ::SetFilePointer(h, 7, nullptr, FILE_BEGIN);
                                          return FALSE;
                                      }
                                      return ::ReadFile(h, buffer, n, read, o);
                                  });
    gSeekCount = 0;
    char buffer[3] = {};
    file.ReadAt(0, 2, buffer);
    file.ReadAt(2, 2, buffer);
    EXPECT_EQ(gSeekCount, 0);

    gFailNextRead = true;
    EXPECT_THROW(file.ReadAt(4, 2, buffer), XRead);
    file.ReadAt(4, 2, buffer);
    EXPECT_EQ(gSeekCount, 1);
    EXPECT_EQ(std::string(buffer, 2), "45");
    EXPECT_EQ(file.GetPosition(), 6);
}

TEST(COpenFile, SizesOfTwoGigabytesOrMoreAreRefused)
{
    CScratchFolder scratch;
    WriteWholeFile(scratch.GetPath() + "data.bin", "x");
    COpenFile file(scratch.GetFile("data.bin"));
    CScopedTableEntry fakeSize(GetKernelTable().GetFileSize, [](HANDLE, LPDWORD high) {
        *high = gFakeHighSize;
        return gFakeLowSize;
    });
    const struct
    {
        DWORD low;
        DWORD high;
        bool refused;
    } kCases[] = {{0x7FFFFFFF, 0, false}, {0x80000000, 0, true}, {5, 1, true}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.low);
        gFakeLowSize = c.low;
        gFakeHighSize = c.high;
        if (c.refused)
            EXPECT_THROW(file.GetSize(), XPosition);
        else
            EXPECT_EQ(file.GetSize(), 0x7FFFFFFF);
    }
}

DWORD gFailedWriteError = 0;   // 0: the fake write succeeds, writing one byte less than asked

TEST(COpenFile, AFullDiskIsDiskFullHoweverTheSystemSaysIt)
{
    CScratchFolder scratch;
    COpenFile file(scratch.GetFile("full.bin"), CMacCreatorCode("????"), CMacFileTypeCode("BINA"));
    CScopedTableEntry fullDisk(GetKernelTable().WriteFile,
                               [](HANDLE, LPCVOID, DWORD count, LPDWORD written, LPOVERLAPPED) -> BOOL {
                                   *written = 0;
                                   if (gFailedWriteError != 0) {
                                       ::SetLastError(gFailedWriteError);
                                       return FALSE;
                                   }
                                   *written = count - 1;
                                   return TRUE;
                               });
    for (const DWORD error : {DWORD{ERROR_DISK_FULL}, DWORD{ERROR_HANDLE_DISK_FULL}, DWORD{0}}) {
        SCOPED_TRACE(error);
        gFailedWriteError = error;
        EXPECT_THROW(file.Write(4, "abcd"), XDiskFull);
    }
    gFailedWriteError = ERROR_ACCESS_DENIED;
    EXPECT_THROW(file.Write(4, "abcd"), XFileLocked);
}

TEST(CTemporaryOpenFile, LeavesNoFileBehind)
{
    std::unique_ptr<CFileSpec> temporaryFile;
    {
        CTemporaryOpenFile temporary;
        temporaryFile = std::make_unique<CFileSpec>(temporary.GetFileSpec());
        temporary.Write(5, "hello");
        char back[5] = {};
        temporary.ReadAt(0, 5, back);
        EXPECT_EQ(std::string(back, 5), "hello");
        EXPECT_TRUE(FileExists(*temporaryFile));
        EXPECT_TRUE(temporaryFile->GetDirSpec() == GetTempFolder());
        EXPECT_EQ(temporaryFile->GetName().substr(0, 4), "temp");
    }
    EXPECT_FALSE(FileExists(*temporaryFile));
}

TEST(WholeFiles, WriteFromBufferReadToMemoryAndSize)
{
    CScratchFolder scratch;
    const CFileSpec file = scratch.GetFile("whole.bin");
    WriteWholeFile(file.GetFullPath(), "to be replaced by more");
    WriteFileFromBuffer(file, CMacCreatorCode("????"), CMacFileTypeCode("BINA"), "\x01\x00\x02", 3);
    EXPECT_EQ(GetFileSize(file), 3u);
    const std::unique_ptr<COwnedMemoryMedia> contents = ReadFileToMemory(file);
    EXPECT_EQ(contents->GetSize(), 3);
    EXPECT_EQ(contents->GetPosition(), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(contents->GetBuffer()), 3), std::string("\x01\x00\x02", 3));
    EXPECT_THROW(ReadFileToMemory(scratch.GetFile("missing.bin")), XFileNotFound);
}

} // namespace
