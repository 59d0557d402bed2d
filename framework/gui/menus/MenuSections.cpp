#include "framework/gui/menus/MenuSections.h"

#include "framework/gui/application/RecentFiles.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/menus/Menu.h"

#include <string>
#include <vector>

namespace NSTramvell {

namespace {

constexpr const char* kShortenedMark = "...";

CMenuItem MakeTemporaryItem(const std::string& text, std::uint32_t command)
{
    CMenuItem item(CMenuString(text), command);
    item.mIsTemporary = 1;
    return item;
}

// The number and the path as one item text that the menu's length rule leaves whole.
std::string MakeRecentFileText(std::size_t number, const std::string& path)
{
    const std::string prefix = std::to_string(number) + " ";
    const std::size_t room = kLongestRecentFilePath - prefix.size();
    if (path.size() <= room)
        return prefix + path;
    const std::size_t kept = room - std::char_traits<char>::length(kShortenedMark);
    return prefix + kShortenedMark + path.substr(path.size() - kept);
}

} // namespace

std::uint16_t InsertWindowListItems(CMenu& menu, std::uint16_t index, std::int32_t helpReference, bool disabled)
{
    const std::vector<IRegisteredWindow*> windows = GetWindowList();
    std::vector<CMenuItem> items;
    for (std::size_t i = 0; i < windows.size() && i < kWindowListCommandCount; ++i) {
        IRegisteredWindow* window = windows[i];
        if (!window->IsNativeStateSet() || !window->WantsWindowMenuItem())
            continue;
        const std::string title = window->GetTitle();
        if (title.empty())
            continue;
        CMenuItem item = MakeTemporaryItem(title, kFirstWindowListCommand + static_cast<std::uint32_t>(i));
        item.mHelpReference = helpReference;
        item.mIsChecked = window->IsActive() ? 1 : 0;
        item.mIsDisabled = disabled ? 1 : 0;
        items.push_back(item);
    }
    if (items.empty())
        return 0;
    CMenuItem spacer = MakeTemporaryItem(std::string(), 0);
    spacer.mIsDisabled = 1;
    items.insert(items.begin(), spacer);
    for (std::size_t i = 0; i < items.size(); ++i)
        menu.InsertItem(static_cast<std::uint16_t>(index + i), items[i]);
    return static_cast<std::uint16_t>(items.size());
}

bool IsWindowListCommand(std::uint32_t command)
{
    return command >= kFirstWindowListCommand && command - kFirstWindowListCommand < kWindowListCommandCount;
}

bool HandleWindowListCommand(std::uint32_t command)
{
    if (!IsWindowListCommand(command))
        return false;
    GetWindowAtIndex(static_cast<std::uint16_t>(command - kFirstWindowListCommand))->Activate();
    return true;
}

std::uint16_t InsertRecentFilesSection(CMenu& menu, std::uint16_t index, std::uint32_t firstCommand)
{
    const CRecentFileList& files = GetRecentFileList();
    if (files.empty())
        return 0;
    CMenuItem separator = CMenuItem::Separator();
    separator.mIsTemporary = 1;
    menu.InsertItem(index, separator);
    for (std::size_t i = 0; i < files.size(); ++i) {
        menu.InsertItem(static_cast<std::uint16_t>(index + 1 + i),
                        MakeTemporaryItem(MakeRecentFileText(i + 1, files[i].GetFullPath()),
                                          firstCommand + static_cast<std::uint32_t>(i)));
    }
    return static_cast<std::uint16_t>(files.size() + 1);
}

} // namespace NSTramvell
