// Stand-ins for the window layer's parts that are not built yet: no cursor is set, no classes are
// registered, alerts are traced instead of shown. Each part removes its lines here.

#include "framework/foundation/trace/Trace.h"
#include "framework/gui/application/Alerts.h"
#include "framework/gui/application/WindowLayer.h"

namespace NSTramvell {

void PrepareLowMemoryDialog() {}
void SetLowMemoryDialogTexts(const std::string&, const std::string&, const std::string&) {}
void ShowLowMemoryDialog() {}
void ReleaseLowMemoryDialog() {}

std::uint32_t ShowAlertBox(const std::string& script, const std::vector<std::string>&)
{
    Trace(0, 0, "Alert not shown: %s", script.c_str());
    return kNoAlertButton;
}

} // namespace NSTramvell
