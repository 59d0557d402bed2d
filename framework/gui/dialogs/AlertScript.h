#pragma once

// An alert script read into its parts: the kind tag (which picks the icon), an optional title, the
// message with its placeholders filled in, and up to three button labels. Labels count from the end of
// the script: the last label is button 1, the default.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

enum EAlertKind : std::uint32_t
{
    kAlertNote = 15,
    kAlertWarning = 16,
    kAlertStop = 17,
    kAlertNone = 18,
};

struct CAlertScript
{
    std::uint32_t kind = kAlertNone;
    std::string title;
    std::string message;
    std::uint16_t labelCount = 0;
    std::array<std::string, 3> labels;   // index 0 is button 1
};

// A script shorter than seven characters throws std::out_of_range; a "[" without its "]" XBadFormat.
// Of more than three labels the last three are the buttons and the earlier ones are dropped. The title
// takes as many parameters as it has "^"; the message gets the ones after them.
CAlertScript ParseAlertScript(const std::string& script, const std::vector<std::string>& parameters);

} // namespace NSTramvell
