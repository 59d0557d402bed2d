#pragma once

// The names under which the conversion creates its folders and stores its files, and how a name is made
// unique. Whether a name is taken is asked of the caller, so the rules hold apart from any file system.

#include "framework/foundation/strings/RulingString.h"

#include <functional>
#include <string>

namespace NSAkaiConversionImplementation {

// True when something of that name already exists where the name is wanted.
using CNameTaken = std::function<bool(const std::string& name)>;

// The name through the folder-name rule; while it is taken, the name with 2, 3, 4 ... appended directly
// ("Partition A3"), through the rule again. No upper limit.
NSTramvell::CDirectoryName MakeUniqueFolderName(const std::string& name, const CNameTaken& isTaken);
// The name through the file-name rule; while it is taken, its stem numbered before the extension
// (PIANO.mqp, PIANO2.mqp, PIANO3.mqp; "X.wav" gives X2.wav, never X.wav2), through the rule again.
NSTramvell::CFileName MakeUniqueFileName(const std::string& name, const CNameTaken& isTaken);

// The folder text of a volume: its decoded Akai name or, for a name of blanks alone, "Volume ^0" with
// the volume's number in its partition (from 1).
std::string MakeVolumeFolderText(const std::string& decodedName, int volumeNumber);
// The program's name with the patch extension.
std::string MakePatchFileText(const std::string& programName);

// The HTML log's name for destinationName: "^0^1.htm" with ^1 empty, then while taken with ^1 = " #2"
// ... " #274", each through the file-name rule with destinationName cut by what the rule took off, so
// that the number and the extension survive. Past 274 throws XCreateFailed.
NSTramvell::CFileName MakeLogFileName(const std::string& destinationName, const CNameTaken& isTaken);

} // namespace NSAkaiConversionImplementation
