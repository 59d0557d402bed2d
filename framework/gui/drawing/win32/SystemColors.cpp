#include "framework/gui/drawing/SystemColors.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {

namespace {

CColor ReadSystemColor(int index) { return CColor::FromNative(GetWindowTable().GetSysColor(index)); }

} // namespace

CColor GetSystemHighlightColor() { return ReadSystemColor(COLOR_BTNHIGHLIGHT); }
CColor GetSystemFaceColor() { return ReadSystemColor(COLOR_BTNFACE); }
CColor GetSystemShadowColor() { return ReadSystemColor(COLOR_BTNSHADOW); }
CColor GetSystemSelectionColor() { return ReadSystemColor(COLOR_HIGHLIGHT); }
CColor GetSystemSelectionTextColor() { return ReadSystemColor(COLOR_HIGHLIGHTTEXT); }
CColor GetSystemButtonTextColor() { return ReadSystemColor(COLOR_BTNTEXT); }
CColor GetSystemWindowTextColor() { return ReadSystemColor(COLOR_WINDOWTEXT); }
CColor GetSystemWindowColor() { return ReadSystemColor(COLOR_WINDOW); }
CColor GetRedColor() { return kColorRed; }

static_assert(COLOR_BTNHIGHLIGHT == 20 && COLOR_BTNFACE == 15 && COLOR_BTNSHADOW == 16 && COLOR_HIGHLIGHT == 13 &&
              COLOR_HIGHLIGHTTEXT == 14 && COLOR_BTNTEXT == 18 && COLOR_WINDOWTEXT == 8 && COLOR_WINDOW == 5);

} // namespace NSTramvell
