#pragma once

// Reads back the patch model that a patch file's "BODY" chunk holds.

#include "conversion/patch/PatchModel.h"

namespace NSTramvell {
class CMedia;
}

namespace NSConverterImplementation {

// Reads from the media's position, which is at the model's first version record. Values out of their
// range come back clamped. NSTramvell::XBadFormat for a bad version marker or major version, a kind other
// than 46 or 47, a negative sample window value, or a count that the remaining bytes cannot hold; the
// media's read error when it ends early.
CPatchModel ReadPatchModel(NSTramvell::CMedia& media);

} // namespace NSConverterImplementation
