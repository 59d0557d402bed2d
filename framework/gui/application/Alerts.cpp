#include "framework/gui/application/Alerts.h"

#include "framework/foundation/strings/StringManager.h"

namespace NSTramvell {
namespace {

NSTramvellInternal::IAlertRecorder* gAlertRecorder = nullptr;

} // namespace

std::uint32_t DoAlertScript(const std::string& script, const std::vector<std::string>& parameters)
{
    if (gAlertRecorder != nullptr)
        return gAlertRecorder->RecordAlert(script, parameters);
    return ShowAlertBox(script, parameters);
}

std::uint32_t DoAlertScript(const std::string& script)
{
    return DoAlertScript(script, {});
}

std::uint32_t DoAlert(std::int32_t referenceNumber, const std::vector<std::string>& parameters)
{
    return DoAlertScript(GetAlertScript(referenceNumber), parameters);
}

std::uint32_t DoAlert(std::int32_t referenceNumber)
{
    return DoAlertScript(GetAlertScript(referenceNumber));
}

std::uint32_t DoAlert(std::int32_t referenceNumber, const std::string& parameter)
{
    return DoAlertScript(GetAlertScript(referenceNumber), {parameter});
}

namespace NSTramvellInternal {

IAlertRecorder* SetAlertRecorder(IAlertRecorder* recorder)
{
    IAlertRecorder* const previous = gAlertRecorder;
    gAlertRecorder = recorder;
    return previous;
}

} // namespace NSTramvellInternal
} // namespace NSTramvell
