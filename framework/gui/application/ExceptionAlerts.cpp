#include "framework/gui/application/ExceptionAlerts.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/application/GuiExceptions.h"

#include <new>

namespace NSTramvell {
namespace {

template <typename TException>
bool IsA(const std::exception& exception)
{
    return dynamic_cast<const TException*>(&exception) != nullptr;
}

constexpr std::int32_t kNoAlert = -1;

struct CAlertRow
{
    bool (*mMatches)(const std::exception&);
    std::int32_t mEntry;
};

constexpr CAlertRow kAlertRows[] = {
    {&IsA<XCannotOpenHelpWindow>, 22},
    {&IsA<XShellUnableToResolveAlias>, 14},
    {&IsA<XShellUnableToOpenContainer>, 15},
    {&IsA<XShellDeviceNotReady>, 16},
    {&IsA<XShellAccessDenied>, 17},
    {&IsA<XShellNetworkPathNotFound>, 18},
    {&IsA<XShellItemNotFound>, 19},
    {&IsA<XShellFileSystemObjectNotFound>, 20},
    {&IsA<XShell>, 21},
    {&IsA<std::bad_alloc>, 0},
    {&IsA<XDiskFull>, 3},
    {&IsA<XFileNotFound>, 4},
    {&IsA<XFileLocked>, 13},
    {&IsA<XFile>, 5},
    {&IsA<XBadFormat>, 6},
    {&IsA<XUnsupportedFormat>, 7},
    {&IsA<XRead>, 8},
    {&IsA<XWrite>, 9},
    {&IsA<XMedia>, 10},
    {&IsA<XUnrecoverableCommandError>, 12},
    {&IsA<XAlertAlreadyShown>, kNoAlert},
};

} // namespace

std::optional<std::int32_t> GetCommonAlertEntry(const std::exception& exception)
{
    for (const CAlertRow& row : kAlertRows) {
        if (row.mMatches(exception)) {
            if (row.mEntry == kNoAlert)
                return std::nullopt;
            return row.mEntry;
        }
    }
    return kUnknownProblemAlertEntry;
}

} // namespace NSTramvell
