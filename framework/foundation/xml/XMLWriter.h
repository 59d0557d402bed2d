#pragma once

// Writes nodes as indented XML text (CR LF line ends, four blanks a level) at a media's position.

#include "framework/foundation/xml/XMLNode.h"

#include <string>
#include <vector>

namespace NSTramvell {

class CMedia;

class CXMLWriter
{
public:
    // The declaration with version "1.0", then the nodes.
    static void WriteDocument(CMedia& media, const std::vector<CXMLNode>& nodes);
    // Each node with its attributes, text and children, every line starting with the indentation. Nesting
    // deeper than kMaxXMLDepth throws XBase, since the reader would refuse it.
    static void WriteElement(CMedia& media, const std::vector<CXMLNode>& nodes, const std::string& indentation);
};

} // namespace NSTramvell
