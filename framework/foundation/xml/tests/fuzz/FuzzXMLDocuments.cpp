#include "framework/foundation/xml/tests/fuzz/FuzzXMLDocuments.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/xml/XMLReader.h"

#include <cstdlib>
#include <limits>
#include <vector>

namespace NSFuzzTargets {
namespace {

// Nothing read can be deeper than the reader allows.
void CheckDepth(const std::vector<NSTramvell::CXMLNode>& nodes, std::int32_t depth)
{
    if (!nodes.empty() && depth > NSTramvell::kMaxXMLDepth)
        std::abort();
    for (const NSTramvell::CXMLNode& node : nodes)
        CheckDepth(node.GetChildren(), depth + 1);
}

} // namespace

int FuzzXMLDocuments(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return 0;
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(size), data);
    try {
        CheckDepth(NSTramvell::CXMLReader::ReadDocument(media), 1);
    } catch (const NSTramvell::XBase&) {
        // Refused as it should be.
    }
    return 0;
}

} // namespace NSFuzzTargets
