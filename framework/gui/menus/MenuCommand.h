#pragma once

// A chosen menu command as the handlers along the routing chain get it, and the interface of those
// handlers. The kind tells where the choice came from.

#include "framework/gui/input/ModifierKeys.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

class CMenuBar;

inline constexpr std::uint32_t kMenuCommandFromNativeMenu = 4;
inline constexpr std::uint32_t kMenuCommandFromShortcut = 5;
inline constexpr std::uint32_t kMenuCommandOther = 6;

class CMenuCommand
{
public:
    CMenuCommand(std::uint32_t kind, CMenuBar* menuBar, std::uint32_t commandId, const CModifierKeys& modifiers,
                 std::uint32_t time) noexcept
        : mKind(kind), mMenuBar(menuBar), mCommandId(commandId), mModifiers(modifiers), mTime(time)
    {
    }

    std::uint32_t GetKind() const noexcept { return mKind; }
    CMenuBar* GetMenuBar() const noexcept { return mMenuBar; }
    std::uint32_t GetCommandId() const noexcept { return mCommandId; }
    const CModifierKeys& GetModifiers() const noexcept { return mModifiers; }
    std::uint32_t GetTime() const noexcept { return mTime; }

private:
    std::uint32_t mKind;
    CMenuBar* mMenuBar;   // borrowed; may be null
    std::uint32_t mCommandId;
    CModifierKeys mModifiers;
    std::uint32_t mTime;
};

class IMenuInput
{
public:
    virtual ~IMenuInput() = default;
    // Enables the commands this handler can carry out now; the bar may be null.
    virtual void EnableMenuCommands(CMenuBar* menuBar) = 0;
    // True when the command was carried out: it goes no further.
    virtual bool DoMenuCommand(const CMenuCommand& command) = 0;
};

// A routing chain runs from the innermost handler (the focus view) out to the application.
// Enabling runs the other way, so that the innermost handler has the last word on each item.
void UpdateMenusAlong(const std::vector<IMenuInput*>& chain, CMenuBar* menuBar);
bool RouteMenuCommandAlong(const std::vector<IMenuInput*>& chain, const CMenuCommand& command);

} // namespace NSTramvell
