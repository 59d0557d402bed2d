// The output folder utilities on the platform's file system (under Wine): emptiness, unique names,
// storing a finished file, the log file, and the clean-up that must leave hidden entries and links alone.

#include "conversion/disc/FolderUtilities.h"
#include "conversion/log/HTMLLog.h"
#include "conversion/disc/ListedAttributes.h"
#include "conversion/log/Logger.h"
#include "conversion/patch/OutputFileMemoryMedia.h"
#include "conversion/disc/OutputFiles.h"
#include "conversion/disc/tests/support/ConversionFailingWrites.h"
#include "conversion/disc/tests/support/ConversionTexts.h"
#include "conversion/disc/tests/win32/ConversionTestFolder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace NSConversionTestSupport;

namespace {

class ConversionFolders : public testing::Test
{
protected:
    void SetUp() override { InstallConversionTexts(); }

    void MakeFile(const std::string& relativePath, const std::string& bytes = "x")
    {
        WriteFileBytes(folder.Path() + relativePath, bytes);
    }
    void MakeFolder(const std::string& relativePath) { std::filesystem::create_directories(folder.Path() + relativePath); }
    bool Exists(const std::string& relativePath) { return std::filesystem::exists(folder.Path() + relativePath); }

    CTestFolder folder;
};

std::unique_ptr<NSConverterImplementation::COutputFileMemoryMedia> MemoryFile(const std::string& bytes)
{
    auto media = std::make_unique<NSConverterImplementation::COutputFileMemoryMedia>(16);
    media->WriteAt(0, static_cast<std::int32_t>(bytes.size()), bytes.data());
    return media;
}

} // namespace

TEST_F(ConversionFolders, HiddenEntriesLeaveAFolderEmpty)
{
    EXPECT_TRUE(NSAkaiConversion::IsFolderEmpty(folder.Spec()));
    // Wine shows names that begin with a dot as hidden.
    MakeFile(".hidden");
    MakeFolder(".hidden folder");
    EXPECT_NE(NSAkaiConversionImplementation::GetListedAttributes(folder.Spec().GetPath() + ".hidden") &
                  NSAkaiConversionImplementation::kHiddenAttribute,
              0u);
    EXPECT_TRUE(NSAkaiConversion::IsFolderEmpty(folder.Spec()));
    MakeFolder("visible");
    EXPECT_FALSE(NSAkaiConversion::IsFolderEmpty(folder.Spec()));
}

TEST_F(ConversionFolders, NamesAreNumberedPastWhatExists)
{
    MakeFolder("Partition A");
    MakeFolder("Partition A2");
    EXPECT_EQ(NSAkaiConversion::MakeUniqueFolderName(folder.Spec(), "Partition A").GetString(), "Partition A3");
    MakeFile("X.wav");
    EXPECT_EQ(NSAkaiConversion::MakeUniqueFileName(folder.Spec(), "X.wav").GetString(), "X2.wav");
    // A folder takes a file's name as well.
    EXPECT_EQ(NSAkaiConversion::MakeUniqueFileName(folder.Spec(), "Partition A").GetString(), "Partition A3");
}

TEST_F(ConversionFolders, StoredFilesHoldTheMediaAndPatchesAreNumbered)
{
    auto media = MemoryFile("patch bytes");
    EXPECT_EQ(NSAkaiConversionImplementation::CreatePatchFile(folder.Spec(), "PIANO", media->AsOutputFile()).GetString(),
              "PIANO.mqp");
    EXPECT_EQ(NSAkaiConversionImplementation::CreatePatchFile(folder.Spec(), "PIANO", media->AsOutputFile()).GetString(),
              "PIANO2.mqp");
    EXPECT_EQ(NSAkaiConversionImplementation::CreateSampleFile(media->AsOutputFile(), folder.Spec(), "PIANO.mqp").GetString(),
              "PIANO3.mqp");
    const std::vector<std::uint8_t> stored = ReadFileBytes(folder.Path() + "PIANO2.mqp");
    EXPECT_EQ(std::string(stored.begin(), stored.end()), "patch bytes");
}

TEST_F(ConversionFolders, AFailedStoreLeavesNoFile)
{
    auto media = MemoryFile(std::string(5000, 'w'));
    {
        CScopedFailingWrites full(1000);
        EXPECT_THROW(NSAkaiConversionImplementation::CreateSampleFile(media->AsOutputFile(), folder.Spec(), "A.wav"),
                     XDiskFull);
    }
    EXPECT_FALSE(Exists("A.wav"));
    EXPECT_TRUE(ListTree(folder.Path()).empty());
}

TEST_F(ConversionFolders, LogFileIsNumberedAndHoldsThePage)
{
    MakeFile("Drums.htm");
    const NSTramvell::CFileSpec logFile = NSAkaiConversion::MakeLogFileSpec(folder.Spec(), "Drums");
    EXPECT_EQ(logFile.GetFileName().GetString(), "Drums #2.htm");
    const NSLogger::CLogTree tree;
    NSLoggerImplementation::CLogger::WriteHTMLLog(tree, logFile, "Drums", NSLogger::kLogAbortedByUser);
    const std::vector<std::uint8_t> stored = ReadFileBytes(folder.Path() + "Drums #2.htm");
    EXPECT_EQ(std::string(stored.begin(), stored.end()), NSLogger::ComposeHTMLLog(tree, "Drums", NSLogger::kLogAbortedByUser));
}

TEST_F(ConversionFolders, ALogThatCannotBeWrittenLeavesNoFile)
{
    // No room at all, and room for part of the page.
    for (const std::uint64_t room : {0u, 100u}) {
        SCOPED_TRACE(room);
        const NSTramvell::CFileSpec logFile = NSAkaiConversion::MakeLogFileSpec(folder.Spec(), "Drums");
        {
            CScopedFailingWrites full(room);
            EXPECT_THROW(NSLoggerImplementation::CLogger::WriteHTMLLog(NSLogger::CLogTree(), logFile, "Drums",
                                                                       NSLogger::kLogFailed),
                         XDiskFull);
        }
        EXPECT_TRUE(ListTree(folder.Path()).empty());
    }
}

TEST_F(ConversionFolders, DeleteFolderTreeRemovesEverythingVisible)
{
    MakeFolder("top/a/b");
    MakeFile("top/a/b/deep.wav");
    MakeFile("top/file.mqp");
    const NSTramvell::CDirSpec top = folder.Spec().GetSubFolder("top");
    NSAkaiConversion::ClearFolderContents(top, [] { FAIL() << "nothing should fail"; });
    EXPECT_TRUE(Exists("top"));
    EXPECT_TRUE(ListTree(folder.Path() + "top").empty());
    MakeFile("top/again.wav");
    EXPECT_TRUE(NSAkaiConversion::DeleteFolderTree(top, false));
    EXPECT_FALSE(Exists("top"));
}

TEST_F(ConversionFolders, CleanUpLeavesHiddenEntriesAndTheirFolders)
{
    MakeFolder("sub/.hidden folder");
    MakeFile("sub/.hidden folder/inside.txt");
    MakeFile("sub/visible.wav");
    MakeFile(".hidden file");
    MakeFile("top.wav");
    int failures = 0;
    NSAkaiConversion::ClearFolderContents(folder.Spec(), [&] { ++failures; });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(ListTree(folder.Path()), (std::vector<std::string>{".hidden file", "sub", "sub/.hidden folder",
                                                                  "sub/.hidden folder/inside.txt"}));
}

TEST_F(ConversionFolders, CleanUpNeverFollowsALink)
{
    const char* linkDir = std::getenv("DRAVIM_CONVERSION_LINK_DIR");
    ASSERT_NE(linkDir, nullptr) << "the setup step makes the link";
    const std::string cleared = HostPath(std::string(linkDir) + "/cleared/");
    const NSTramvell::CDirSpec clearedSpec(cleared);
    EXPECT_EQ(NSAkaiConversionImplementation::GetListedAttributes(clearedSpec.GetPath() + "link") &
                  NSAkaiConversionImplementation::kReparsePointAttribute,
              NSAkaiConversionImplementation::kReparsePointAttribute);
    WriteFileBytes(cleared + "visible.wav", "x");
    int failures = 0;
    NSAkaiConversion::ClearFolderContents(clearedSpec, [&] { ++failures; });
    EXPECT_EQ(failures, 0);
    EXPECT_FALSE(std::filesystem::exists(cleared + "visible.wav"));
    EXPECT_TRUE(std::filesystem::exists(HostPath(std::string(linkDir) + "/outside/keep.txt")));
    EXPECT_TRUE(std::filesystem::exists(cleared + "link/keep.txt"));
}

TEST_F(ConversionFolders, AFailedDeletionIsReportedOnce)
{
    MakeFile("one.wav");
    MakeFile("two.wav");
    NSTramvell::CScopedTableEntry refuse(NSTramvell::GetKernelTable().DeleteFileA, [](LPCSTR) -> BOOL { return FALSE; });
    NSTramvell::CScopedTableEntry denied(NSTramvell::GetKernelTable().GetLastError, []() -> DWORD { return 5; });
    int failures = 0;
    NSAkaiConversion::ClearFolderContents(folder.Spec(), [&] { ++failures; });
    EXPECT_EQ(failures, 1);
}
