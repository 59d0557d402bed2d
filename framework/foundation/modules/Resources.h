#pragma once

// How the framework names a resource to the platform. Two four-character types stand for the platform's
// own kinds, "DLOG" for dialog templates and "BMP " for bitmaps; every other type is passed by its name.
// The resources themselves are read through a CModuleReference (ModuleReference.h).

#include "framework/foundation/strings/RulingString.h"

#include <cstdint>

namespace NSTramvell {

inline constexpr std::uint16_t kBitmapResourceKind = 2;
inline constexpr std::uint16_t kDialogTemplateResourceKind = 5;

bool IsStandardResourceType(const CResourceType& type);
// The platform's kind number of a standard type; 0 for a type passed by name.
std::uint16_t GetStandardResourceKind(const CResourceType& type);

} // namespace NSTramvell
