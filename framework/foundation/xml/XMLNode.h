#pragma once

// The framework's small XML document model: elements with attributes, a text and children, held by value.
// A document is a list of top-level nodes; nothing asks for a single root.

#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

// Deepest element nesting that the reader and the writer accept: deeper input is refused with XBase
// instead of running the stack out.
constexpr std::int32_t kMaxXMLDepth = 256;

class CXMLAttribute
{
public:
    // A name holding '/', a blank or '=' throws XBase: the writer puts names out unescaped.
    CXMLAttribute(const std::string& name, const std::string& value);

    const std::string& GetName() const { return mName; }
    const std::string& GetValue() const { return mValue; }

private:
    std::string mName;
    std::string mValue;   // unescaped
};

class CXMLNode
{
public:
    // The name is checked as an attribute's is.
    explicit CXMLNode(const std::string& name, const std::string& text = std::string());

    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name);
    const std::string& GetText() const { return mText; }
    void SetText(const std::string& text) { mText = text; }

    // The first attribute of that name (case-sensitive); empty when there is none.
    std::string GetAttribute(const std::string& name) const;
    void AddAttribute(const CXMLAttribute& attribute) { mAttributes.push_back(attribute); }
    void AddAttributes(const std::vector<CXMLAttribute>& attributes);
    void AddChild(const CXMLNode& child) { mChildren.push_back(child); }
    void AddChildren(const std::vector<CXMLNode>& children);

    const std::vector<CXMLAttribute>& GetAttributes() const { return mAttributes; }
    std::vector<CXMLAttribute>& GetAttributes() { return mAttributes; }
    const std::vector<CXMLNode>& GetChildren() const { return mChildren; }
    std::vector<CXMLNode>& GetChildren() { return mChildren; }

private:
    std::string mName;
    std::string mText;   // unescaped
    std::vector<CXMLAttribute> mAttributes;
    std::vector<CXMLNode> mChildren;
};

// The first node of that name, or null.
const CXMLNode* FindXMLNode(const std::vector<CXMLNode>& nodes, const std::string& name);

} // namespace NSTramvell
