#include "framework/foundation/xml/XMLWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

namespace NSTramvell {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kIndentationStep = "    ";

std::string Escape(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '"': escaped += "&quot;"; break;
        case '&': escaped += "&amp;"; break;
        case '\'': escaped += "&apos;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

// A text that looks like markup goes out raw in a CDATA section, unless it holds the section's own end,
// which would cut the section short: that text is escaped like any other.
std::string TextOutput(const std::string& text)
{
    const bool looksLikeMarkup = text.find("</") != std::string::npos || text.find("/>") != std::string::npos;
    if (looksLikeMarkup && text.find("]]>") == std::string::npos)
        return "<![CDATA[" + text + "]]>";
    return Escape(text);
}

void Put(CMedia& media, const std::string& text)
{
    media.Write(static_cast<std::int32_t>(text.size()), text.data());
}

void WriteLevel(CMedia& media, const std::vector<CXMLNode>& nodes, const std::string& indentation,
                std::int32_t depth)
{
    if (!nodes.empty() && depth > kMaxXMLDepth)
        throw XBase();
    for (const CXMLNode& node : nodes) {
        std::string start = indentation + "<" + Escape(node.GetName());
        for (const CXMLAttribute& attribute : node.GetAttributes())
            start += " " + attribute.GetName() + "=\"" + Escape(attribute.GetValue()) + "\"";
        if (node.GetText().empty() && node.GetChildren().empty()) {
            Put(media, start + "/>" + kLineEnd);
            continue;
        }
        start += ">";
        if (!node.GetText().empty())
            start += kLineEnd + indentation + kIndentationStep + TextOutput(node.GetText());
        Put(media, start + kLineEnd);
        WriteLevel(media, node.GetChildren(), indentation + kIndentationStep, depth + 1);
        Put(media, indentation + "</" + Escape(node.GetName()) + ">" + kLineEnd);
    }
}

} // namespace

void CXMLWriter::WriteDocument(CMedia& media, const std::vector<CXMLNode>& nodes)
{
    Put(media, std::string("<?xml version=\"1.0\"?>") + kLineEnd);
    WriteElement(media, nodes, std::string());
}

void CXMLWriter::WriteElement(CMedia& media, const std::vector<CXMLNode>& nodes, const std::string& indentation)
{
    WriteLevel(media, nodes, indentation, 1);
}

} // namespace NSTramvell
