// Writes a document holding every case the writer treats apart, for the independent readers' checks
// (check_xml_sample.py lists the same values).

#include "framework/foundation/xml/XMLWriter.h"

#include "framework/foundation/core/Media.h"

#include <cstdio>

using namespace NSTramvell;

int main(int argumentCount, char** arguments)
{
    if (argumentCount != 2)
        return 2;
    CXMLNode escaped("escaped", "1 < 2 & \"3\" > 'x'");
    escaped.AddAttribute(CXMLAttribute("all", "&<>\"'"));
    CXMLNode inner("inner", "deep");
    inner.AddAttribute(CXMLAttribute("level", "3"));
    CXMLNode middle("middle");
    middle.AddChild(inner);
    CXMLNode root("root", "root text");
    root.AddChildren({escaped, CXMLNode("cdata", "a </b> c"), CXMLNode("sectionEnd", "x ]]> </y>"),
                      CXMLNode("empty"), middle});
    COwnedMemoryMedia media;
    CXMLWriter::WriteDocument(media, {root});
    std::FILE* file = std::fopen(arguments[1], "wb");
    if (file == nullptr)
        return 1;
    const bool written = std::fwrite(media.GetBuffer(), 1, static_cast<std::size_t>(media.GetSize()), file) ==
                         static_cast<std::size_t>(media.GetSize());
    return std::fclose(file) == 0 && written ? 0 : 1;
}
