#include "framework/foundation/xml/XMLNode.h"
#include "framework/foundation/xml/XMLReader.h"
#include "framework/foundation/xml/XMLWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::string Written(const std::vector<CXMLNode>& nodes)
{
    COwnedMemoryMedia media;
    CXMLWriter::WriteDocument(media, nodes);
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()), static_cast<std::size_t>(media.GetSize()));
}

std::vector<CXMLNode> Read(const std::string& text)
{
    COwnedMemoryMedia media(static_cast<std::int32_t>(text.size()), text.data());
    return CXMLReader::ReadDocument(media);
}

// library > shelf (with text) > book (with an attribute and text), note (empty)
std::vector<CXMLNode> MakeLibrary()
{
    CXMLNode book("book", "Tom's <tale>");
    book.AddAttribute(CXMLAttribute("id", "1"));
    CXMLNode shelf("shelf", "north");
    shelf.AddChildren({book, CXMLNode("note")});
    CXMLNode library("library");
    library.AddAttribute(CXMLAttribute("owner", "A&B"));
    library.AddChild(shelf);
    return {library};
}

std::string Nested(int depth)
{
    std::string text = "<?xml version=\"1.0\"?>";
    for (int i = 0; i < depth; ++i)
        text += "<e>";
    for (int i = 0; i < depth; ++i)
        text += "</e>";
    return text;
}

TEST(CXMLNode, NamesWithSlashBlankOrEqualsAreRefused)
{
    for (const char* name : {"a/b", "a b", "a=b", "/", " "}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(CXMLNode node(name), XBase);
        EXPECT_THROW(CXMLAttribute attribute(name, "v"), XBase);
        CXMLNode node("ok");
        EXPECT_THROW(node.SetName(name), XBase);
        EXPECT_EQ(node.GetName(), "ok");
    }
    EXPECT_NO_THROW(CXMLNode("a:b-c.d_e"));
}

TEST(CXMLNode, FindsTheFirstAttributeAndNodeOfAName)
{
    CXMLNode node("n");
    node.AddAttributes({CXMLAttribute("k", "first"), CXMLAttribute("K", "other"), CXMLAttribute("k", "second")});
    EXPECT_EQ(node.GetAttribute("k"), "first");
    EXPECT_EQ(node.GetAttribute("missing"), "");

    const std::vector<CXMLNode> nodes = {CXMLNode("a", "1"), CXMLNode("b", "2"), CXMLNode("a", "3")};
    ASSERT_NE(FindXMLNode(nodes, "a"), nullptr);
    EXPECT_EQ(FindXMLNode(nodes, "a")->GetText(), "1");
    EXPECT_EQ(FindXMLNode(nodes, "c"), nullptr);
}

TEST(CXMLWriter, WritesAThreeLevelDocumentByteForByte)
{
    EXPECT_EQ(Written(MakeLibrary()), "<?xml version=\"1.0\"?>\r\n"
                                      "<library owner=\"A&amp;B\">\r\n"
                                      "    <shelf>\r\n"
                                      "        north\r\n"
                                      "        <book id=\"1\">\r\n"
                                      "            Tom&apos;s &lt;tale&gt;\r\n"
                                      "        </book>\r\n"
                                      "        <note/>\r\n"
                                      "    </shelf>\r\n"
                                      "</library>\r\n");
}

TEST(CXMLWriter, MarkupLikeTextGoesIntoCDATAUnlessItHoldsTheSectionEnd)
{
    const struct
    {
        const char* text;
        const char* written;
    } kCases[] = {
        {"a</b", "<t>\r\n    <![CDATA[a</b]]>\r\n</t>\r\n"},
        {"a/>b", "<t>\r\n    <![CDATA[a/>b]]>\r\n</t>\r\n"},
        {"1 < 2", "<t>\r\n    1 &lt; 2\r\n</t>\r\n"},
        // A CDATA section would end at the text's own "]]>": escaped instead.
        {"x]]></y", "<t>\r\n    x]]&gt;&lt;/y\r\n</t>\r\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        COwnedMemoryMedia media;
        CXMLWriter::WriteElement(media, {CXMLNode("t", c.text)}, "");
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize()), c.written);
        media.SetPosition(0);
        const std::vector<CXMLNode> read = CXMLReader::ReadElement(media);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].GetText(), c.text);
    }
}

TEST(CXMLReader, ReadsBackWhatTheWriterWrote)
{
    const std::vector<CXMLNode> read = Read(Written(MakeLibrary()));
    ASSERT_EQ(read.size(), 1u);
    const CXMLNode& library = read[0];
    EXPECT_EQ(library.GetName(), "library");
    EXPECT_EQ(library.GetAttribute("owner"), "A&B");
    EXPECT_EQ(library.GetText(), "");
    ASSERT_EQ(library.GetChildren().size(), 1u);
    const CXMLNode& shelf = library.GetChildren()[0];
    EXPECT_EQ(shelf.GetText(), "north");
    ASSERT_EQ(shelf.GetChildren().size(), 2u);
    EXPECT_EQ(shelf.GetChildren()[0].GetName(), "book");
    EXPECT_EQ(shelf.GetChildren()[0].GetAttribute("id"), "1");
    EXPECT_EQ(shelf.GetChildren()[0].GetText(), "Tom's <tale>");
    EXPECT_EQ(shelf.GetChildren()[1].GetName(), "note");
    EXPECT_TRUE(shelf.GetChildren()[1].GetChildren().empty());
}

TEST(CXMLReader, ReadsWhatOtherWritersMake)
{
    // As python's minidom pretty-prints, and as ElementTree writes under our declaration (its own names the
    // version in single quotes, which we refuse).
    const char* kDocuments[] = {
        "<?xml version=\"1.0\" ?>\n<catalog>\n\t<item name=\"Salt &amp; &quot;Pepper&quot;\">2 &lt; 3</item>\n"
        "\t<empty size=\"0\"/>\n</catalog>\n",
        "<?xml version=\"1.0\"?>\n<catalog><item name=\"Salt &amp; 'Pepper'\">2 &gt; 1</item><empty size=\"0\" />"
        "</catalog>",
    };
    const char* kNames[] = {"Salt & \"Pepper\"", "Salt & 'Pepper'"};
    const char* kTexts[] = {"2 < 3", "2 > 1"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const std::vector<CXMLNode> read = Read(kDocuments[i]);
        ASSERT_EQ(read.size(), 1u);
        ASSERT_EQ(read[0].GetChildren().size(), 2u);
        const CXMLNode& item = read[0].GetChildren()[0];
        EXPECT_EQ(item.GetAttribute("name"), kNames[i]);
        EXPECT_EQ(item.GetText(), kTexts[i]);
        EXPECT_EQ(read[0].GetChildren()[1].GetAttribute("size"), "0");
    }
}

TEST(CXMLReader, RefusesMalformedText)
{
    const char* kCases[] = {
        "<?xmm version=\"1.0\"?><a/>",
        "<?x",
        "<?xml version=\"1.0\"?<a/>",
        "<?xml version=\"2.0\"?><a/>",
        "<?xml version='1.0'?><a/>",
        "<?xml version=\"1.0\"?><a>&foo;</a>",
        "<?xml version=\"1.0\"?><a>&#65;</a>",
        "<?xml version=\"1.0\"?><a>&amp</a>",
        "<?xml version=\"1.0\"?><a></a b>",
        "<?xml version=\"1.0\"?><a/ >",
        "<?xml version=\"1.0\"?><>",
        "<?xml version=\"1.0\"?>< b=\"1\"/>",
        "<?xml version=\"1.0\"?><a =\"1\"/>",
        "<?xml version=\"1.0\"?><a b=1/>",
        "<?xml version=\"1.0\"?><a b=\"<\"/>",
        "<?xml version=\"1.0\"?><a b=\">\"/>",
        "<?xml version=\"1.0\"?><a b =\"1\"/>",
        "<?xml version=\"1.0\"?><a b= \"1\"/>",
        "<?xml version=\"1.0\"?><a b c=\"1\"/>",
    };
    for (const char* text : kCases) {
        SCOPED_TRACE(text);
        EXPECT_THROW(Read(text), XBase);
    }
}

TEST(CXMLReader, AcceptsWhatTheFormatAllows)
{
    // An empty-element tag with one attribute, an entity in a value, a closing tag of another name.
    std::vector<CXMLNode> read = Read("<?xml version=\"1.0\"?><a k='x &amp; y'/><b>t</c><d/>");
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].GetAttributes().size(), 1u);
    EXPECT_EQ(read[0].GetAttribute("k"), "x & y");
    EXPECT_EQ(read[0].GetText(), "");
    EXPECT_EQ(read[1].GetText(), "t");
    EXPECT_EQ(read[2].GetName(), "d");

    // Text between top-level elements, comments, processing instructions and a document type are nothing.
    read = Read("<?xml version=\"1.0\" encoding=\"x\"?>junk<!DOCTYPE a [<!ELEMENT a ANY>]><!-- <b/> -->"
                "<?pi <c/> ?>more<a/>tail");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].GetName(), "a");

    // A declaration without a version, and one without its end.
    EXPECT_EQ(Read("<?xml?><a/>").size(), 1u);
    EXPECT_TRUE(Read("<?xml version=\"1.0\" <a/>").empty());

    // A start tag cut off by the end adds nothing; a closing tag cut off ends the level.
    EXPECT_TRUE(Read("<?xml version=\"1.0\"?><a b=\"1\"").empty());
    read = Read("<?xml version=\"1.0\"?><a><b/></a");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].GetChildren().size(), 1u);
}

TEST(CXMLReader, TextKeepsItsWhitespaceOnlyUnderPreserve)
{
    const std::vector<CXMLNode> read =
        Read("<?xml version=\"1.0\"?>\r\n"
             "<p xml::space=\"preserve\">\r\n a\tb\r\n\r\nc \n<q>\r\n x\t\t\ty \n</q></p>\r\n"
             "<r>\n\n  one\r\n\r\ntwo  \r\n</r><s><![CDATA[ raw <b>&amp;\n]]></s>");
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].GetText(), " a\tb\r\n\r\nc ");
    ASSERT_EQ(read[0].GetChildren().size(), 1u);
    EXPECT_EQ(read[0].GetChildren()[0].GetText(), "x y");
    EXPECT_EQ(read[1].GetText(), "one two");
    EXPECT_EQ(read[2].GetText(), "raw <b>&amp;");
}

TEST(CXMLReader, NestingIsBoundedAt256Levels)
{
    std::vector<CXMLNode> read = Read(Nested(kMaxXMLDepth));
    int depth = 0;
    for (const std::vector<CXMLNode>* level = &read; !level->empty(); level = &(*level)[0].GetChildren())
        ++depth;
    EXPECT_EQ(depth, kMaxXMLDepth);
    EXPECT_THROW(Read(Nested(kMaxXMLDepth + 1)), XBase);

    CXMLNode deepest("e");
    for (int i = 1; i < kMaxXMLDepth + 1; ++i) {
        CXMLNode outer("e");
        outer.AddChild(deepest);
        deepest = outer;
    }
    EXPECT_THROW(Written({deepest}), XBase);
    EXPECT_NO_THROW(Written(deepest.GetChildren()));
}

} // namespace
