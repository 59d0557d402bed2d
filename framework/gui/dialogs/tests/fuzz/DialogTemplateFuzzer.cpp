// libFuzzer's entry for the dialog-template target.

#include "framework/gui/dialogs/tests/fuzz/FuzzDialogTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzDialogTemplate(data, size);
}
