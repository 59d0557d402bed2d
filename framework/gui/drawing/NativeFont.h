#pragma once

// Platform fonts made from font descriptions, and the platform's default interface font as one.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/drawing/NativeHandles.h"

namespace NSTramvell {

// A new platform font the caller deletes; XBase when the platform makes none.
HFONT CreateNativeFont(const CFontSpec& spec);

// The platform's default interface font as a description: its pixel height is the size.
void MakeSystemFontSpec(CFontSpec& out);
CFontSpec GetSystemFontSpec();
CFontSpec GetBoldSystemFontSpec();
CFontSpec GetPageFontSpec();
CFontSpec GetControlFontSpec();

} // namespace NSTramvell
