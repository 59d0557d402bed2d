#include "framework/gui/floaters/HelpWindows.h"

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/GuiExceptions.h"

#include <gtest/gtest.h>

#include <string>

using namespace NSTramvell;

namespace {

// What the fake engine was asked; for the lookup record, what it held during the call.
struct CHelpCall
{
    int count = 0;
    HWND caller = nullptr;
    bool hasFile = false;
    std::string file;
    UINT command = 0;
    DWORD_PTR data = 0;
    std::string text;
    int recordSize = 0;
    bool indexOnFail = false;
};

CHelpCall gCall;
HWND gAnswer = nullptr;

HWND RecordHelpCall(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    ++gCall.count;
    gCall.caller = caller;
    gCall.hasFile = file != nullptr;
    gCall.file = file != nullptr ? file : "";
    gCall.command = command;
    gCall.data = data;
    if (command == kHelpDisplayIndex)
        gCall.text = reinterpret_cast<const char*>(data);
    if (command == kHelpKeywordLookup) {
        const auto* record = reinterpret_cast<const std::uint8_t*>(data);
        gCall.recordSize = *reinterpret_cast<const int*>(record);
        // The keyword pointer follows the size and the reserved word; the flag is the record's last word.
        gCall.text = *reinterpret_cast<const char* const*>(record + 8);
        gCall.indexOnFail = *reinterpret_cast<const BOOL*>(record + (sizeof(void*) == 8 ? 48 : 28)) != FALSE;
    }
    return gAnswer;
}

class HelpWindowsTest : public testing::Test
{
protected:
    HelpWindowsTest()
    {
        gCall = CHelpCall();
        gAnswer = reinterpret_cast<HWND>(0x1234);
    }

    CScopedTableEntry<decltype(CWindowTable::HtmlHelpA)> mEngine{GetWindowTable().HtmlHelpA, &RecordHelpCall};
};

} // namespace

TEST_F(HelpWindowsTest, OpensTheHelpFileBesideTheProgram)
{
    const std::string expectedFile = GetProgramFileSpec().GetDirectoryPath() + "Dravim.chm";
    ShowHelp("Dravim.chm");
    EXPECT_EQ(gCall.command, 1u);
    EXPECT_EQ(gCall.file, expectedFile);
    EXPECT_EQ(gCall.data, 0u);

    ShowHelpIndex("Dravim.chm", "patch");
    EXPECT_EQ(gCall.command, 2u);
    EXPECT_EQ(gCall.text, "patch");
    EXPECT_EQ(gCall.file, expectedFile);
}

TEST_F(HelpWindowsTest, AKeywordLookupSendsTheLookupRecord)
{
    LookUpHelpKeyword("Dravim.chm", "keygroup");
    EXPECT_EQ(gCall.command, 0x0Du);
    EXPECT_EQ(gCall.recordSize, sizeof(void*) == 8 ? 56 : 32);
    EXPECT_EQ(gCall.text, "keygroup");
    EXPECT_TRUE(gCall.indexOnFail);
}

TEST_F(HelpWindowsTest, ClosingNamesNoFileAndAcceptsNoWindow)
{
    gAnswer = nullptr;
    EXPECT_NO_THROW(CloseAllHelpWindows());
    EXPECT_EQ(gCall.command, 18u);
    EXPECT_FALSE(gCall.hasFile);
    EXPECT_EQ(gCall.count, 1);
}

TEST_F(HelpWindowsTest, NoWindowForAnOpeningRequestCannotOpenHelp)
{
    gAnswer = nullptr;
    EXPECT_THROW(ShowHelp("Dravim.chm"), XCannotOpenHelpWindow);
    EXPECT_THROW(ShowHelpIndex("Dravim.chm", "x"), XCannotOpenHelpWindow);
    EXPECT_THROW(LookUpHelpKeyword("Dravim.chm", "x"), XCannotOpenHelpWindow);
    EXPECT_EQ(gCall.count, 3);
}

TEST(HelpWindows, TheRealEngineCannotOpenAMissingHelpFile)
{
    EXPECT_THROW(ShowHelp("No Such Help File.chm"), XCannotOpenHelpWindow);
    EXPECT_NO_THROW(CloseAllHelpWindows());
}
