#include "framework/foundation/modules/SafeFileWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

using namespace NSTramvell;

namespace {

// Each test saves into a folder of its own under the temporary folder, removed with everything in it.
class SafeFileWriterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temporary[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temporary);
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        mFolder = std::string(temporary) + "dravim-safe-writer-" + test->name() + "\\";
        ::CreateDirectoryA(mFolder.c_str(), nullptr);
        for (const auto& [name, content] : ReadFolder())
            ::DeleteFileA((mFolder + name).c_str());
    }

    void TearDown() override
    {
        for (const auto& [name, content] : ReadFolder()) {
            ::SetFileAttributesA((mFolder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA((mFolder + name).c_str());
        }
        ::RemoveDirectoryA(mFolder.c_str());
    }

    CFileSpec Target() const { return CFileSpec(mFolder + "Saved.prf"); }

    void WriteTarget(const std::string& content) const
    {
        std::FILE* file = std::fopen((mFolder + "Saved.prf").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
    }

    // Every file of the folder with its content, by name.
    std::map<std::string, std::string> ReadFolder() const
    {
        std::map<std::string, std::string> files;
        WIN32_FIND_DATAA found;
        const HANDLE search = ::FindFirstFileA((mFolder + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return files;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string content;
            if (std::FILE* file = std::fopen((mFolder + name).c_str(), "rb")) {
                char buffer[256];
                for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                    content.append(buffer, n);
                std::fclose(file);
            }
            files[name] = content;
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
        return files;
    }

    static void Write(CSafeFileWriter& writer, const std::string& content)
    {
        writer.GetMedia().Write(static_cast<std::int32_t>(content.size()), content.data());
    }

    std::string mFolder;
};

using TFolder = std::map<std::string, std::string>;

// The renames of the replace, counted; those whose number is in gFailingMoves fail as access denied.
int gMoveCount = 0;
int gFailingMoves[3] = {0, 0, 0};

BOOL CountingMoveFile(LPCSTR from, LPCSTR to)
{
    ++gMoveCount;
    if (std::find(std::begin(gFailingMoves), std::end(gFailingMoves), gMoveCount) != std::end(gFailingMoves)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return ::MoveFileA(from, to);
}

void FailMoves(int first, int second = 0, int third = 0)
{
    gMoveCount = 0;
    gFailingMoves[0] = first;
    gFailingMoves[1] = second;
    gFailingMoves[2] = third;
}

} // namespace

TEST_F(SafeFileWriterTest, NewFileStaysOnlyAfterCommit)
{
    {
        CSafeFileWriter writer(Target(), "DrVm", GetTextFileDescription());
        Write(writer, "new content");
        writer.Commit();
    }
    EXPECT_EQ(ReadFolder(), (TFolder{{"Saved.prf", "new content"}}));
}

TEST_F(SafeFileWriterTest, NewFileNotCommittedLeavesNoFile)
{
    try {
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "half");
        throw std::runtime_error("save failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadFolder(), TFolder{});
}

TEST_F(SafeFileWriterTest, ExistingFileIsReplacedOnlyOnCommit)
{
    WriteTarget("old content");
    {
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "new content");
        const TFolder during = ReadFolder();
        ASSERT_EQ(during.size(), 2u);
        EXPECT_EQ(during.at("Saved.prf"), "old content");
        writer.Commit();
        EXPECT_THROW(writer.GetMedia(), XBase);
    }
    EXPECT_EQ(ReadFolder(), (TFolder{{"Saved.prf", "new content"}}));
}

TEST_F(SafeFileWriterTest, FailureBeforeCommitLeavesTheOldFileAndNoTemporaryFile)
{
    WriteTarget("old content");
    try {
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "half of the new");
        throw std::runtime_error("save failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadFolder(), (TFolder{{"Saved.prf", "old content"}}));
}

TEST_F(SafeFileWriterTest, ReadOnlyTargetThrowsFileLockedAndCreatesNothing)
{
    WriteTarget("old content");
    ::SetFileAttributesA(Target().GetFullPath().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(CSafeFileWriter(Target(), "DrVm", "pref"), XFileLocked);
    EXPECT_EQ(ReadFolder(), (TFolder{{"Saved.prf", "old content"}}));
}

TEST_F(SafeFileWriterTest, FailedSecondRenameOfTheReplaceKeepsTheOldContent)
{
    WriteTarget("old content");
    CScopedTableEntry countMoves(GetKernelTable().MoveFileA, &CountingMoveFile);
    FailMoves(2);  // the new content onto the target's name; the undo puts the old one back
    {
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "new content");
        EXPECT_THROW(writer.Commit(), XFileLocked);
    }
    EXPECT_EQ(ReadFolder(), (TFolder{{"Saved.prf", "old content"}}));
}

TEST_F(SafeFileWriterTest, FailedRenameAndUndoLeaveTheNewContentUnderTheTarget)
{
    WriteTarget("old content");
    CScopedTableEntry countMoves(GetKernelTable().MoveFileA, &CountingMoveFile);
    FailMoves(2, 3);
    {
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "new content");
        EXPECT_THROW(writer.Commit(), XFileLocked);
    }
    const TFolder after = ReadFolder();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after.at("Saved.prf"), "new content");
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [](const auto& f) { return f.second == "old content"; }), 1);
}

TEST_F(SafeFileWriterTest, WhenNoRenameWorksBothContentsSurvive)
{
    WriteTarget("old content");
    CScopedTableEntry countMoves(GetKernelTable().MoveFileA, &CountingMoveFile);
    FailMoves(2, 3, 4);
    {
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "new content");
        EXPECT_THROW(writer.Commit(), XFileLocked);
    }
    const TFolder after = ReadFolder();
    EXPECT_EQ(after.count("Saved.prf"), 0u);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [](const auto& f) { return f.second == "old content"; }), 1);
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [](const auto& f) { return f.second == "new content"; }), 1);
}

TEST_F(SafeFileWriterTest, DestructorLeavesAFileItCannotDelete)
{
    CScopedTableEntry noDelete(GetKernelTable().DeleteFileA, [](LPCSTR) -> BOOL {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    });
    EXPECT_NO_THROW({
        CSafeFileWriter writer(Target(), "DrVm", "pref");
        Write(writer, "unsaved");
    });
    EXPECT_EQ(ReadFolder(), (TFolder{{"Saved.prf", "unsaved"}}));
}
