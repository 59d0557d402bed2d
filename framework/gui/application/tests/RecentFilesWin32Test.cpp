#include "framework/gui/application/RecentFiles.h"

#include "framework/foundation/files/tests/FilesTestSupport.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(RecentFiles, MissingFilesAreFoundOnDisc)
{
    NSFilesTest::CScratchFolder folder;
    for (const char* name : {"kept1.mqp", "kept2.mqp"})
        NSFilesTest::WriteWholeFile(folder.GetPath() + name, "x");
    GetRecentFileList().clear();
    AddRecentFile(folder.GetFile("kept2.mqp"));
    AddRecentFile(folder.GetFile("gone.mqp"));
    AddRecentFile(folder.GetFile("kept1.mqp"));

    EXPECT_TRUE(RecentFileExists(0));
    EXPECT_FALSE(RecentFileExists(1));
    EXPECT_THROW(RecentFileExists(3), std::out_of_range);
    EXPECT_TRUE(RemoveMissingRecentFiles());
    ASSERT_EQ(GetRecentFileList().size(), 2u);
    EXPECT_EQ(GetRecentFile(0), folder.GetFile("kept1.mqp"));
    EXPECT_EQ(GetRecentFile(1), folder.GetFile("kept2.mqp"));
    EXPECT_FALSE(RemoveMissingRecentFiles());
    EXPECT_EQ(GetRecentFileList().size(), 2u);
    GetRecentFileList().clear();
}
