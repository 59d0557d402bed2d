#pragma once

// The rules of the file and folder choosers that need no platform: which chosen folders count, the
// names and extensions a save chooser starts with and keeps while the user changes the type, the file a
// confirmed chooser names, and where a window is centred.

#include "framework/foundation/files/FileSpec.h"
#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace NSTramvell {

class CFileTypeDescription;
class CFileTypeList;
class CScreenLayout;

// A drive path ("C:" and longer) or a network path ("\\x" and longer), its trailing backslashes
// replaced by one; none for anything else (a virtual folder has no such path).
std::optional<std::string> AcceptChosenFolderPath(const std::string& path);

// The default name's stem with the type's first extension (a type without one throws
// std::out_of_range), cut so that it and its terminator fit the platform's 260-byte buffer.
std::string MakeInitialFileName(const std::string& defaultName, const CFileTypeDescription& type);
// The type's first extension without its leading dots.
std::string GetDefaultExtension(const CFileTypeDescription& type);
// The name-field text after the type changed to one with the extension (no dot): a name without an
// extension, or with one of a listed type, gets the new one; none when the text stays as it is.
std::optional<std::string> RenameForTypeChange(const std::string& fieldText, const std::string& newExtension,
                                               const CFileTypeList& types);

// The file a confirmed chooser names: the full path with the offsets of the name and of the extension
// (0: none). The extension is taken only when a dot stands right before its offset.
CFileSpec FileSpecFromChooserResult(const std::string& path, std::uint16_t nameOffset,
                                    std::uint16_t extensionOffset);

// inner grown by the margins (positive distances on each side).
CLocationRect ExpandByMargins(const CLocationRect& margins, const CLocationRect& inner);
// outer with the margins taken off: the inverse of ExpandByMargins.
CLocationRect ShrinkByMargins(const CLocationRect& margins, const CLocationRect& outer);
// outer moved, keeping its size, to the corner of the stagger slot of the area with the fewest other
// windows' top-left corners on it (steps of step down the diagonal), then kept inside the area.
CLocationRect CascadeInArea(const CLocationRect& outer, const CRect& area, std::int32_t step,
                            const std::vector<CPoint>& otherTopLefts);
// outer centred over the frame window's rectangle, or in the work area of the screen holding most of
// it when the frame is minimised, or on the main screen when there is no frame; then kept inside that
// area, a larger window at its left-top corner.
CLocationRect CenterOverFrame(const CLocationRect& outer, const std::optional<CRect>& frame, bool frameMinimized,
                              const CScreenLayout& screens, const CRect& mainScreen);

} // namespace NSTramvell
