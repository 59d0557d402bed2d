// libFuzzer's entry for the whole-disc target.

#include "akai/filesystem/tests/fuzz/FuzzDiscImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzDiscImage(data, size);
}
