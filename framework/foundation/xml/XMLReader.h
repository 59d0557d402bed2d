#pragma once

// Reads XML text from a media into nodes. The reader knows the five named entities, CDATA sections and
// comments, skips processing instructions and a document-type declaration, and refuses everything else it
// does not understand with a plain XBase; nesting deeper than kMaxXMLDepth is refused the same way.

#include "framework/foundation/xml/XMLNode.h"

#include <string>
#include <vector>

namespace NSTramvell {

class CMedia;

class CXMLReader
{
public:
    // The declaration ("<?xml", a version of "1.0" if it names one), then the top-level nodes.
    static std::vector<CXMLNode> ReadDocument(CMedia& media);
    // The sibling elements up to the closing tag that ends their level (whatever its name) or the end.
    static std::vector<CXMLNode> ReadElement(CMedia& media);
    // An element's text, from just after its start tag up to the next tag. Without preserve, runs of tabs
    // and line breaks become one blank and the blanks at both ends go.
    static std::string ReadText(CMedia& media, bool preserve);
};

} // namespace NSTramvell
