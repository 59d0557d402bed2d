// libFuzzer's entry for the BMP-reader target.

#include "framework/gui/images/tests/fuzz/FuzzBMPReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzBMPReader(data, size);
}
