#pragma once

// A vector of booleans as a small versioned record on a media: the code "SBOy", a CVersion (1.0.0 when
// written; a reader takes any 1.x), a big-endian 32-bit count and one byte (0 or 1) per element.

#include <vector>

namespace NSTramvell {

class CMedia;

void WriteBitVector(CMedia& media, const std::vector<bool>& vector);
// Replaces the vector only when the whole record was read: a wrong code, another major version or an
// element byte other than 0 and 1 throws XBadFormat; a count larger than the bytes left throws XRead.
void ReadBitVector(CMedia& media, std::vector<bool>& vector);

} // namespace NSTramvell
