// libFuzzer's entry for the string-script target.

#include "framework/foundation/strings/tests/fuzz/FuzzStringScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzStringScript(data, size);
}
