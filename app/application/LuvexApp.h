#pragma once

// The program's application object. It starts the program (menus, preferences, main window, the
// modules' texts), watches the drives while idle, and once exactly one Akai disc is in lets the user
// convert it into a folder or a Kaplet archive; the conversion coordinator it then runs reports back
// through the conversion host. Quitting saves the preferences. Everything runs on the user-interface
// thread; the conversion runs inside the action that started it. Windows builds only.

#include "akai/client/BrakvelDebugger.h"
#include "akai/client/DiskMountingFilter.h"
#include "app/application/ApplicationServices.h"
#include "app/coordinator/ConversionHost.h"
#include "app/mainwindow/MainWindowActionListener.h"
#include "app/preferences/PreferenceFile.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/gui/application/Application.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace NSBrakvel {
class CVolumeHolder;
}

namespace NSConversionCoordinator {
class CConversionCoordinator;
}

namespace NSTramvell {
class CMenu;
class CMenuBar;
} // namespace NSTramvell

namespace NSLuvexApplication {

// The application's states.
constexpr std::int32_t kStateWaiting = 0;
constexpr std::int32_t kStateChoosing = 1;
constexpr std::int32_t kStateConverting = 2;

// The drive poll's idle slot (2000 ms) and how far apart scans are, in framework ticks.
constexpr std::int32_t kPollIntervalCode = 28;
constexpr std::int32_t kTicksPerSecond = 60;
constexpr std::int32_t kSecondsBetweenScans = 4;

// Entries of alert script 128 the application shows.
constexpr std::uint32_t kFolderNotEmptyAlert = 2;
constexpr std::uint32_t kMultipleDisksAlert = 6;
constexpr std::uint32_t kCannotOpenWebPageAlert = 11;
constexpr std::uint32_t kPreferencesNotSavedAlert = 12;
constexpr std::uint32_t kSystemTooOldAlert = 14;
constexpr std::uint32_t kNoPackerAlert = 15;
// The missing packer is announced at this many start-ups at most.
constexpr std::uint32_t kPackerAlertLimit = 3;
constexpr std::uint32_t kPackerInstalled = 751;

// Menu commands.
constexpr std::uint32_t kExitCommand = 10;
constexpr std::uint32_t kHomePageCommand = 200;
constexpr std::uint32_t kSupportPageCommand = 201;
constexpr std::uint32_t kAboutCommand = 400;

class CLuvexApp final : public NSTramvell::CApplication,
                        public IMainWindowActionListener,
                        public NSBrakvel::CABCDiskMountingFilter,
                        public NSBrakvel::CABCDebugger,
                        public NSConversionCoordinator::IConversionHost
{
public:
    CLuvexApp(const NSTramvell::CApplicationParameters& parameters, std::unique_ptr<IApplicationServices> services);
    ~CLuvexApp() override;

    void StartUp() override;
    void ShutDown() override { ReleaseMembers(); }
    // Saves the preferences; always true, so the program quits even when they could not be saved.
    bool CanQuit() override;
    NSTramvell::CMenuBar* GetMenuBar() override { return mMenuBar.get(); }
    void EnableMenuCommands(NSTramvell::CMenuBar* menuBar) override;
    bool DoMenuCommand(const NSTramvell::CMenuCommand& command) override;
    bool HandleKey(const NSTramvell::CKeyEvent&) override { return false; }

    // The main window's actions. Each acts only in the state that offers it: the chooser gives the
    // focus back to a picture button, and Space on it must not eject what is not there or start a
    // second conversion inside the first.
    void ConvertToFolder() override;
    void ConvertToArchive() override;
    void Quit() override;
    void StopConversion() override;
    void Eject() override;

    // The idle client of the drive poll.
    void PollDrives(const NSTramvell::CIdleInfo& info);
    void SetState(std::int32_t state);
    std::int32_t GetState() const { return mState; }
    void OpenWebPage(std::uint32_t addressEntry);
    // Main window and menu bar exist, and the disc is where the state says: with the application while
    // choosing, with the coordinator while converting, nowhere while waiting.
    bool IsConsistent() const;

    // Whether start-up tells of a missing packer: the state is not "installed" and it was told at fewer
    // than kPackerAlertLimit start-ups.
    bool ShouldAnnounceMissingPacker(std::uint32_t packerState) const;

    const CWindowPositionRecord& GetWindowPositions() const { return mWindowPositions; }
    bool HasVolume() const { return mVolume != nullptr; }
    bool IsPollEnabled() const { return mPollEnabled; }
    IApplicationWindow* GetMainWindow() const { return mMainWindow.get(); }

    // The mounting filter: an Akai disc that its flag does not exclude.
    bool AcceptsVolume(NSBrakvel::CVolumeHolder* volume) override;
    // The raw-disk library's debugging texts are not shown.
    void Print(const std::string&, int) override {}
    void Print(const std::string&, int, const std::string&) override {}

    // The conversion host.
    void SetProgressText(const std::string& heading, const std::string& body) override;
    void SetProgress(std::int32_t done, std::int32_t total) override;
    void DisableStopButton() override;
    void ProcessPendingEvents() override { CApplication::ProcessPendingEvents(); }
    void UpdateWindowsNow() override;
    std::uint32_t ShowAlert(std::uint32_t alert, const std::string& parameter) override;
    std::uint32_t RunConversionErrorDialog(const std::string& message) override;
    void TryQuit() override { CApplication::TryQuit(); }
    // Deletes the coordinator (the field is emptied first, so a second call only sets the state) and
    // waits for the next disc.
    void EndConversion() override;

private:
    void RunStartUpSteps();
    void CleanUpFailedStartUp();
    void ReleaseMembers();
    void ScanDrives(std::uint32_t now);
    std::unique_ptr<NSTramvell::CDirSpec> ChooseOutputFolder(const std::string& title);
    std::unique_ptr<NSTramvell::CFileSpec> ChooseArchiveFile();
    void RunConversion(std::unique_ptr<NSTramvell::CFileSpec> archive, std::unique_ptr<NSTramvell::CDirSpec> folder,
                       std::uint8_t outputMode);

    std::unique_ptr<IApplicationServices> mServices;
    std::unique_ptr<NSTramvell::CMenuBar> mMenuBar;
    std::array<std::unique_ptr<NSTramvell::CMenu>, 3> mMenus;
    std::unique_ptr<NSBrakvel::CVolumeHolder> mVolume;
    NSTramvell::CIdleClient<CLuvexApp> mPollClient;
    std::unique_ptr<NSConversionCoordinator::CConversionCoordinator> mCoordinator;
    std::int32_t mState = kStateWaiting;
    // Borrowed in effect: the framework deletes the window it wraps.
    std::unique_ptr<IApplicationWindow> mMainWindow;
    CWindowPositionRecord mWindowPositions;
    // Only what was read is written back: a start that ended before the preferences were read must
    // not replace them with the defaults.
    bool mPreferencesRead = false;

    // The drive poll: off until start-up has finished, the first call skipped, never scanned yet.
    bool mPollEnabled = false;
    bool mSkipNextPoll = true;
    std::uint32_t mLastPollTick = 0xFFFFFFFF;
};

// The application factory: "Dravim" as the program's name, the verify handler in place while the
// application runs, the application made, run and deleted. Exceptions pass to the entry.
void CreateAndRunApplication(NSTramvell::CApplicationParameters& parameters);
// The same with the services given (tests).
void CreateAndRunApplication(NSTramvell::CApplicationParameters& parameters,
                             std::unique_ptr<IApplicationServices> services);

// The program's own services: the framework's alerts, choosers and windows.
std::unique_ptr<IApplicationServices> MakeProgramServices();

} // namespace NSLuvexApplication
