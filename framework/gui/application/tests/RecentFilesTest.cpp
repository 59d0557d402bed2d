#include "framework/gui/application/RecentFiles.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
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

TEST(FileSpecList, StoredFormIsVersionCountAndSpecsAndReadsBackAppended)
{
    const std::vector<CFileSpec> stored = {Doc("a.mqp"), CFileSpec("D:\\Banks\\Piano.kpl")};
    COwnedMemoryMedia media;
    WriteFileSpecList(media, stored);
    std::uint8_t head[6] = {};
    media.ReadAt(0, sizeof head, head);
    const std::uint8_t kHead[] = {0xBC, 1, 0, 0, 0, 2};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), std::begin(kHead)));

    std::vector<CFileSpec> read = {Doc("kept.mqp")};
    media.SetPosition(0);
    ReadFileSpecList(media, read);
    EXPECT_EQ(read, (std::vector<CFileSpec>{Doc("kept.mqp"), stored[0], stored[1]}));
    EXPECT_EQ(media.GetPosition(), media.GetSize());
}

TEST(FileSpecList, ListOfANewerVersionIsRefusedBeforeAnySpecIsRead)
{
    const struct
    {
        std::uint8_t major, minor, bugfix;
        bool accepted;
    } kCases[] = {{1, 0, 0, true}, {0, 9, 0, true}, {1, 0, 1, false}, {1, 1, 0, false}, {2, 0, 0, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int(c.major) << "." << int(c.minor) << "." << int(c.bugfix));
        COwnedMemoryMedia media;
        CVersion(c.major, c.minor, c.bugfix).Write(media);
        media.WriteByte(1);
        Doc("a.mqp").Write(media);
        media.SetPosition(0);
        std::vector<CFileSpec> read;
        if (c.accepted) {
            ReadFileSpecList(media, read);
            EXPECT_EQ(read, std::vector<CFileSpec>{Doc("a.mqp")});
        } else {
            EXPECT_THROW(ReadFileSpecList(media, read), XUnsupportedFormat);
            EXPECT_TRUE(read.empty());
            EXPECT_EQ(media.GetPosition(), CVersion::kStoredSizeInBytes);
        }
    }
}

TEST(FileSpecList, MoreSpecsThanOneByteCountsWriteNothing)
{
    const std::vector<CFileSpec> specs(256, Doc("a.mqp"));
    COwnedMemoryMedia media;
    EXPECT_THROW(WriteFileSpecList(media, specs), std::length_error);
    EXPECT_EQ(media.GetSize(), 0);
    WriteFileSpecList(media, std::vector<CFileSpec>(255, Doc("a.mqp")));
    std::vector<CFileSpec> read;
    media.SetPosition(0);
    ReadFileSpecList(media, read);
    EXPECT_EQ(read.size(), 255u);
}
