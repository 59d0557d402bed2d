// libFuzzer's entry for the sample-file target.

#include "framework/foundation/audio/tests/fuzz/FuzzAudioFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzAudioFiles(data, size);
}
