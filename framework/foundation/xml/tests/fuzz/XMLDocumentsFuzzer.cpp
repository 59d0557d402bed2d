// libFuzzer's entry for the XML-document target.

#include "framework/foundation/xml/tests/fuzz/FuzzXMLDocuments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return NSFuzzTargets::FuzzXMLDocuments(data, size);
}
