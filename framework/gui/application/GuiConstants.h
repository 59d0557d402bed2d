#pragma once

// Process-wide constants of the window layer. The resource types are made on first use, so that a static
// object of another file may use them during static initialisation in any order.

#include "framework/foundation/strings/RulingString.h"

#include <string_view>

namespace NSTramvell {

// Dialog templates of the program's resources.
const CResourceType& GetDialogResourceType();
// Bitmap resources of the image library.
const CResourceType& GetBitmapResourceType();
// Colour tables.
const CResourceType& GetColorTableResourceType();

// The platform field of stored dialog states: written, and compared on reading.
inline constexpr std::string_view kPlatformTag = "Win";

} // namespace NSTramvell
