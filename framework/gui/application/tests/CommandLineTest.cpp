#include "framework/gui/application/CommandLine.h"

#include <gtest/gtest.h>

#include <set>

using namespace NSTramvell;

namespace {

class CFakePaths : public IPathExistence
{
public:
    explicit CFakePaths(std::set<std::string> existing)
        : mExisting(std::move(existing))
    {
    }
    bool PathExists(const std::string& path) override { return mExisting.count(path) != 0; }

private:
    std::set<std::string> mExisting;
};

} // namespace

TEST(SplitCommandLine, ReadsTheItemsAndKeepsWhatItCouldNotRead)
{
    CFakePaths paths({"C:\\a.txt", "C:\\b.txt", "C:\\My Files\\c d.txt", "C:\\My Files", "C:\\Folder"});
    const struct
    {
        const char* commandLine;
        std::vector<std::string> paths;
        const char* rest;
    } kCases[] = {
        {"", {}, ""},
        {"   ", {}, ""},
        {"C:\\a.txt", {"C:\\a.txt"}, ""},
        // Reading stops after an unquoted item.
        {"C:\\a.txt C:\\b.txt", {"C:\\a.txt"}, "C:\\b.txt"},
        {"\"C:\\a.txt\" \"C:\\b.txt\"", {"C:\\a.txt", "C:\\b.txt"}, ""},
        // The longest existing prefix wins, spaces and all.
        {"C:\\My Files\\c d.txt", {"C:\\My Files\\c d.txt"}, ""},
        {"C:\\My Files x", {"C:\\My Files"}, "x"},
        {"C:\\Folder", {"C:\\Folder"}, ""},
        {"unknown name", {}, "unknown name"},
        {"\"C:\\a.txt\" missing", {"C:\\a.txt"}, "missing"},
        {"\"C:\\missing\" C:\\a.txt", {}, "\"C:\\missing\" C:\\a.txt"},
        {"\"C:\\a.txt", {}, "\"C:\\a.txt"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.commandLine);
        const CCommandLineItems items = SplitCommandLine(c.commandLine, paths);
        EXPECT_EQ(items.mPaths, c.paths);
        EXPECT_EQ(items.mUnreadRest, c.rest);
    }
}

TEST(SplitCommandLine, ReadsOnlyTheFirst256Characters)
{
    const std::string path = "C:\\" + std::string(253, 'x');
    CFakePaths paths({path, path + "yz"});
    const CCommandLineItems items = SplitCommandLine(path + "yz", paths);
    ASSERT_EQ(items.mPaths.size(), 1u);
    EXPECT_EQ(items.mPaths[0].size(), kReadCommandLineLength);
    EXPECT_EQ(items.mUnreadRest, "");
}

TEST(ShortenUnreadRest, KeepsTheLastSixtyCharactersOfALongRest)
{
    const std::string tail60(60, 't');
    EXPECT_EQ(ShortenUnreadRest(std::string(63, 'r')), std::string(63, 'r'));
    EXPECT_EQ(ShortenUnreadRest("abcd" + tail60), "..." + tail60);
    EXPECT_EQ(ShortenUnreadRest(std::string(100, 'h') + tail60), "..." + tail60);
}
