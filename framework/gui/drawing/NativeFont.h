#pragma once

// Platform fonts made from font descriptions, and the platform's default interface font as one.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/drawing/NativeHandles.h"

namespace NSTramvell {

// A new platform font the caller deletes; XBase when the platform makes none.
HFONT CreateNativeFont(const CFontSpec& spec);

// The platform's default interface font as a description: its pixel height is the size. Where the platform
// lacks its face and draws one that would not fit the dialog units of the templates, the description names
// an installed face (and size) that fits instead.
void MakeSystemFontSpec(CFontSpec& out);
// Decide the interface font's stand-in afresh at the next request (fonts installed or removed meanwhile).
void ForgetFontStandIns();
CFontSpec GetSystemFontSpec();
CFontSpec GetBoldSystemFontSpec();
CFontSpec GetPageFontSpec();
CFontSpec GetControlFontSpec();

} // namespace NSTramvell
