#include "app/application/LuvexApp.h"

#include "app/about/AboutWindow.h"
#include "app/errordialog/ConversionErrorDialog.h"
#include "app/mainwindow/MainWindow.h"
#include "app/preferences/PreferenceFileStorage.h"
#include "app/strings/UIStringTables.h"
#include "conversion/packer/KapletPackerInterface.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/DLLOperations.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/foundation/trace/Launch.h"
#include "framework/gui/application/Alerts.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/input/Cursors.h"

namespace NSLuvexApplication {

namespace {

// Alert script 128 as reference numbers: kind 5, resource 128.
constexpr std::int32_t kAlertScriptReference = 501280000;
constexpr std::uint32_t kPreferenceFileName = 60;

// The main window as the application drives it. The framework deletes the window when it closes it.
class CMainWindowPort final : public IApplicationWindow
{
public:
    explicit CMainWindowPort(CMainWindow& window) : mWindow(window) {}

    void ShowState(std::int32_t state) override { mWindow.ShowState(state); }
    void SetProgress(std::int32_t done, std::int32_t total) override { mWindow.SetProgress(done, total); }
    void SetProgressTexts(const std::string& heading, const std::string& details) override
    {
        mWindow.SetProgressTexts(heading, details);
    }
    void DisableStopButton() override { mWindow.DisableStopButton(); }
    NSTramvell::CLocation GetContentTopLeft() const override
    {
        const NSTramvell::CRect client = mWindow.GetClientBoundsOnScreen();
        return NSTramvell::CLocation(client.GetLeft(), client.GetTop());
    }
    void RequestClose() override { mWindow.RequestClose(); }

private:
    CMainWindow& mWindow;
};

class CProgramServices final : public IApplicationServices
{
public:
    bool IsSystemSupported() override
    {
        try {
            return NSTramvell::GetOSVersion() >= NSTramvell::CVersion(5, 1) &&
                   NSTramvell::NSDLLOperations::IsDLLVersionAtLeast("comctl32.dll", 6, 0);
        } catch (...) {
            return false;
        }
    }

    std::uint32_t ShowAlert(std::uint32_t alert, const std::string& parameter) override
    {
        return NSTramvell::DoAlert(kAlertScriptReference + static_cast<std::int32_t>(alert), parameter);
    }

    void UpdateWindowsNow() override { NSTramvell::UpdateWindowsNow(); }

    std::uint32_t RunConversionErrorDialog(const std::string& message) override
    {
        return NSConversionErrorDialog::CConversionErrorDialog::Run(message);
    }

    bool ChooseFolder(const std::string& title, std::unique_ptr<NSTramvell::CDirSpec>& folder,
                      NSTramvell::CFolderDialogState& state) override
    {
        return NSTramvell::BrowseForFolder(title, folder, state);
    }

    bool ChooseFile(const std::string& title, const std::string& defaultName,
                    const NSTramvell::CFileTypeDescription& type, std::unique_ptr<NSTramvell::CFileSpec>& file,
                    NSTramvell::CSaveFileDialogState& state) override
    {
        return NSTramvell::ChooseFile(title, defaultName, type, file, state);
    }

    bool OpenWebPage(const std::string& address) override { return NSTramvell::OpenWebPage(address); }

    void ShowAboutWindow() override { ::ShowAboutWindow(); }

    std::uint32_t GetPackerInstallState() override { return NSKapletPackerInterface::GetPackerInstallState(); }

    std::uint32_t GetTicks() override { return NSTramvell::GetTicks(); }

    bool LoadPreferences(CWindowPositionRecord& record) override
    {
        std::unique_ptr<CLuvexPreferenceFile> file;
        if (LoadPreferenceFile(GetFolder(), GetFileName(), file) != kPreferenceFileFound || file == nullptr)
            return false;
        record = file->GetRecord();
        return true;
    }

    void SavePreferences(const CWindowPositionRecord& record) override
    {
        SavePreferenceFile(CLuvexPreferenceFile(record), GetFolder(), GetFileName());
    }

    void InstallUIStringTables() override { ::InstallUIStringTables(); }

    std::unique_ptr<IApplicationWindow> CreateMainWindow(CLuvexApp& application, const NSTramvell::CLocation& position,
                                                         bool archiveAvailable) override;

private:
    static NSTramvell::CDirSpec GetFolder()
    {
        return NSTramvell::CApplication::GetApplication()->GetUserDataFolder();
    }

    static std::string GetFileName()
    {
        return NSTramvell::GetString(static_cast<std::int32_t>(UIStringReference(kPreferenceFileName)));
    }
};

std::unique_ptr<IApplicationWindow> CProgramServices::CreateMainWindow(CLuvexApp& application,
                                                                     const NSTramvell::CLocation& position,
                                                                     bool archiveAvailable)
{
    auto* window = new CMainWindow(&application, position, archiveAvailable);
    try {
        window->ReapplyBounds();
    } catch (...) {
        window->CloseNow();
        throw;
    }
    return std::make_unique<CMainWindowPort>(*window);
}

} // namespace

std::unique_ptr<IApplicationServices> MakeProgramServices()
{
    return std::make_unique<CProgramServices>();
}

void CreateAndRunApplication(NSTramvell::CApplicationParameters& parameters)
{
    CreateAndRunApplication(parameters, MakeProgramServices());
}

} // namespace NSLuvexApplication
