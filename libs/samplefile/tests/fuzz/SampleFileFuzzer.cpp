// libFuzzer's entry for the sample-file target.

#include "libs/samplefile/tests/fuzz/FuzzSampleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzSampleFile(data, size);
}
