#pragma once

// What the application object asks of the world around it: alerts and the window-update step, the
// choosers, web pages, the platform's version tests, the packer's state, the tick, the preference file
// and its main window. The program's own services reach the framework and the platform; tests put fakes
// in their place, so that the application's decisions run without a screen or drives of their own.

#include "framework/gui/geometry/Point.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {
class CDirSpec;
class CFileSpec;
class CFileTypeDescription;
class CFolderDialogState;
class CSaveFileDialogState;
} // namespace NSTramvell

struct CWindowPositionRecord;

namespace NSLuvexApplication {

class CLuvexApp;

// The main window as the application drives it.
class IApplicationWindow
{
public:
    virtual ~IApplicationWindow() = default;

    // 0 waiting for a disc, 1 choosing the output, 2 converting.
    virtual void ShowState(std::int32_t state) = 0;
    virtual void SetProgress(std::int32_t done, std::int32_t total) = 0;
    virtual void SetProgressTexts(const std::string& heading, const std::string& details) = 0;
    virtual void DisableStopButton() = 0;
    // The top-left corner of the content area on the screen: what the preferences remember.
    virtual NSTramvell::CLocation GetContentTopLeft() const = 0;
    // Asks the framework to close and delete the window; the object stays until then.
    virtual void RequestClose() = 0;
};

class IApplicationServices
{
public:
    virtual ~IApplicationServices() = default;

    // Windows XP (5.1) or later and common controls 6.0 or later.
    virtual bool IsSystemSupported() = 0;
    // Entry of alert script 128 with ^0 = parameter; the button chosen (33 the first, 36 none).
    virtual std::uint32_t ShowAlert(std::uint32_t alert, const std::string& parameter) = 0;
    virtual void UpdateWindowsNow() = 0;
    virtual std::uint32_t RunConversionErrorDialog(const std::string& message) = 0;
    // The choosers: true with a choice, false when cancelled.
    virtual bool ChooseFolder(const std::string& title, std::unique_ptr<NSTramvell::CDirSpec>& folder,
                              NSTramvell::CFolderDialogState& state) = 0;
    virtual bool ChooseFile(const std::string& title, const std::string& defaultName,
                            const NSTramvell::CFileTypeDescription& type,
                            std::unique_ptr<NSTramvell::CFileSpec>& file,
                            NSTramvell::CSaveFileDialogState& state) = 0;
    // False (or a throw) when no program could be asked to open the address.
    virtual bool OpenWebPage(const std::string& address) = 0;
    virtual void ShowAboutWindow() = 0;
    virtual std::uint32_t GetPackerInstallState() = 0;
    // The framework tick: 60 a second, wrapping.
    virtual std::uint32_t GetTicks() = 0;
    // True with the record read; false, the record untouched, when there is no readable file.
    virtual bool LoadPreferences(CWindowPositionRecord& record) = 0;
    // Throws when the file could not be written.
    virtual void SavePreferences(const CWindowPositionRecord& record) = 0;
    // Hands the user-interface texts to the conversion modules.
    virtual void InstallUIStringTables() = 0;
    // Makes and shows the main window at its saved place; it reports the user's actions to the
    // application.
    virtual std::unique_ptr<IApplicationWindow> CreateMainWindow(CLuvexApp& application,
                                                                 const NSTramvell::CLocation& position,
                                                                 bool archiveAvailable) = 0;
};

} // namespace NSLuvexApplication
