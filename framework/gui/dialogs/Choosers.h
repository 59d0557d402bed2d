#pragma once

// The framework's front end to the platform's standard choosers: a folder chooser, a save-file chooser
// and an open-file chooser, each remembering in a state owned by the caller the folder, the file type
// and where the chooser stood; and the rule that centres a new window over the application's frame
// window (in document mode the newest document window). While a chooser runs every framework window is
// disabled, and the focus view is given back afterwards. Cancel, and a chooser the platform could not
// run, answer false and change nothing.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <memory>
#include <string>

struct tagOFNA;

namespace NSTramvell {

class CDirSpec;
class CFileSpec;
class CFileTypeDescription;
class CFileTypeList;
class CFolderDialogState;
class COpenFileDialogState;
class CSaveFileDialogState;

// True with the chosen folder, which is also remembered, when the user confirmed a drive or network
// folder; false otherwise, with `folder` untouched.
bool BrowseForFolder(const std::string& title, std::unique_ptr<CDirSpec>& folder, CFolderDialogState& state);

// The save chooser for one type; `file` is reset first and set when the user confirmed.
bool ChooseFile(const std::string& title, const std::string& defaultName, const CFileTypeDescription& type,
                std::unique_ptr<CFileSpec>& file, CSaveFileDialogState& state);
bool RunSaveFileDialog(const std::string& title, const std::string& defaultName, const CFileTypeList& types,
                       std::unique_ptr<CFileSpec>& file, std::unique_ptr<CFileTypeDescription>& type,
                       CSaveFileDialogState& state);
bool ChooseFileToOpen(const std::string& title, const CFileTypeDescription& type, std::unique_ptr<CFileSpec>& file,
                      std::unique_ptr<CFileTypeDescription>& chosenType, COpenFileDialogState& state);
bool RunOpenFileDialog(const std::string& title, const CFileTypeList& types, std::unique_ptr<CFileSpec>& file,
                       std::unique_ptr<CFileTypeDescription>& type, COpenFileDialogState& state);

// The file a confirmed file chooser's record names.
CFileSpec FileSpecFromChooserResult(const tagOFNA& record);

// The outer rectangle of a window with the client size and frame margins, centred over the frame window
// and kept on its screen.
CLocationRect GetCenteredWindowRect(const CPoint& size, const CLocationRect& margins);
CLocationRect GetCenteredWindowRect(std::int32_t width, std::int32_t height, const CLocationRect& margins);
CLocationRect CenterRectOverFrame(const CLocationRect& rect);
// The outer rectangle of a window with the client size and frame margins at the stagger slot of the main
// screen (in frame mode of the frame's client area) where the fewest framework windows stand.
CLocationRect GetCascadedWindowRect(const CPoint& size, const CLocationRect& margins);
CLocationRect GetCascadedWindowRect(std::int32_t width, std::int32_t height, const CLocationRect& margins);

} // namespace NSTramvell
