#include "app/application/LuvexApp.h"

#include "akai/client/MountFilter.h"
#include "akai/client/VolumeHolder.h"
#include "app/coordinator/ConversionCoordinator.h"
#include "app/strings/UIStringTables.h"
#include "conversion/disc/FolderUtilities.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/foundation/trace/Verify.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/menus/Menu.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/menus/MenuCommand.h"

#include <vector>

namespace NSLuvexApplication {

namespace {

// String-table entries.
constexpr std::uint32_t kSaveAsTitle = 42;
constexpr std::uint32_t kDefaultArchiveName = 43;
constexpr std::uint32_t kChooseFolderTitle = 44;
constexpr std::uint32_t kHomePageAddress = 1500;
constexpr std::uint32_t kSupportPageAddress = 1501;

// Menu script 128's entries are the bar's menus, in bar order.
constexpr std::int32_t kMenuScriptReference = 601280000;

// The converter's output modes.
constexpr std::uint8_t kArchiveMode = 0;
constexpr std::uint8_t kFolderMode = 1;

std::string ProgramString(std::uint32_t entry)
{
    return NSTramvell::GetString(static_cast<std::int32_t>(UIStringReference(entry)));
}

} // namespace

CLuvexApp::CLuvexApp(const NSTramvell::CApplicationParameters& parameters,
                     std::unique_ptr<IApplicationServices> services)
    : CApplication(parameters)
    , mServices(std::move(services))
    , mPollClient(kPollIntervalCode, this, &CLuvexApp::PollDrives)
{
    SetCutCommand(101);
    SetCopyCommand(102);
    SetPasteCommand(103);
    SetClearCommand(104);
}

CLuvexApp::~CLuvexApp()
{
    ReleaseMembers();
}

void CLuvexApp::StartUp()
{
    try {
        RunStartUpSteps();
    } catch (...) {
        CleanUpFailedStartUp();
        try {
            throw;
        } catch (const NSTramvell::XAlertAlreadyShown&) {
            // The user has been told; the program just ends.
            CApplication::TryQuit();
        }
    }
}

void CLuvexApp::RunStartUpSteps()
{
    if (!mServices->IsSystemSupported()) {
        mServices->ShowAlert(kSystemTooOldAlert, "");
        throw NSTramvell::XAlertAlreadyShown();
    }

    mMenuBar = std::make_unique<NSTramvell::CMenuBar>();
    for (std::size_t index = 0; index < mMenus.size(); ++index) {
        mMenus[index] = NSTramvell::LoadMenuResource(kMenuScriptReference + static_cast<std::int32_t>(index) + 1);
        mMenuBar->AppendMenu(*mMenus[index]);
    }
    mMenuBar->EndUpdate();

    try {
        CWindowPositionRecord record;
        if (mServices->LoadPreferences(record))
            mWindowPositions = record;
    } catch (...) {
        // A preference file that cannot be read leaves the defaults; the program starts all the same.
    }
    mPreferencesRead = true;

    const std::uint32_t packerState = mServices->GetPackerInstallState();
    const bool packerInstalled = packerState == kPackerInstalled;
    mMainWindow = mServices->CreateMainWindow(*this, mWindowPositions.mainWindowLocation, packerInstalled);
    mServices->InstallUIStringTables();
    if (ShouldAnnounceMissingPacker(packerState)) {
        mServices->ShowAlert(kNoPackerAlert, "");
        ++mWindowPositions.packerAlertCount;
    }
    mPollEnabled = true;
}

bool CLuvexApp::ShouldAnnounceMissingPacker(std::uint32_t packerState) const
{
    return packerState != kPackerInstalled && mWindowPositions.packerAlertCount < kPackerAlertLimit;
}

void CLuvexApp::CleanUpFailedStartUp()
{
    if (mMainWindow != nullptr) {
        mMainWindow->RequestClose();
        mMainWindow.reset();
    }
    NSTramvell::UpdateFlaggedWindows();
    NSTramvell::ConfirmQuit();
    ReleaseMembers();
}

void CLuvexApp::ReleaseMembers()
{
    // The bar goes before the menus it borrows.
    mMenuBar.reset();
    for (auto& menu : mMenus)
        menu.reset();
    mVolume.reset();
}

bool CLuvexApp::CanQuit()
{
    try {
        if (mMainWindow != nullptr)
            mWindowPositions.mainWindowLocation = mMainWindow->GetContentTopLeft();
        if (mPreferencesRead)
            mServices->SavePreferences(mWindowPositions);
    } catch (...) {
        mServices->ShowAlert(kPreferencesNotSavedAlert, "");
    }
    return true;
}

void CLuvexApp::EnableMenuCommands(NSTramvell::CMenuBar* menuBar)
{
    if (menuBar == nullptr)
        return;
    for (const std::uint32_t command : {kExitCommand, kAboutCommand, kHomePageCommand, kSupportPageCommand})
        menuBar->EnableCommand(command, true);
}

bool CLuvexApp::DoMenuCommand(const NSTramvell::CMenuCommand& command)
{
    switch (command.GetCommandId()) {
    case kExitCommand:
        CApplication::TryQuit();
        return true;
    case kHomePageCommand:
        OpenWebPage(kHomePageAddress);
        return true;
    case kSupportPageCommand:
        OpenWebPage(kSupportPageAddress);
        return true;
    case kAboutCommand:
        mServices->ShowAboutWindow();
        return true;
    default:
        return false;
    }
}

void CLuvexApp::OpenWebPage(std::uint32_t addressEntry)
{
    const std::string address = ProgramString(addressEntry);
    bool opened = false;
    try {
        opened = mServices->OpenWebPage(address);
    } catch (...) {
        opened = false;
    }
    if (!opened)
        mServices->ShowAlert(kCannotOpenWebPageAlert, address);
}

void CLuvexApp::PollDrives(const NSTramvell::CIdleInfo&)
{
    if (!mPollEnabled)
        return;
    if (mSkipNextPoll) {
        mSkipNextPoll = false;
        return;
    }
    if (mState != kStateWaiting)
        return;
    const std::uint32_t now = mServices->GetTicks();
    if (mLastPollTick != 0xFFFFFFFF &&
        NSTramvell::TickDifference(now, mLastPollTick) / kTicksPerSecond < kSecondsBetweenScans)
        return;
    ScanDrives(now);
}

void CLuvexApp::ScanDrives(std::uint32_t now)
{
    NSBrakvel::CVolumeIteratorHolder iterator;
    try {
        NSBrakvel::CreateVolumeIterator(iterator);
    } catch (...) {
        // No drives to look at this time; the next idle call tries again.
        return;
    }

    std::unique_ptr<NSBrakvel::CVolumeHolder> found;
    bool tookDisc = false;
    // The poll never shows an error: whatever fails, the discs in hand go, and the next scan tries again.
    try {
        int akaiDiscs = 0;
        while (std::unique_ptr<NSBrakvel::CVolumeHolder> volume = iterator.NextVolume()) {
            bool counts = false;
            try {
                counts = AcceptsVolume(volume.get());
            } catch (...) {
                // A disc that cannot be read is no Akai disc; the other drives still count.
                counts = false;
            }
            if (counts && ++akaiDiscs == 1)
                found = std::move(volume);
        }
        mLastPollTick = now;

        if (akaiDiscs == 1) {
            mVolume = std::move(found);
            tookDisc = true;
            SetState(kStateChoosing);
        } else if (akaiDiscs > 1) {
            mPollEnabled = false;
            found.reset();
            try {
                mServices->UpdateWindowsNow();
                mServices->ShowAlert(kMultipleDisksAlert, "");
            } catch (...) {
                // The user could not be told; the program ends all the same rather than wait unpolled.
            }
            CApplication::TryQuit();
        }
    } catch (...) {
        found.reset();
        if (tookDisc) {
            // A window that could not show the choice offers no action; the disc is found again.
            mVolume.reset();
            mState = kStateWaiting;
        }
        mLastPollTick = now;
    }
}

bool CLuvexApp::AcceptsVolume(NSBrakvel::CVolumeHolder* volume)
{
    return NSAkaiFileSystem::IsMountableAkaiVolume(volume);
}

void CLuvexApp::SetState(std::int32_t state)
{
    if (state == mState)
        return;
    mState = state;
    if (mMainWindow == nullptr)
        return;
    mMainWindow->ShowState(state);
    if (state == kStateConverting) {
        mMainWindow->SetProgressTexts("", "");
        mMainWindow->SetProgress(0, 100);
    }
}

void CLuvexApp::ConvertToFolder()
{
    if (mState != kStateChoosing || mVolume == nullptr)
        return;
    std::unique_ptr<NSTramvell::CDirSpec> folder = ChooseOutputFolder(ProgramString(kChooseFolderTitle));
    if (folder == nullptr)
        return;
    RunConversion(nullptr, std::move(folder), kFolderMode);
}

std::unique_ptr<NSTramvell::CDirSpec> CLuvexApp::ChooseOutputFolder(const std::string& title)
{
    for (;;) {
        std::unique_ptr<NSTramvell::CDirSpec> folder;
        if (!mServices->ChooseFolder(title, folder, mWindowPositions.folderDialogState) || folder == nullptr)
            return nullptr;
        if (NSAkaiConversion::IsFolderEmpty(*folder))
            return folder;
        mServices->UpdateWindowsNow();
        mServices->ShowAlert(kFolderNotEmptyAlert, "");
    }
}

void CLuvexApp::ConvertToArchive()
{
    if (mState != kStateChoosing || mVolume == nullptr)
        return;
    std::unique_ptr<NSTramvell::CFileSpec> archive = ChooseArchiveFile();
    if (archive == nullptr)
        return;
    RunConversion(std::move(archive), nullptr, kArchiveMode);
}

std::unique_ptr<NSTramvell::CFileSpec> CLuvexApp::ChooseArchiveFile()
{
    const NSTramvell::CFileTypeDescription type("Kaplet file", ".kpl", NSTramvell::CMacFileTypeCode("KPL "));
    std::unique_ptr<NSTramvell::CFileSpec> archive;
    if (!mServices->ChooseFile(ProgramString(kSaveAsTitle), ProgramString(kDefaultArchiveName), type, archive,
                               mWindowPositions.saveFileDialogState))
        return nullptr;
    return archive;
}

void CLuvexApp::RunConversion(std::unique_ptr<NSTramvell::CFileSpec> archive,
                              std::unique_ptr<NSTramvell::CDirSpec> folder, std::uint8_t outputMode)
{
    // A constructor that throws leaves the disc with the application, still choosing.
    mCoordinator = std::make_unique<NSConversionCoordinator::CConversionCoordinator>(*this, mVolume, std::move(archive),
                                                                                    std::move(folder), outputMode);
    try {
        SetState(kStateConverting);
        mCoordinator->Run();
    } catch (...) {
        // A conversion that failed before its end would otherwise hold the state at converting, where
        // the main window refuses every quit.
        if (mCoordinator != nullptr)
            EndConversion();
        throw;
    }
}

void CLuvexApp::Quit()
{
    if (mState != kStateWaiting && mState != kStateChoosing)
        return;
    CApplication::TryQuit();
}

void CLuvexApp::StopConversion()
{
    if (mState != kStateConverting || mCoordinator == nullptr)
        return;
    mCoordinator->AskKeepPartialOutput();
}

void CLuvexApp::Eject()
{
    if (mState != kStateChoosing || mVolume == nullptr)
        return;
    // The disc is given up whatever the drive answers: a disc the user took out by hand must not keep
    // the program choosing for a disc that is gone.
    std::unique_ptr<NSBrakvel::CVolumeHolder> volume = std::move(mVolume);
    SetState(kStateWaiting);
    volume->Eject();
}

bool CLuvexApp::IsConsistent() const
{
    if (mMainWindow == nullptr || mMenuBar == nullptr)
        return false;
    switch (mState) {
    case kStateWaiting:
        return mVolume == nullptr && mCoordinator == nullptr;
    case kStateChoosing:
        return mVolume != nullptr && mCoordinator == nullptr;
    case kStateConverting:
        return mVolume == nullptr && mCoordinator != nullptr;
    default:
        return false;
    }
}

void CLuvexApp::SetProgressText(const std::string& heading, const std::string& body)
{
    if (mMainWindow != nullptr)
        mMainWindow->SetProgressTexts(heading, body);
}

void CLuvexApp::SetProgress(std::int32_t done, std::int32_t total)
{
    if (mMainWindow != nullptr)
        mMainWindow->SetProgress(done, total);
}

void CLuvexApp::DisableStopButton()
{
    if (mMainWindow != nullptr)
        mMainWindow->DisableStopButton();
}

void CLuvexApp::UpdateWindowsNow()
{
    mServices->UpdateWindowsNow();
}

std::uint32_t CLuvexApp::ShowAlert(std::uint32_t alert, const std::string& parameter)
{
    return mServices->ShowAlert(alert, parameter);
}

std::uint32_t CLuvexApp::RunConversionErrorDialog(const std::string& message)
{
    return mServices->RunConversionErrorDialog(message);
}

void CLuvexApp::EndConversion()
{
    // Emptied before the delete: the coordinator's own end and an action that cleans up after a failed
    // run may both get here.
    std::unique_ptr<NSConversionCoordinator::CConversionCoordinator> coordinator = std::move(mCoordinator);
    coordinator.reset();
    SetState(kStateWaiting);
}

void CreateAndRunApplication(NSTramvell::CApplicationParameters& parameters,
                             std::unique_ptr<IApplicationServices> services)
{
    const NSTramvell::CVerifyHandlerInstaller verifyHandler("Dravim");
    const NSTramvell::CCodeModuleInfo& module = parameters.mModule;
    parameters.mModule = NSTramvell::CCodeModuleInfo(module.GetFolder(), "Dravim", module.GetResourceFile(),
                                                     module.GetInstanceHandle());
    const auto application = std::make_unique<CLuvexApp>(parameters, std::move(services));
    application->Run();
}

} // namespace NSLuvexApplication
