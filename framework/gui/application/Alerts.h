#pragma once

// Alerts: an alert script (kind, title, message with ^0 placeholders, button labels) shown modally; the
// answer is the chosen button, 33 for the first, 34 and 35 for the others, 36 for none.

#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

inline constexpr std::uint32_t kFirstAlertButton = 33;
inline constexpr std::uint32_t kNoAlertButton = 36;

std::uint32_t DoAlertScript(const std::string& script, const std::vector<std::string>& parameters);
std::uint32_t DoAlertScript(const std::string& script);
// The script of an alert-script reference number (string manager).
std::uint32_t DoAlert(std::int32_t referenceNumber, const std::vector<std::string>& parameters);
std::uint32_t DoAlert(std::int32_t referenceNumber);
std::uint32_t DoAlert(std::int32_t referenceNumber, const std::string& parameter);

// Builds, runs and destroys the alert box: the alert boxes define it.
std::uint32_t ShowAlertBox(const std::string& script, const std::vector<std::string>& parameters);

namespace NSTramvellInternal {

// Takes the alerts in place of the screen while it is set (tests).
class IAlertRecorder
{
public:
    virtual std::uint32_t RecordAlert(const std::string& script, const std::vector<std::string>& parameters) = 0;

protected:
    ~IAlertRecorder() = default;
};

// Returns the recorder set before.
IAlertRecorder* SetAlertRecorder(IAlertRecorder* recorder);

} // namespace NSTramvellInternal
} // namespace NSTramvell
