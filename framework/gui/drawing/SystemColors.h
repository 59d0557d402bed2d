#pragma once

// The platform's system colours as framework colours.

#include "framework/gui/regions/Color.h"

namespace NSTramvell {

CColor GetSystemHighlightColor();
CColor GetSystemFaceColor();
CColor GetSystemShadowColor();
CColor GetSystemSelectionColor();
CColor GetSystemSelectionTextColor();
CColor GetSystemButtonTextColor();
CColor GetSystemWindowTextColor();
CColor GetSystemWindowColor();
CColor GetRedColor();

} // namespace NSTramvell
