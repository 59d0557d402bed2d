#pragma once

// The framework's four-character codes of the sound formats, its trace signatures and its version
// constants. Each is built on its first use and kept until exit, so a static initialiser in any
// translation unit (these reach the libraries' start-up code too) sees it complete; none asks the platform.
// The standard file-type descriptions are in FileTypeDescription.h, the reserved device names and
// alphabets in RulingString.h.

#include "framework/foundation/strings/RulingString.h"
#include "framework/foundation/modules/Version.h"

#include <cstddef>

namespace NSTramvell {

// AIFF and AIFC files.
const CFourCharCode& GetAIFFTypeCode();              // "AIFF"
const CFourCharCode& GetAIFCTypeCode();              // "AIFC"
const CFourCharCode& GetAIFFFormCode();              // "FORM"
const CFourCharCode& GetAIFFApplicationChunkCode();  // "APPL"
const CFourCharCode& GetAIFFInstrumentChunkCode();   // "INST"
const CFourCharCode& GetAIFFMarkerChunkCode();       // "MARK"
const CFourCharCode& GetAIFFCommonChunkCode();       // "COMM"
const CFourCharCode& GetAIFFSoundDataChunkCode();    // "SSND"
const CFourCharCode& GetAIFCNoCompressionCode();     // "NONE"

// Standard MIDI files.
const CFourCharCode& GetMIDIFormCode();              // "FORM"
const CFourCharCode& GetMIDIHeaderChunkCode();       // "MThd"
const CFourCharCode& GetMIDITrackChunkCode();        // "MTrk"

// RIFF and WAVE files.
const CFourCharCode& GetRIFFChunkCode();             // "RIFF"
const CFourCharCode& GetWaveDataChunkCode();         // "data"
const CFourCharCode& GetWaveSamplerChunkCode();      // "smpl"
const CFourCharCode& GetWaveFormatChunkCode();       // "fmt "
const CFourCharCode& GetWaveRIFFChunkCode();         // "RIFF"
const CFourCharCode& GetWaveTypeCode();              // "WAVE"

// Trace signatures: the trace server's, and the ten of the log-file trace ("TVLa" to "TVLj").
inline constexpr std::size_t kTraceLogSignatureCount = 10;
const CApplicationDefinedSignature& GetTraceServerSignature();  // "SBOy"
// index 0 to 9; any other throws std::out_of_range.
const CApplicationDefinedSignature& GetTraceLogSignature(std::size_t index);

// Versions.
const CVersion& GetVolumeSpecFormatVersion();        // 1.0, stored CVolumeSpec records
const CVersion& GetShellItemListFormatVersion();     // 1.0, stored shell item lists
const CVersion& GetVerifyVersion();                  // 1.0.0, the verify facility
const CVersion& GetAIFFCodesVersion();               // 1.0, kept with the AIFF codes
const CVersion& GetRIFFCodesVersion();               // 1.0, kept with the RIFF and WAVE codes

} // namespace NSTramvell
