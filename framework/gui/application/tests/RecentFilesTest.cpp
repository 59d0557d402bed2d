#include "framework/gui/application/RecentFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

class RecentFilesTest : public testing::Test
{
protected:
    RecentFilesTest() { GetRecentFileList().clear(); }
    ~RecentFilesTest() override { GetRecentFileList().clear(); }
};

CFileSpec Doc(const std::string& name)
{
    return CFileSpec("C:\\Docs\\" + name);
}

std::vector<std::string> Names()
{
    std::vector<std::string> names;
    for (const CFileSpec& file : GetRecentFileList())
        names.push_back(file.GetName() + file.GetExtension());
    return names;
}

} // namespace

TEST_F(RecentFilesTest, KeepsTheEightNewestFirst)
{
    for (int i = 1; i <= 9; ++i)
        AddRecentFile(Doc(std::to_string(i) + ".mqp"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"9.mqp", "8.mqp", "7.mqp", "6.mqp", "5.mqp", "4.mqp", "3.mqp",
                                                 "2.mqp"}));
    EXPECT_EQ(GetRecentFile(7).GetFullPath(), "C:\\Docs\\2.mqp");
    EXPECT_THROW(GetRecentFile(8), std::out_of_range);
}

TEST_F(RecentFilesTest, ReAddingAFileInAnotherCaseMovesItToTheFront)
{
    AddRecentFile(Doc("a.mqp"));
    AddRecentFile(Doc("b.mqp"));
    AddRecentFile(Doc("c.mqp"));
    AddRecentFile(CFileSpec("c:\\DOCS\\A.MQP"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.MQP", "c.mqp", "b.mqp"}));

    // A full list loses nothing when the file re-added is already in it.
    for (int i = 1; i <= 5; ++i)
        AddRecentFile(Doc(std::to_string(i)));
    AddRecentFile(Doc("b.mqp"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.mqp", "5", "4", "3", "2", "1", "A.MQP", "c.mqp"}));

    CRecentFileList copy;
    CopyRecentFileList(copy);
    EXPECT_EQ(copy, GetRecentFileList());
}

TEST_F(RecentFilesTest, RemovingMissingFilesKeepsTheOrderOfTheRest)
{
    for (const char* name : {"e", "d", "c", "b", "a"})
        AddRecentFile(Doc(name));
    EXPECT_FALSE(RemoveRecentFilesWhere([](const CFileSpec&) { return false; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_TRUE(RemoveRecentFilesWhere([](const CFileSpec& file) { return file.GetName() == "b" || file.GetName() == "e"; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c", "d"}));
}
