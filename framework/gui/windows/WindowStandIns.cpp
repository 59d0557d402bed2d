// Stand-ins for what the window layer's later parts bring: cursors and the native-control registry.

#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {

void SetArrowCursor() {}
void SetSystemCursor(std::int32_t) {}

} // namespace NSTramvell
