#include "framework/foundation/xml/XMLNode.h"

#include "framework/foundation/core/Exceptions.h"

namespace NSTramvell {
namespace {

void CheckName(const std::string& name)
{
    if (name.find_first_of("/ =") != std::string::npos)
        throw XBase();
}

} // namespace

CXMLAttribute::CXMLAttribute(const std::string& name, const std::string& value)
    : mName(name)
    , mValue(value)
{
    CheckName(mName);
}

CXMLNode::CXMLNode(const std::string& name, const std::string& text)
    : mName(name)
    , mText(text)
{
    CheckName(mName);
}

void CXMLNode::SetName(const std::string& name)
{
    CheckName(name);
    mName = name;
}

std::string CXMLNode::GetAttribute(const std::string& name) const
{
    for (const CXMLAttribute& attribute : mAttributes)
        if (attribute.GetName() == name)
            return attribute.GetValue();
    return std::string();
}

void CXMLNode::AddAttributes(const std::vector<CXMLAttribute>& attributes)
{
    mAttributes.insert(mAttributes.end(), attributes.begin(), attributes.end());
}

void CXMLNode::AddChildren(const std::vector<CXMLNode>& children)
{
    mChildren.insert(mChildren.end(), children.begin(), children.end());
}

const CXMLNode* FindXMLNode(const std::vector<CXMLNode>& nodes, const std::string& name)
{
    for (const CXMLNode& node : nodes)
        if (node.GetName() == name)
            return &node;
    return nullptr;
}

} // namespace NSTramvell
