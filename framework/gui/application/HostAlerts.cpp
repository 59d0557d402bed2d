// The host build has no screen and so no alert box: an alert is traced and ends without a button.

#include "framework/foundation/trace/Trace.h"
#include "framework/gui/application/Alerts.h"

namespace NSTramvell {

std::uint32_t ShowAlertBox(const std::string& script, const std::vector<std::string>&)
{
    Trace(0, 0, "Alert not shown: %s", script.c_str());
    return kNoAlertButton;
}

} // namespace NSTramvell
