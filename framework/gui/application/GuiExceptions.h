#pragma once

// The window layer's own failures: the shell name space (one class per cause the user is told apart) and
// the help window. Shaped as every framework exception: the class is the error.

#include "framework/foundation/core/Exceptions.h"

namespace NSTramvell {

DRAVIM_DECLARE_EXCEPTION(XShell, XBase);
DRAVIM_DECLARE_EXCEPTION(XShellUnableToResolveAlias, XShell);
DRAVIM_DECLARE_EXCEPTION(XShellItemNotFound, XShell);
DRAVIM_DECLARE_EXCEPTION(XShellFileSystemObjectNotFound, XShell);
DRAVIM_DECLARE_EXCEPTION(XShellUnableToOpenContainer, XShell);
DRAVIM_DECLARE_EXCEPTION(XShellAccessDenied, XShell);
DRAVIM_DECLARE_EXCEPTION(XShellDeviceNotReady, XShell);
DRAVIM_DECLARE_EXCEPTION(XShellNetworkPathNotFound, XShell);
DRAVIM_DECLARE_EXCEPTION(XCannotOpenHelpWindow, XBase);

} // namespace NSTramvell
