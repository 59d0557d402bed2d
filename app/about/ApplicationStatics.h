#pragma once

// The pictures the program's windows are drawn from. (The creator code and file types of the preference
// file are its own statics, in app/preferences/PreferenceFile.h.)

#include "framework/gui/images/BitmapKey.h"

namespace NSDravimStatics {

// The main window's skin.
inline const NSTramvell::CBitmapKey kSkinBitmap(128);
// The about window's picture, 486 × 344.
inline const NSTramvell::CBitmapKey kAboutBitmap(129);
// The choose page's two picture buttons; icon groups 140 and 141 hold their greyed images.
inline const NSTramvell::CBitmapKey kFolderButtonBitmap(130);
inline const NSTramvell::CBitmapKey kArchiveButtonBitmap(131);

} // namespace NSDravimStatics
