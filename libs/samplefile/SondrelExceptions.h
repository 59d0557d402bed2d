#pragma once

// The library's own exceptions. Inside the library a failure is one of these (or a standard exception);
// at the boundary StatusFromCurrentException turns it into a status code.

#include "framework/foundation/core/Exceptions.h"

#include <new>

namespace NSSondrelUtils {

DRAVIM_DECLARE_EXCEPTION(XWAVE, std::exception);
DRAVIM_DECLARE_EXCEPTION(XRead, XWAVE);
DRAVIM_DECLARE_EXCEPTION(XWrite, XWAVE);
DRAVIM_DECLARE_EXCEPTION(XBadFormat, XWAVE);
DRAVIM_DECLARE_EXCEPTION(XUnsupportedFormat, XWAVE);
// Named by the status mapping only: nothing in the library throws these two.
DRAVIM_DECLARE_EXCEPTION(XInvariantCorrupt, XWAVE);
DRAVIM_DECLARE_EXCEPTION(XSequenceError, XWAVE);
// The caller's byte writer is full (kByteWriterDiskFull).
DRAVIM_DECLARE_EXCEPTION(XDiskFull, XWAVE);

// Out of memory, with the text the program shows for it.
class XOutOfMemory : public std::bad_alloc
{
public:
    XOutOfMemory() noexcept = default;
    XOutOfMemory(const XOutOfMemory&) noexcept = default;
    XOutOfMemory& operator=(const XOutOfMemory&) noexcept = default;
    ~XOutOfMemory() override;
    const char* what() const noexcept override;
};

} // namespace NSSondrelUtils
