#include "framework/gui/application/GuiExceptions.h"

namespace NSTramvell {

XShell::~XShell() = default;
XShellUnableToResolveAlias::~XShellUnableToResolveAlias() = default;
XShellItemNotFound::~XShellItemNotFound() = default;
XShellFileSystemObjectNotFound::~XShellFileSystemObjectNotFound() = default;
XShellUnableToOpenContainer::~XShellUnableToOpenContainer() = default;
XShellAccessDenied::~XShellAccessDenied() = default;
XShellDeviceNotReady::~XShellDeviceNotReady() = default;
XShellNetworkPathNotFound::~XShellNetworkPathNotFound() = default;
XCannotOpenHelpWindow::~XCannotOpenHelpWindow() = default;

} // namespace NSTramvell
