#include "framework/gui/menus/MenuCommand.h"

namespace NSTramvell {

void UpdateMenusAlong(const std::vector<IMenuInput*>& chain, CMenuBar* menuBar)
{
    for (auto member = chain.rbegin(); member != chain.rend(); ++member)
        (*member)->EnableMenuCommands(menuBar);
}

bool RouteMenuCommandAlong(const std::vector<IMenuInput*>& chain, const CMenuCommand& command)
{
    for (IMenuInput* member : chain) {
        if (member->DoMenuCommand(command))
            return true;
    }
    return false;
}

} // namespace NSTramvell
