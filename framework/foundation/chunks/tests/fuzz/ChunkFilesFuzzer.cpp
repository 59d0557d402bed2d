// libFuzzer's entry for the chunk-file target.

#include "framework/foundation/chunks/tests/fuzz/FuzzChunkFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzChunkFiles(data, size);
}
