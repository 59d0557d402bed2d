#pragma once

// Converts a disc image file into an output folder, as the program converts a disc, and writes the HTML
// log there as the program does; the body of the command-line converter. Every question is answered as
// "Ignore" and every progress report as "go on". Progress is shown a few times a second: on a console as
// one line rewritten in place, to a file or pipe as lines; errors get lines of their own. The platform
// tables must be bound.

#include <cstdint>
#include <functional>
#include <string>

namespace NSImageConversion {

// Exit codes: completed; aborted (one line gives the cause and the output folder: a full disk or an
// output that cannot be written ends the conversion at the first file it fails; a file path too long for
// Windows is named as the cause); bad usage (a line names
// the argument and why: an empty one, an image that is missing, a folder or no Akai disc, an output
// folder that is a file, not empty, or on a missing drive or in a missing folder; a missing output folder
// whose parent exists is created).
constexpr int kCompleted = 0;
constexpr int kAborted = 1;
constexpr int kBadUsage = 2;

// Runs the conversion itself (convert) and returns its result; a test program may wrap it.
using CConversionRunner = std::function<std::uint32_t(const std::function<std::uint32_t()>& convert)>;
std::uint32_t RunDirectly(const std::function<std::uint32_t()>& convert);

// Prints why with the usage line and returns kBadUsage.
int ReportBadUsage(const char* why);

int ConvertImageFile(const std::string& imagePath, const std::string& outputPath,
                     const CConversionRunner& runConversion = RunDirectly);

} // namespace NSImageConversion
