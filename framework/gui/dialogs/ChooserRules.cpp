#include "framework/gui/dialogs/ChooserRules.h"

#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/gui/dialogs/FileTypeList.h"
#include "framework/gui/screens/ScreenLayout.h"
#include "framework/gui/windows/Staggering.h"

#include <stdexcept>

namespace NSTramvell {

namespace {

std::string GetFirstExtension(const CFileTypeDescription& type)
{
    const std::vector<std::string> extensions = type.GetExtensions();
    if (extensions.empty())
        throw std::out_of_range("file type without an extension");
    return extensions.front();
}

CLocationRect ToLocationRect(const CRect& rect)
{
    return CLocationRect(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
}

} // namespace

std::optional<std::string> AcceptChosenFolderPath(const std::string& path)
{
    std::string trimmed = path;
    while (!trimmed.empty() && trimmed.back() == '\\')
        trimmed.pop_back();
    const bool drivePath = trimmed.size() >= 2 && trimmed[1] == ':';
    const bool networkPath = trimmed.size() >= 3 && trimmed.compare(0, 2, "\\\\") == 0;
    if (!drivePath && !networkPath)
        return std::nullopt;
    return trimmed + '\\';
}

std::string MakeInitialFileName(const std::string& defaultName, const CFileTypeDescription& type)
{
    std::string stem;
    std::string extension;
    SplitFileNameAndExtension(defaultName, stem, extension);
    const std::string name = stem + GetFirstExtension(type);
    return name.substr(0, kMaximumPathLength - 1);
}

std::string GetDefaultExtension(const CFileTypeDescription& type)
{
    const std::string extension = GetFirstExtension(type);
    return extension.substr(std::min(extension.find_first_not_of('.'), extension.size()));
}

std::optional<std::string> RenameForTypeChange(const std::string& fieldText, const std::string& newExtension,
                                               const CFileTypeList& types)
{
    if (fieldText.empty())
        return std::nullopt;
    std::string stem;
    std::string extension;
    SplitFileNameAndExtension(fieldText, stem, extension);
    if (!extension.empty() && types.FindByFileName(fieldText) == nullptr)
        return std::nullopt;
    return stem + "." + newExtension;
}

CFileSpec FileSpecFromChooserResult(const std::string& path, std::uint16_t nameOffset,
                                    std::uint16_t extensionOffset)
{
    const std::size_t nameStart = std::min<std::size_t>(nameOffset, path.size());
    const std::string folder = path.substr(0, nameStart);
    const bool hasExtension = extensionOffset > nameStart && extensionOffset <= path.size() &&
                              path[extensionOffset - 1] == '.';
    if (!hasExtension)
        return CFileSpec(folder, path.substr(nameStart), "");
    return CFileSpec(folder, path.substr(nameStart, extensionOffset - 1 - nameStart),
                     path.substr(extensionOffset - 1));
}

CLocationRect ExpandByMargins(const CLocationRect& margins, const CLocationRect& inner)
{
    return CLocationRect(inner.GetLeft() - margins.GetLeft(), inner.GetTop() - margins.GetTop(),
                         inner.GetRight() + margins.GetRight(), inner.GetBottom() + margins.GetBottom());
}

CLocationRect ShrinkByMargins(const CLocationRect& margins, const CLocationRect& outer)
{
    return CLocationRect(outer.GetLeft() + margins.GetLeft(), outer.GetTop() + margins.GetTop(),
                         outer.GetRight() - margins.GetRight(), outer.GetBottom() - margins.GetBottom());
}

CLocationRect CascadeInArea(const CLocationRect& outer, const CRect& area, std::int32_t step,
                            const std::vector<CPoint>& otherTopLefts)
{
    const CPoint corner =
        GetStaggerCorner(area.GetTopLeft(), step, ChooseStaggerSlot(area.GetTopLeft(), step, otherTopLefts));
    CLocationRect placed = outer;
    placed.MoveTo(corner.GetX(), corner.GetY());
    placed.PullInsideFromBottomRight(ToLocationRect(area));
    return placed;
}

CLocationRect CenterOverFrame(const CLocationRect& outer, const std::optional<CRect>& frame, bool frameMinimized,
                              const CScreenLayout& screens, const CRect& mainScreen)
{
    CLocationRect placed = outer;
    CLocationRect area = ToLocationRect(mainScreen);
    if (frame.has_value()) {
        area = ToLocationRect(screens.GetMonitor(screens.FindBestMonitor(*frame)).mWorkArea);
        placed.AlignIn(frameMinimized ? area : ToLocationRect(*frame));
    } else {
        placed.AlignIn(area);
    }
    placed.PullInsideFromBottomRight(area);
    return placed;
}

} // namespace NSTramvell
