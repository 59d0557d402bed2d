#pragma once

// Storing a finished in-memory output file in its folder, in one write. Windows builds only.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/strings/RulingString.h"

#include <string>

namespace NSConverter {
class IOutputFileMedia;
}

namespace NSAkaiConversionImplementation {

// "MQP ", ".mqp" (from the conversion strings), "Orvith Mirq Sampler Patch".
NSTramvell::CFileTypeDescription MakePatchFileType();

// Creates (or replaces) the file with the type and the creator "????" and writes the whole media into
// it. When writing fails the partly written file is deleted before the failure passes on, so no
// truncated file is left under a name that patches and the log use.
void StoreOutputFile(const NSTramvell::CFileSpec& file, NSConverter::IOutputFileMedia& media,
                     const NSTramvell::CFileTypeDescription& fileType);

// Stores the patch as the program's name with ".mqp", numbered before the extension past existing files.
// Returns the name stored.
NSTramvell::CFileName CreatePatchFile(const NSTramvell::CDirSpec& volumeFolder, const std::string& programName,
                                      NSConverter::IOutputFileMedia& media);
// Stores the WAVE file under the output sample name made unique in the folder. Returns the name stored.
NSTramvell::CFileName CreateSampleFile(NSConverter::IOutputFileMedia& media, const NSTramvell::CDirSpec& volumeFolder,
                                       const std::string& outputSampleName);

} // namespace NSAkaiConversionImplementation
