#include "framework/foundation/core/Exceptions.h"

#include "framework/foundation/core/OutOfMemory.h"

namespace {
// libstdc++'s std::exception::what() gives "std::exception"; the framework's classes report this text.
constexpr const char kUnknownException[] = "Unknown exception";
} // namespace

namespace NSTramvell {

XBase::~XBase() = default;
const char* XBase::what() const noexcept { return kUnknownException; }

XMedia::~XMedia() = default;
XRead::~XRead() = default;
XWrite::~XWrite() = default;
XBadFormat::~XBadFormat() = default;
XUnsupportedFormat::~XUnsupportedFormat() = default;
XPosition::~XPosition() = default;
XAlertAlreadyShown::~XAlertAlreadyShown() = default;
XNotFound::~XNotFound() = default;
XUnrecoverableCommandError::~XUnrecoverableCommandError() = default;

XOutOfMemory::~XOutOfMemory() = default;
const char* XOutOfMemory::what() const noexcept { return "bad allocation"; }

} // namespace NSTramvell

XFile::~XFile() = default;
const char* XFile::what() const noexcept { return kUnknownException; }

XFileNotFound::~XFileNotFound() = default;
XFileLocked::~XFileLocked() = default;
XOpenFailed::~XOpenFailed() = default;
XCreateFailed::~XCreateFailed() = default;
XDiskFull::~XDiskFull() = default;
