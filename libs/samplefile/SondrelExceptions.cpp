#include "libs/samplefile/SondrelExceptions.h"

namespace NSSondrelUtils {

XWAVE::~XWAVE() = default;
XRead::~XRead() = default;
XWrite::~XWrite() = default;
XBadFormat::~XBadFormat() = default;
XUnsupportedFormat::~XUnsupportedFormat() = default;
XInvariantCorrupt::~XInvariantCorrupt() = default;
XSequenceError::~XSequenceError() = default;
XDiskFull::~XDiskFull() = default;

XOutOfMemory::~XOutOfMemory() = default;

const char* XOutOfMemory::what() const noexcept
{
    return "bad allocation";
}

} // namespace NSSondrelUtils
