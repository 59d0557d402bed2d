#include "framework/foundation/xml/XMLReader.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <cstring>

namespace NSTramvell {
namespace {

// One character of the text. A character that came from an entity reference is content: it can neither
// end a value nor start markup.
struct CXMLCharacter
{
    char mValue;
    bool mFromReference;
};

bool IsAtEnd(const CMedia& media)
{
    return media.GetPosition() >= media.GetSize();
}

std::int32_t GetRemaining(const CMedia& media)
{
    return media.GetSize() - media.GetPosition();
}

bool IsNext(CMedia& media, const char* text)
{
    const std::int32_t length = static_cast<std::int32_t>(std::strlen(text));
    if (GetRemaining(media) < length)
        return false;
    char next[16];
    media.PeekAt(media.GetPosition(), length, next);
    return std::memcmp(next, text, static_cast<std::size_t>(length)) == 0;
}

bool IsLineBreakOrTab(char c)
{
    return c == '\t' || c == '\n' || c == '\r';
}

CXMLCharacter ReadCharacter(CMedia& media)
{
    const char first = static_cast<char>(media.ReadByte());
    if (first != '&')
        return {first, false};
    static const struct
    {
        const char* name;
        char value;
    } kEntities[] = {{"amp", '&'}, {"apos", '\''}, {"gt", '>'}, {"lt", '<'}, {"quot", '"'}};
    std::string name;
    for (;;) {
        const char c = static_cast<char>(media.ReadByte());
        if (c == ';')
            break;
        if (name.size() == 4)
            throw XBase();
        name += c;
    }
    for (const auto& entity : kEntities)
        if (name == entity.name)
            return {entity.value, true};
    throw XBase();
}

// Consumes bytes up to and including the terminator, or to the end of the media.
void SkipPast(CMedia& media, const char* terminator)
{
    const std::size_t length = std::strlen(terminator);
    std::string recent;
    while (!IsAtEnd(media)) {
        recent += static_cast<char>(media.ReadByte());
        if (recent.size() > length)
            recent.erase(0, 1);
        if (recent == terminator)
            return;
    }
}

void SkipDocumentType(CMedia& media)
{
    while (!IsAtEnd(media)) {
        const CXMLCharacter c = ReadCharacter(media);
        if (c.mFromReference)
            continue;
        if (c.mValue == '>')
            return;
        if (c.mValue == '[') {
            while (!IsAtEnd(media)) {
                const CXMLCharacter inner = ReadCharacter(media);
                if (!inner.mFromReference && inner.mValue == ']')
                    break;
            }
        }
    }
}

std::vector<CXMLNode> ReadLevel(CMedia& media, std::int32_t depth);

// Reads a quoted attribute value after its '='; false when the media ends first.
bool ReadAttributeValue(CMedia& media, std::string& value)
{
    if (IsAtEnd(media))
        return false;
    const char quote = static_cast<char>(media.ReadByte());
    if (quote != '"' && quote != '\'')
        throw XBase();
    while (!IsAtEnd(media)) {
        const CXMLCharacter c = ReadCharacter(media);
        if (!c.mFromReference) {
            if (c.mValue == quote)
                return true;
            if (c.mValue == '<' || c.mValue == '>')
                throw XBase();
        }
        value += c.mValue;
    }
    return false;
}

// Reads a start tag after its '<' and appends its element; a tag cut off by the end adds nothing.
void ReadStartTag(CMedia& media, std::int32_t depth, std::vector<CXMLNode>& nodes)
{
    if (depth > kMaxXMLDepth)
        throw XBase();
    std::string pending;
    std::string name;
    std::vector<CXMLAttribute> attributes;
    while (!IsAtEnd(media)) {
        const char next = static_cast<char>(media.PeekByte());
        if (next == ' ' || IsLineBreakOrTab(next)) {
            media.Skip(1);
            if (name.empty()) {
                name.swap(pending);
                pending.clear();
            } else if (!pending.empty()) {
                throw XBase();
            }
        } else if (next == '=') {
            media.Skip(1);
            if (pending.empty())
                throw XBase();
            std::string value;
            if (!ReadAttributeValue(media, value))
                return;
            attributes.emplace_back(pending, value);
            pending.clear();
        } else if (next == '/' || next == '>') {
            media.Skip(1);
            if (next == '/') {
                if (IsAtEnd(media))
                    return;
                if (media.ReadByte() != '>')
                    throw XBase();
            }
            if (name.empty())
                name = pending;
            if (name.empty())
                throw XBase();
            CXMLNode node(name);
            node.AddAttributes(attributes);
            if (next == '>') {
                node.SetText(CXMLReader::ReadText(media, node.GetAttribute("xml::space") == "preserve"));
                node.GetChildren() = ReadLevel(media, depth + 1);
            }
            nodes.push_back(std::move(node));
            return;
        } else {
            pending += ReadCharacter(media).mValue;
        }
    }
}

// Reads the sibling elements at one nesting depth (1 for the top level).
std::vector<CXMLNode> ReadLevel(CMedia& media, std::int32_t depth)
{
    std::vector<CXMLNode> nodes;
    while (!IsAtEnd(media)) {
        if (media.ReadByte() != '<' || IsAtEnd(media))
            continue;
        const char next = static_cast<char>(media.PeekByte());
        const std::int32_t remaining = GetRemaining(media);
        if (next == '!' && remaining >= 7 && IsNext(media, "!--")) {
            media.Skip(3);
            SkipPast(media, "-->");
        } else if (next == '!' && remaining >= 9 && IsNext(media, "!DOCTYPE")) {
            media.Skip(8);
            SkipDocumentType(media);
        } else if (next == '/') {
            // The closing name is not compared with the element's: any closing tag ends the level.
            media.Skip(1);
            while (!IsAtEnd(media)) {
                const std::uint8_t c = media.ReadByte();
                if (c == '>')
                    return nodes;
                if (c == ' ')
                    throw XBase();
            }
        } else if (next == '?') {
            media.Skip(1);
            SkipPast(media, "?>");
        } else {
            ReadStartTag(media, depth, nodes);
        }
    }
    return nodes;
}

// The declaration after "<?xml" up to its "?>"; without a question mark it runs to the end of the media.
void ReadDeclaration(CMedia& media, std::string& declaration)
{
    while (!IsAtEnd(media)) {
        const char c = static_cast<char>(media.ReadByte());
        if (c == '?') {
            if (IsAtEnd(media) || media.ReadByte() != '>')
                throw XBase();
            return;
        }
        if (c == ' ' && declaration.empty())
            continue;
        declaration += c;
    }
}

void CheckDeclaredVersion(const std::string& declaration)
{
    const std::string kVersionKey = "version=";
    const std::size_t start = declaration.find(kVersionKey);
    if (start == std::string::npos)
        return;
    const std::size_t quoteAt = start + kVersionKey.size();
    if (quoteAt >= declaration.size())
        throw XBase();
    const std::size_t closeAt = declaration.find(declaration[quoteAt], quoteAt + 1);
    if (closeAt == std::string::npos || declaration.compare(start, closeAt + 1 - start, "version=\"1.0\"") != 0)
        throw XBase();
}

} // namespace

std::vector<CXMLNode> CXMLReader::ReadDocument(CMedia& media)
{
    if (GetRemaining(media) < 5)
        throw XBase();
    char opening[5];
    media.Read(5, opening);
    if (std::memcmp(opening, "<?xml", 5) != 0)
        throw XBase();
    std::string declaration;
    ReadDeclaration(media, declaration);
    CheckDeclaredVersion(declaration);
    return ReadLevel(media, 1);
}

std::vector<CXMLNode> CXMLReader::ReadElement(CMedia& media)
{
    return ReadLevel(media, 1);
}

std::string CXMLReader::ReadText(CMedia& media, bool preserve)
{
    if (!IsAtEnd(media) && media.PeekByte() == '\r')
        media.Skip(1);
    if (!IsAtEnd(media) && media.PeekByte() == '\n')
        media.Skip(1);
    std::string text;
    bool inWhitespaceRun = false;
    while (!IsAtEnd(media)) {
        if (media.PeekByte() == '<') {
            if (IsNext(media, "<![CDATA[")) {
                media.Skip(9);
                while (!IsAtEnd(media) && !IsNext(media, "]]>"))
                    text += static_cast<char>(media.ReadByte());
            }
            break;
        }
        const CXMLCharacter c = ReadCharacter(media);
        if (!c.mFromReference && IsLineBreakOrTab(c.mValue) && !preserve) {
            if (!inWhitespaceRun && !text.empty())
                text += ' ';
            inWhitespaceRun = true;
            continue;
        }
        text += c.mValue;
        inWhitespaceRun = false;
    }
    if (!preserve) {
        const std::size_t first = text.find_first_not_of(' ');
        text = first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
    }
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    else if (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return text;
}

} // namespace NSTramvell
