// libFuzzer's entry for the MIDI-file target.

#include "framework/foundation/music/tests/fuzz/FuzzMIDIFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzMIDIFiles(data, size);
}
