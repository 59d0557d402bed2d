// libFuzzer's entry for the Akai-file target.

#include "akai/parsers/tests/fuzz/FuzzAkaiFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzAkaiFile(data, size);
}
