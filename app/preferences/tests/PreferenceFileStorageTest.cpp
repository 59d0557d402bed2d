#include "app/preferences/PreferenceFileStorage.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

using NSTramvell::CDirSpec;

const char kName[] = "Dravim Preferences.prf";

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The build tree's folder where prefs.py and these tests leave files for each other.
std::string ExchangeFolder()
{
    std::string path = "Z:" + std::string(DRAVIM_PREFS_EXCHANGE_DIR) + "/";
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    ::CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

CWindowPositionRecord FilledRecord()
{
    CWindowPositionRecord record;
    record.mainWindowLocation = NSTramvell::CLocation(64, 48);
    record.folderDialogState.SetFolder(CDirSpec("C:\\Akai Output\\"));
    record.folderDialogState.SetPosition({1, 2, 3, 4});
    record.saveFileDialogState.SetFolder(CDirSpec("C:\\Kaplets\\"));
    record.saveFileDialogState.SetFileType(NSTramvell::CFileTypeDescription("Kaplet file", ".kpl", "KPL "));
    record.saveFileDialogState.SetPosition({-5, 6, 700, 80});
    record.packerAlertCount = 2;
    return record;
}

class PreferenceFileStorageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temporary[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temporary);
        mFolder = std::string(temporary) + "dravim-preferences-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        ::CreateDirectoryA(mFolder.c_str(), nullptr);
        Remove();
    }
    void TearDown() override
    {
        Remove();
        ::RemoveDirectoryA(mFolder.c_str());
    }
    void Remove() const
    {
        ::SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(Path().c_str());
    }
    std::string Path() const { return mFolder + kName; }
    CDirSpec Folder() const { return CDirSpec(mFolder); }

    std::string mFolder;
};

} // namespace

TEST_F(PreferenceFileStorageTest, SavedFileLoadsBackAndAMissingOneIsReported)
{
    std::unique_ptr<CLuvexPreferenceFile> read = std::make_unique<CLuvexPreferenceFile>();
    EXPECT_EQ(LoadPreferenceFile(Folder(), kName, read), kPreferenceFileMissing);
    EXPECT_EQ(read, nullptr);

    SavePreferenceFile(CLuvexPreferenceFile(FilledRecord()), Folder(), kName);
    ASSERT_EQ(LoadPreferenceFile(Folder(), kName, read), kPreferenceFileFound);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetRecord().mainWindowLocation.GetX(), 64);
    EXPECT_EQ(read->GetRecord().folderDialogState.GetFolder(), CDirSpec("C:\\Akai Output\\"));
    EXPECT_EQ(read->GetRecord().saveFileDialogState.GetPosition(), (NSTramvell::CDialogPosition{-5, 6, 700, 80}));
    EXPECT_EQ(read->GetRecord().packerAlertCount, 2u);
}

TEST_F(PreferenceFileStorageTest, DamagedFileIsDeletedAndReportedUnreadable)
{
    SavePreferenceFile(CLuvexPreferenceFile(FilledRecord()), Folder(), kName);
    const std::string sound = ReadBytes(Path());
    const std::size_t folderPath = sound.find("C:\\Akai Output\\");
    ASSERT_NE(folderPath, std::string::npos);
    // A path length that asks for 2 GB, and a file cut inside "WPos".
    const std::string damaged[] = {std::string(sound).replace(folderPath - 4, 4, "\x7F\xFF\xFF\xF0"),
                                   sound.substr(0, 300), "not a preference file"};
    for (const std::string& bytes : damaged) {
        WriteBytes(Path(), bytes);
        std::unique_ptr<CLuvexPreferenceFile> read = std::make_unique<CLuvexPreferenceFile>();
        EXPECT_EQ(LoadPreferenceFile(Folder(), kName, read), kPreferenceFileUnreadable);
        EXPECT_EQ(read, nullptr);
        EXPECT_EQ(::GetFileAttributesA(Path().c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(PreferenceFileStorageTest, UndeletableDamagedFilePassesTheDeletionFailureOn)
{
    WriteBytes(Path(), "not a preference file");
    NSTramvell::CScopedTableEntry refuseDelete(NSTramvell::GetKernelTable().DeleteFileA, [](LPCSTR) -> BOOL {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    });
    std::unique_ptr<CLuvexPreferenceFile> read;
    EXPECT_ANY_THROW(LoadPreferenceFile(Folder(), kName, read));
    EXPECT_EQ(read, nullptr);
}

TEST_F(PreferenceFileStorageTest, FailedSaveLeavesTheOldFile)
{
    SavePreferenceFile(CLuvexPreferenceFile(), Folder(), kName);
    const std::string old = ReadBytes(Path());
    ::SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(SavePreferenceFile(CLuvexPreferenceFile(FilledRecord()), Folder(), kName), XFile);
    EXPECT_EQ(ReadBytes(Path()), old);
}

// Run after prefs.py has written from-python.prf; leaves the files that prefs.py then reads.
// The program names only the file: it lives in the application's per-user data folder.
TEST(PreferenceFileByName, IsReadAndWrittenInTheUsersDataFolder)
{
    const char name[] = "Dravim Test Preferences.prf";
    std::unique_ptr<CLuvexPreferenceFile> read;
    EXPECT_THROW(LoadPreferenceFile(name, read), NSTramvell::XBase);

    NSGuiTest::CTestApplication application;
    const std::string path = application.GetUserDataFolder().GetPath() + name;
    ::DeleteFileA(path.c_str());
    EXPECT_EQ(LoadPreferenceFile(name, read), kPreferenceFileMissing);
    SavePreferenceFile(CLuvexPreferenceFile(FilledRecord()), name);
    EXPECT_EQ(ReadBytes(path).substr(0, 4), "CAT ");
    ASSERT_EQ(LoadPreferenceFile(name, read), kPreferenceFileFound);
    EXPECT_EQ(read->GetRecord().packerAlertCount, 2u);
    ::DeleteFileA(path.c_str());
}

TEST(PreferenceExchange, ReadsWhatPrefsPyWroteAndLeavesFilesForIt)
{
    const std::string folder = ExchangeFolder();
    std::unique_ptr<CLuvexPreferenceFile> read;
    ASSERT_EQ(LoadPreferenceFile(CDirSpec(folder), "from-python.prf", read), kPreferenceFileFound);
    EXPECT_EQ(read->GetRecord().mainWindowLocation.GetX(), 300);
    EXPECT_EQ(read->GetRecord().mainWindowLocation.GetY(), 200);
    EXPECT_EQ(read->GetRecord().folderDialogState.GetFolder(), CDirSpec("C:\\From Python\\"));
    EXPECT_EQ(read->GetRecord().saveFileDialogState.GetFileType(),
              NSTramvell::CFileTypeDescription("Kaplet file", ".kpl", "KPL "));
    EXPECT_EQ(read->GetRecord().packerAlertCount, 3u);

    SavePreferenceFile(CLuvexPreferenceFile(), CDirSpec(folder), "default.prf");
    SavePreferenceFile(CLuvexPreferenceFile(FilledRecord()), CDirSpec(folder), "filled.prf");
    CWindowPositionRecord odd;
    odd.folderDialogState.SetFolder(CDirSpec("C:\\Odd\\"));
    SavePreferenceFile(CLuvexPreferenceFile(odd), CDirSpec(folder), "odd.prf");
}
