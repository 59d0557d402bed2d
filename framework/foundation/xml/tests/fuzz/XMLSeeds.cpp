#include "framework/foundation/xml/tests/fuzz/XMLSeeds.h"

#include "framework/foundation/core/Media.h"
#include "framework/foundation/xml/XMLWriter.h"
#include "tests/fuzz/SeedFiles.h"

#include <string>
#include <vector>

namespace NSFuzzTargets {
namespace {

std::vector<std::uint8_t> Written(const std::vector<NSTramvell::CXMLNode>& nodes)
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::CXMLWriter::WriteDocument(media, nodes);
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

std::vector<std::uint8_t> BytesOf(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

} // namespace

void WriteXMLDocumentSeeds(const std::filesystem::path& folder)
{
    NSTramvell::CXMLNode escaped("escaped", "1 < 2 & \"3\" > 'x'");
    escaped.AddAttribute(NSTramvell::CXMLAttribute("all", "&<>\"'"));
    NSTramvell::CXMLNode middle("middle");
    middle.AddChild(NSTramvell::CXMLNode("inner", "deep"));
    NSTramvell::CXMLNode root("root", "root text");
    root.AddChildren({escaped, NSTramvell::CXMLNode("cdata", "a </b> c"), NSTramvell::CXMLNode("empty"), middle});
    WriteSeedFile(folder, "written.xml", Written({root}));

    WriteSeedFile(folder, "other-writers.xml",
                  BytesOf("<?xml version=\"1.0\" encoding=\"us-ascii\" ?>\n<!DOCTYPE a [<!ELEMENT a ANY>]>\n"
                          "<!-- comment --><?pi data?>\n<a k='v' l=\"w\"><b/>\n\t<c x=\"&amp;&apos;\" /></a>"));
    WriteSeedFile(folder, "preserve.xml",
                  BytesOf("<?xml version=\"1.0\"?>\r\n<p xml::space=\"preserve\">\r\n a\tb\r\n<q>x</q></p>"
                          "<s><![CDATA[ raw <b> ]]></s>"));
}

} // namespace NSFuzzTargets
