#pragma once

// The program's static objects: the pictures its windows are drawn from, its creator code and a text
// file type. (The preference file's own versions, texts and file type are in app/preferences.)

#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/strings/RulingString.h"
#include "framework/gui/images/BitmapKey.h"

namespace NSDravimStatics {

// The main window's skin.
inline const NSTramvell::CBitmapKey kSkinBitmap(128);
// The about window's picture, 486 × 344.
inline const NSTramvell::CBitmapKey kAboutBitmap(129);
// The choose page's two picture buttons; icon groups 140 and 141 hold their greyed images.
inline const NSTramvell::CBitmapKey kFolderButtonBitmap(130);
inline const NSTramvell::CBitmapKey kArchiveButtonBitmap(131);

// The program's creator code, the one its preference file is written with.
inline const NSTramvell::CMacCreatorCode kCreatorCode("DrVm");
// Plain text files; the program writes none of its own.
inline const NSTramvell::CFileTypeDescription kTextFileType("Text", ".txt", NSTramvell::CMacFileTypeCode("TXT "));

} // namespace NSDravimStatics
