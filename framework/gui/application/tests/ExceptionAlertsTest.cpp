#include "framework/gui/application/ExceptionAlerts.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/gui/application/GuiExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace NSTramvell;

TEST(GetCommonAlertEntry, EachClassGetsItsOwnRowBeforeItsBases)
{
    // An exception of a class that has no row of its own falls to its nearest listed base.
    const struct
    {
        const char* name;
        std::function<void()> raise;
        int entry;   // -1: no alert
    } kCases[] = {
        {"XCannotOpenHelpWindow", [] { throw XCannotOpenHelpWindow(); }, 22},
        {"XShellUnableToResolveAlias", [] { throw XShellUnableToResolveAlias(); }, 14},
        {"XShellUnableToOpenContainer", [] { throw XShellUnableToOpenContainer(); }, 15},
        {"XShellDeviceNotReady", [] { throw XShellDeviceNotReady(); }, 16},
        {"XShellAccessDenied", [] { throw XShellAccessDenied(); }, 17},
        {"XShellNetworkPathNotFound", [] { throw XShellNetworkPathNotFound(); }, 18},
        {"XShellItemNotFound", [] { throw XShellItemNotFound(); }, 19},
        {"XShellFileSystemObjectNotFound", [] { throw XShellFileSystemObjectNotFound(); }, 20},
        {"XShell", [] { throw XShell(); }, 21},
        {"std::bad_alloc", [] { throw std::bad_alloc(); }, 0},
        {"XOutOfMemory", [] { throw XOutOfMemory(); }, 0},
        {"XDiskFull", [] { throw XDiskFull(); }, 3},
        {"XFileNotFound", [] { throw XFileNotFound(); }, 4},
        {"XFileLocked", [] { throw XFileLocked(); }, 13},
        {"XFile", [] { throw XFile(); }, 5},
        {"XOpenFailed", [] { throw XOpenFailed(); }, 5},
        {"XBadFormat", [] { throw XBadFormat(); }, 6},
        {"XUnsupportedFormat", [] { throw XUnsupportedFormat(); }, 7},
        {"XRead", [] { throw XRead(); }, 8},
        {"XWrite", [] { throw XWrite(); }, 9},
        {"XMedia", [] { throw XMedia(); }, 10},
        {"XPosition", [] { throw XPosition(); }, 10},
        {"XUnrecoverableCommandError", [] { throw XUnrecoverableCommandError(); }, 12},
        {"XAlertAlreadyShown", [] { throw XAlertAlreadyShown(); }, -1},
        {"XBase", [] { throw XBase(); }, 11},
        {"XNotFound", [] { throw XNotFound(); }, 11},
        {"std::out_of_range", [] { throw std::out_of_range("index"); }, 11},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        try {
            c.raise();
            FAIL() << "nothing thrown";
        } catch (const std::exception& caught) {
            const std::optional<std::int32_t> entry = GetCommonAlertEntry(caught);
            EXPECT_EQ(entry.value_or(-1), c.entry);
        }
    }
}
