// The application object in process, without a screen of its own: fake services and a fake main window
// record what it shows and answer as the test says; the drives are fake drives behind the real raw-disk
// client, holding disc images the tests build.

#include "app/application/LuvexApp.h"

#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "app/strings/UIStringTables.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/gui/application/Alerts.h"
#include "framework/gui/menus/Menu.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/menus/MenuCommand.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace NSLuvexApplication;
using NSBrakvelTest::CFakeDrives;
using NSBrakvelTest::EFakeCall;

namespace {

constexpr std::uint32_t kFirstButton = 33;
constexpr std::uint32_t kLastPollNever = 0xFFFFFFFF;

struct CAlertShown
{
    std::uint32_t alert;
    std::string parameter;
    bool operator==(const CAlertShown& other) const { return alert == other.alert && parameter == other.parameter; }
};

void PrintTo(const CAlertShown& shown, std::ostream* out)
{
    *out << "alert " << shown.alert << " '" << shown.parameter << "'";
}

struct CWindowLog
{
    std::vector<std::int32_t> states;
    std::vector<std::pair<std::int32_t, std::int32_t>> progress;
    int closeRequests = 0;
    NSTramvell::CLocation contentTopLeft{-32768, -32768};
    std::optional<NSTramvell::CLocation> createdAt;
    std::optional<bool> archiveAvailable;
    bool showStateFails = false;
};

class CFakeWindow final : public IApplicationWindow
{
public:
    explicit CFakeWindow(CWindowLog& log) : mLog(log) {}

    void ShowState(std::int32_t state) override
    {
        mLog.states.push_back(state);
        if (mLog.showStateFails)
            throw NSTramvell::XOutOfMemory();
    }
    void SetProgress(std::int32_t done, std::int32_t total) override { mLog.progress.emplace_back(done, total); }
    void SetProgressTexts(const std::string&, const std::string&) override {}
    void DisableStopButton() override {}
    NSTramvell::CLocation GetContentTopLeft() const override { return mLog.contentTopLeft; }
    void RequestClose() override { ++mLog.closeRequests; }

private:
    CWindowLog& mLog;
};

// A chooser's answer: a path, or cancel.
using TChoice = std::optional<std::string>;

class CFakeServices final : public IApplicationServices
{
public:
    bool IsSystemSupported() override { return systemSupported; }
    std::uint32_t ShowAlert(std::uint32_t alert, const std::string& parameter) override
    {
        alerts.push_back({alert, parameter});
        if (alertFails)
            throw NSTramvell::XOutOfMemory();
        if (alertAnswers.empty())
            return kFirstButton;
        const std::uint32_t answer = alertAnswers.front();
        alertAnswers.pop_front();
        return answer;
    }
    void UpdateWindowsNow() override { ++repaints; }
    std::uint32_t RunConversionErrorDialog(const std::string&) override { return 513; }
    bool ChooseFolder(const std::string& title, std::unique_ptr<NSTramvell::CDirSpec>& folder,
                      NSTramvell::CFolderDialogState&) override
    {
        chooserTitles.push_back(title);
        const TChoice choice = Next(folderChoices);
        if (!choice)
            return false;
        folder = std::make_unique<NSTramvell::CDirSpec>(*choice);
        return true;
    }
    bool ChooseFile(const std::string& title, const std::string& defaultName, const NSTramvell::CFileTypeDescription&,
                    std::unique_ptr<NSTramvell::CFileSpec>& file, NSTramvell::CSaveFileDialogState&) override
    {
        chooserTitles.push_back(title + "|" + defaultName);
        const TChoice choice = Next(fileChoices);
        if (!choice)
            return false;
        file = std::make_unique<NSTramvell::CFileSpec>(*choice);
        return true;
    }
    bool OpenWebPage(const std::string& address) override
    {
        webPages.push_back(address);
        if (webPageThrows)
            throw NSTramvell::XBase();
        return webPageOpens;
    }
    void ShowAboutWindow() override { ++aboutWindows; }
    std::uint32_t GetPackerInstallState() override { return packerState; }
    std::uint32_t GetTicks() override { return ticks; }
    bool LoadPreferences(CWindowPositionRecord& record) override
    {
        if (!stored)
            return false;
        record = *stored;
        return true;
    }
    void SavePreferences(const CWindowPositionRecord& record) override
    {
        ++saves;
        if (saveFails)
            throw NSTramvell::XBase();
        stored = record;
    }
    void InstallUIStringTables() override
    {
        if (installFails)
            throw NSTramvell::XNotFound();
        ::InstallUIStringTables();
    }
    std::unique_ptr<IApplicationWindow> CreateMainWindow(CLuvexApp&, const NSTramvell::CLocation& position,
                                                         bool archive) override
    {
        window.createdAt = position;
        window.archiveAvailable = archive;
        return std::make_unique<CFakeWindow>(window);
    }

    bool systemSupported = true;
    std::uint32_t packerState = kPackerInstalled;
    std::uint32_t ticks = 1000;
    std::optional<CWindowPositionRecord> stored;
    bool saveFails = false;
    bool installFails = false;
    bool webPageOpens = true;
    bool webPageThrows = false;
    bool alertFails = false;
    std::deque<TChoice> folderChoices;
    std::deque<TChoice> fileChoices;
    std::deque<std::uint32_t> alertAnswers;

    std::vector<CAlertShown> alerts;
    std::vector<std::string> chooserTitles;
    std::vector<std::string> webPages;
    int repaints = 0;
    int aboutWindows = 0;
    int saves = 0;
    CWindowLog window;

private:
    static TChoice Next(std::deque<TChoice>& choices)
    {
        if (choices.empty())
            return std::nullopt;
        TChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

std::vector<std::uint8_t> InWholeSectors(std::vector<std::uint8_t> bytes)
{
    bytes.resize((bytes.size() + 2047) / 2048 * 2048);
    return bytes;
}

// The smallest Akai disc there is.
std::vector<std::uint8_t> MakeAkaiDisc()
{
    return InWholeSectors(NSAkaiTestSupport::CDiscImageBuilder::BuildMinimalDisc().Bytes());
}

// A folder of its own under the temporary folder, removed with what it holds.
class CTemporaryFolder
{
public:
    CTemporaryFolder()
    {
        std::random_device random;
        mPath = std::filesystem::temp_directory_path() / ("dravim-app-" + std::to_string(random()));
        std::filesystem::create_directories(mPath);
    }
    ~CTemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    CTemporaryFolder(const CTemporaryFolder&) = delete;
    CTemporaryFolder& operator=(const CTemporaryFolder&) = delete;

    std::string Path() const { return mPath.string() + "\\"; }
    void AddFile(const std::string& name, bool hidden) const
    {
        const std::string path = (mPath / name).string();
        std::ofstream(path) << "x";
        if (hidden)
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    std::size_t CountEntries() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(mPath),
                                                      std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path mPath;
};

class LuvexApp : public testing::Test
{
protected:
    void MakeApplication()
    {
        auto services = std::make_unique<CFakeServices>();
        services->stored = mStored;
        services->systemSupported = mSystemSupported;
        services->packerState = mPackerState;
        mServices = services.get();
        mApp = std::make_unique<CLuvexApp>(NSGuiTest::MakeTestApplicationParameters(), std::move(services));
    }

    void Start()
    {
        MakeApplication();
        mApp->StartUp();
        ASSERT_TRUE(mApp->IsConsistent());
    }

    void Poll(std::uint32_t tick)
    {
        mServices->ticks = tick;
        mApp->PollDrives(NSTramvell::CIdleInfo{0, 0});
        if (mApp->IsPollEnabled()) {
            EXPECT_TRUE(mApp->IsConsistent());
        }
    }

    // Started, the first poll spent, and one Akai disc found in D:.
    void StartChoosing()
    {
        mDrives.AddDrive('D', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
        Start();
        Poll(1000);
        Poll(1000);
        ASSERT_EQ(mApp->GetState(), kStateChoosing);
    }

    // The library's drive listings, which only a scan asks for.
    std::size_t Scans() const { return mDrives.GetCalls(EFakeCall::GetLogicalDriveStrings).size(); }
    bool QuitRequested() const { return mApp->GetRunState() == NSTramvell::kRunStateQuitRequested; }

    const NSGuiTest::CWatchdog mWatchdog{120};
    std::optional<CWindowPositionRecord> mStored;
    bool mSystemSupported = true;
    std::uint32_t mPackerState = kPackerInstalled;
    CFakeDrives mDrives;
    CFakeServices* mServices = nullptr;
    std::unique_ptr<CLuvexApp> mApp;
};

TEST_F(LuvexApp, AnOldSystemGetsAlert14AndNoWindowAndTheRunEnds)
{
    mSystemSupported = false;
    mStored = CWindowPositionRecord{};
    mStored->packerAlertCount = 2;
    MakeApplication();
    mApp->Run();
    EXPECT_EQ(mServices->alerts, (std::vector<CAlertShown>{{kSystemTooOldAlert, ""}}));
    EXPECT_FALSE(mServices->window.createdAt.has_value());
    EXPECT_EQ(mApp->GetMenuBar(), nullptr);
    // The preferences were never read, so they are not written over with the defaults.
    EXPECT_EQ(mServices->saves, 0);
    EXPECT_EQ(mServices->stored->packerAlertCount, 2u);
}

TEST_F(LuvexApp, StartUpBuildsTheWindowAtTheSavedPlaceAndEnablesOnlyItsCommands)
{
    mStored = CWindowPositionRecord{};
    mStored->mainWindowLocation = NSTramvell::CLocation(140, 90);
    Start();
    EXPECT_EQ(mServices->window.createdAt, NSTramvell::CLocation(140, 90));
    EXPECT_EQ(mServices->window.archiveAvailable, true);
    EXPECT_TRUE(mServices->alerts.empty());
    EXPECT_TRUE(mApp->IsPollEnabled());

    NSTramvell::CMenuBar* bar = mApp->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenus().size(), 3u);
    bar->ResetItems();
    mApp->EnableMenuCommands(bar);
    std::vector<std::uint32_t> enabled;
    for (const NSTramvell::CMenu* menu : bar->GetMenus())
        for (std::uint16_t index = 0; index < menu->GetItemCount(); ++index) {
            const NSTramvell::CMenuItem item = menu->GetItem(index);
            if (item.mKind == NSTramvell::kCommandItem && item.mIsDisabled == 0)
                enabled.push_back(item.mCommandId);
        }
    EXPECT_EQ(enabled, (std::vector<std::uint32_t>{400, 10, 200, 201}));
}

TEST_F(LuvexApp, TheMissingPackerIsAnnouncedAtThreeStartUpsOnly)
{
    mPackerState = 752;
    for (std::uint32_t count = 0; count <= 3; ++count) {
        mStored = CWindowPositionRecord{};
        mStored->packerAlertCount = count;
        Start();
        const bool announced = count < kPackerAlertLimit;
        EXPECT_EQ(mServices->alerts.size(), announced ? 1u : 0u) << count;
        if (announced) {
            EXPECT_EQ(mServices->alerts[0].alert, kNoPackerAlert);
        }
        EXPECT_EQ(mApp->GetWindowPositions().packerAlertCount, announced ? count + 1 : count);
        EXPECT_EQ(mServices->window.archiveAvailable, false);
        mApp.reset();
    }
}

TEST_F(LuvexApp, TheMissingPackerTestTakesThePackerStateAndTheCount)
{
    const struct
    {
        std::uint32_t count;
        std::uint32_t state;
        bool announce;
    } kCases[] = {
        {0, 752, true},  {2, 752, true},  {3, 752, false}, {7, 752, false},
        {0, 0, true},    {0, kPackerInstalled, false},     {2, kPackerInstalled, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.count) + " " + std::to_string(c.state));
        mStored = CWindowPositionRecord{};
        mStored->packerAlertCount = c.count;
        Start();
        EXPECT_EQ(mApp->ShouldAnnounceMissingPacker(c.state), c.announce);
        mApp.reset();
    }
}

TEST_F(LuvexApp, AFailingStartUpStepClosesTheWindowAndPassesTheErrorOnOnce)
{
    MakeApplication();
    mServices->installFails = true;
    EXPECT_THROW(mApp->StartUp(), NSTramvell::XNotFound);
    EXPECT_EQ(mServices->window.closeRequests, 1);
    EXPECT_EQ(mApp->GetMainWindow(), nullptr);
    EXPECT_EQ(mApp->GetMenuBar(), nullptr);
    EXPECT_FALSE(mApp->IsPollEnabled());
}

TEST_F(LuvexApp, ThePollSkipsItsFirstCallAndScansAtMostEveryFourSecondsAlsoOverTheWrap)
{
    // A drive without a disc: with no drive at all the listing fails, and a failed listing is tried again
    // at the next call.
    NSBrakvelTest::CFakeDrive empty = NSBrakvelTest::MakeCDROM({});
    empty.hasMedium = false;
    mDrives.AddDrive('C', empty);
    Start();
    Poll(0xFFFFFFA0u);
    EXPECT_EQ(Scans(), 0u);
    Poll(0xFFFFFFA0u);
    const std::size_t afterFirstScan = Scans();
    EXPECT_GT(afterFirstScan, 0u);
    EXPECT_EQ(mApp->GetState(), kStateWaiting);

    mDrives.AddDrive('D', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    Poll(0xFFFFFFA0u + 239);   // 3.98 seconds later, past the wrap
    EXPECT_EQ(Scans(), afterFirstScan);
    Poll(0xFFFFFFA0u + 240);
    const std::size_t afterSecondScan = Scans();
    EXPECT_GT(afterSecondScan, afterFirstScan);
    EXPECT_EQ(mApp->GetState(), kStateChoosing);
    EXPECT_EQ(mServices->window.states, std::vector<std::int32_t>{kStateChoosing});
    EXPECT_EQ(mDrives.GetOpenDrives(), "D");

    // Not while choosing: a second disc goes unnoticed.
    mDrives.AddDrive('E', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    Poll(0xFFFFFFA0u + 10000);
    EXPECT_EQ(Scans(), afterSecondScan);
}

TEST_F(LuvexApp, DiscsThatAreNoAkaiDiscOrCannotBeReadAreSkippedAndTheOtherDrivesRead)
{
    mDrives.AddDrive('D', NSBrakvelTest::MakeCDROM(NSBrakvelTest::MakePatternImage(16 * 2048)));
    NSBrakvelTest::CFakeDrive unreadable = NSBrakvelTest::MakeCDROM(MakeAkaiDisc());
    unreadable.readFails = true;
    mDrives.AddDrive('E', unreadable);
    mDrives.AddDrive('F', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    Start();
    Poll(1000);
    Poll(1000);
    EXPECT_EQ(mApp->GetState(), kStateChoosing);
    EXPECT_EQ(mDrives.GetOpenDrives(), "F");
    EXPECT_TRUE(mServices->alerts.empty());
}

TEST_F(LuvexApp, TwoAkaiDiscsGiveAlert6AndQuitWithoutFurtherScans)
{
    mDrives.AddDrive('D', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    mDrives.AddDrive('E', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    Start();
    Poll(1000);
    Poll(1000);
    EXPECT_EQ(mServices->alerts, (std::vector<CAlertShown>{{kMultipleDisksAlert, ""}}));
    EXPECT_EQ(mServices->repaints, 1);
    EXPECT_EQ(mApp->GetState(), kStateWaiting);
    EXPECT_FALSE(mApp->HasVolume());
    EXPECT_EQ(mDrives.GetOpenHandleCount(), 0);
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(mServices->saves, 1);

    const std::size_t afterScan = Scans();
    Poll(1000 + 6000);
    EXPECT_EQ(Scans(), afterScan);
}

TEST_F(LuvexApp, APollWhoseWindowCannotShowTheDiscLetsNothingOutAndFindsTheDiscAgain)
{
    mDrives.AddDrive('D', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    Start();
    Poll(1000);
    mServices->window.showStateFails = true;
    EXPECT_NO_THROW(Poll(1000));
    EXPECT_EQ(mApp->GetState(), kStateWaiting);
    EXPECT_FALSE(mApp->HasVolume());
    EXPECT_EQ(mDrives.GetOpenHandleCount(), 0);
    EXPECT_TRUE(mApp->IsConsistent());

    mServices->window.showStateFails = false;
    Poll(1000 + 240);
    EXPECT_EQ(mApp->GetState(), kStateChoosing);
    EXPECT_TRUE(mApp->HasVolume());
    EXPECT_EQ(mServices->window.states, (std::vector<std::int32_t>{kStateChoosing, kStateChoosing}));
}

TEST_F(LuvexApp, TwoAkaiDiscsQuitEvenWhenAlert6CannotBeShown)
{
    mDrives.AddDrive('D', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    mDrives.AddDrive('E', NSBrakvelTest::MakeCDROM(MakeAkaiDisc()));
    Start();
    Poll(1000);
    mServices->alertFails = true;
    EXPECT_NO_THROW(Poll(1000));
    EXPECT_EQ(mServices->alerts, (std::vector<CAlertShown>{{kMultipleDisksAlert, ""}}));
    EXPECT_EQ(mDrives.GetOpenHandleCount(), 0);
    EXPECT_FALSE(mApp->IsPollEnabled());
    EXPECT_TRUE(QuitRequested());
}

TEST_F(LuvexApp, EachActionActsOnlyInTheStateThatOffersIt)
{
    enum EAction
    {
        kFolder,
        kArchive,
        kEject,
        kQuit,
        kStop
    };
    const char* const names[] = {"ConvertToFolder", "ConvertToArchive", "Eject", "Quit", "StopConversion"};
    // Whether the action shows a sign of acting (a chooser, an eject, a quit request) in states 0, 1, 2.
    const std::map<EAction, std::vector<bool>> acts = {
        {kFolder, {false, true, false}}, {kArchive, {false, true, false}}, {kEject, {false, true, false}},
        {kQuit, {true, true, false}},    {kStop, {false, false, false}},
    };
    for (const auto& [action, expected] : acts) {
        for (std::int32_t state = kStateWaiting; state <= kStateConverting; ++state) {
            mApp.reset();
            NSBrakvelTest::CFakeDrive drive = NSBrakvelTest::MakeCDROM(MakeAkaiDisc());
            drive.hasMedium = state != kStateWaiting;
            mDrives.AddDrive('D', drive);
            mDrives.ClearCalls();
            Start();
            Poll(1000);
            Poll(1000);
            ASSERT_EQ(mApp->GetState(), state == kStateWaiting ? kStateWaiting : kStateChoosing);
            // A conversion's state without a conversion: only the state decides here.
            if (state == kStateConverting)
                mApp->SetState(kStateConverting);
            mServices->folderChoices = {std::nullopt};
            mServices->fileChoices = {std::nullopt};
            switch (action) {
            case kFolder:
                mApp->ConvertToFolder();
                break;
            case kArchive:
                mApp->ConvertToArchive();
                break;
            case kEject:
                mApp->Eject();
                break;
            case kQuit:
                mApp->Quit();
                break;
            case kStop:
                mApp->StopConversion();
                break;
            }
            const auto controls = mDrives.GetCalls(EFakeCall::DeviceIoControl);
            const bool ejected = std::any_of(controls.begin(), controls.end(), [](const NSBrakvelTest::CFakeCall& call) {
                return call.controlCode == NSBrakvelTest::kFakeEjectMedia;
            });
            const bool acted = !mServices->chooserTitles.empty() || QuitRequested() || ejected;
            EXPECT_EQ(acted, expected[static_cast<std::size_t>(state)]) << names[action] << " in state " << state;
        }
    }
    mApp.reset();
}

TEST_F(LuvexApp, ChoosingAFolderCancelledOrNotEmptyKeepsTheDisc)
{
    StartChoosing();
    const CTemporaryFolder full;
    full.AddFile("song.wav", false);
    mServices->folderChoices = {full.Path(), std::nullopt};
    mApp->ConvertToFolder();
    EXPECT_EQ(mServices->chooserTitles, (std::vector<std::string>{"Select an output folder", "Select an output folder"}));
    EXPECT_EQ(mServices->alerts, (std::vector<CAlertShown>{{kFolderNotEmptyAlert, ""}}));
    EXPECT_EQ(mServices->repaints, 1);
    EXPECT_EQ(mApp->GetState(), kStateChoosing);
    EXPECT_TRUE(mApp->HasVolume());

    mServices->fileChoices = {std::nullopt};
    mApp->ConvertToArchive();
    EXPECT_EQ(mServices->chooserTitles.back(), "Save As|My Kaplet");
    EXPECT_EQ(mApp->GetState(), kStateChoosing);
    EXPECT_TRUE(mApp->IsConsistent());
}

TEST_F(LuvexApp, AFolderWithOnlyHiddenFilesIsConvertedIntoAndTheConversionEndsOnce)
{
    StartChoosing();
    const CTemporaryFolder folder;
    folder.AddFile("desktop.ini", true);
    mServices->folderChoices = {folder.Path()};
    mApp->ConvertToFolder();
    EXPECT_EQ(mServices->window.states, (std::vector<std::int32_t>{kStateChoosing, kStateConverting, kStateWaiting}));
    EXPECT_EQ(mServices->window.progress.front(), std::make_pair(0, 100));
    EXPECT_EQ(mApp->GetState(), kStateWaiting);
    EXPECT_TRUE(mApp->IsConsistent());
    EXPECT_FALSE(mDrives.Drive('D').hasMedium);   // ejected
    EXPECT_EQ(mDrives.GetOpenHandleCount(), 0);
    ASSERT_FALSE(mServices->alerts.empty());
    EXPECT_EQ(mServices->alerts.back().alert, 4u);

    // A second end, as a failure after the coordinator's own end would bring, deletes nothing twice.
    mApp->EndConversion();
    EXPECT_EQ(mApp->GetState(), kStateWaiting);
}

TEST_F(LuvexApp, ACoordinatorThatCannotBeMadeLeavesTheDiscWithTheApplication)
{
    StartChoosing();
    mServices->fileChoices = {std::string("Q:\\no such folder\\deeper\\My Kaplet.kpl")};
    EXPECT_ANY_THROW(mApp->ConvertToArchive());
    EXPECT_EQ(mApp->GetState(), kStateChoosing);
    EXPECT_TRUE(mApp->HasVolume());
    EXPECT_TRUE(mApp->IsConsistent());
}

TEST_F(LuvexApp, AnEjectThatFailsStillGivesTheDiscUpAndPassesTheFailureOn)
{
    StartChoosing();
    mDrives.Drive('D').controlErrors[NSBrakvelTest::kFakeEjectMedia] = NSBrakvelTest::kErrorNotReady;
    EXPECT_ANY_THROW(mApp->Eject());
    EXPECT_EQ(mApp->GetState(), kStateWaiting);
    EXPECT_FALSE(mApp->HasVolume());
    EXPECT_EQ(mDrives.GetOpenHandleCount(), 0);
    EXPECT_EQ(mServices->window.states, (std::vector<std::int32_t>{kStateChoosing, kStateWaiting}));
    EXPECT_TRUE(mApp->IsConsistent());
}

TEST_F(LuvexApp, QuittingSavesWhereTheWindowStandsAndGoesOnWhenTheSaveFails)
{
    Start();
    mServices->window.contentTopLeft = NSTramvell::CLocation(210, 75);
    mApp->Quit();
    EXPECT_TRUE(QuitRequested());
    ASSERT_TRUE(mServices->stored.has_value());
    EXPECT_EQ(mServices->stored->mainWindowLocation, NSTramvell::CLocation(210, 75));
    EXPECT_TRUE(mServices->alerts.empty());
    mApp.reset();

    Start();
    mServices->saveFails = true;
    const NSTramvell::CMenuCommand exit(NSTramvell::kMenuCommandOther, mApp->GetMenuBar(), kExitCommand, {}, 0);
    EXPECT_TRUE(mApp->DoMenuCommand(exit));
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(mServices->alerts, (std::vector<CAlertShown>{{kPreferencesNotSavedAlert, ""}}));
}

TEST_F(LuvexApp, AWebPageThatCannotBeOpenedGivesAlert11WithItsAddress)
{
    Start();
    const struct
    {
        std::uint32_t command;
        bool opens;
        bool throws;
        std::vector<CAlertShown> alerts;
    } cases[] = {
        {kHomePageCommand, true, false, {}},
        {kHomePageCommand, false, false, {{kCannotOpenWebPageAlert, "http://www.quenholt.com/"}}},
        {kSupportPageCommand, true, true, {{kCannotOpenWebPageAlert, "http://www.quenholt.com/support/"}}},
    };
    for (const auto& testCase : cases) {
        mServices->alerts.clear();
        mServices->webPageOpens = testCase.opens;
        mServices->webPageThrows = testCase.throws;
        const NSTramvell::CMenuCommand command(NSTramvell::kMenuCommandOther, mApp->GetMenuBar(), testCase.command,
                                               {}, 0);
        EXPECT_TRUE(mApp->DoMenuCommand(command));
        EXPECT_EQ(mServices->alerts, testCase.alerts) << testCase.command;
    }
    EXPECT_FALSE(QuitRequested());
}

} // namespace
