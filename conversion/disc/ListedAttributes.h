#pragma once

// What the folder listing says of one entry beyond its name and hidden flag: the clean-up must know a
// link or junction (a reparse point) so as never to follow one out of the folder it clears.

#include <cstdint>
#include <string>

namespace NSAkaiConversionImplementation {

constexpr std::uint32_t kHiddenAttribute = 0x2;
constexpr std::uint32_t kReparsePointAttribute = 0x400;

// The attributes that a listing gives for the file or folder at path, or 0 when it finds nothing there.
// Windows builds only.
std::uint32_t GetListedAttributes(const std::string& path);

} // namespace NSAkaiConversionImplementation
