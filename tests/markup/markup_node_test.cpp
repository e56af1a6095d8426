// The markup reader on small documents written here.
#include "markup/MarkupNode.h"

#include "media/TestMedia.h"
#include "storage/FileSystem.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
CMarkupNode Parse(const std::string& text)
{
    CMarkupNode node;
    node.ParseMarkup(text.data(), text.size());
    return node;
}
} // namespace

TEST(MarkupReader, BareAndQuotedAttributes)
{
    const CMarkupNode page = Parse("<page name=first width=\"10\" title = \"a b\">\n</page>");
    EXPECT_EQ(page.GetName(), "page");
    EXPECT_EQ(page.GetAttribute("name", ""), "first");
    EXPECT_EQ(page.GetAttribute("width", ""), "10");
    EXPECT_EQ(page.GetAttribute("title", ""), "a b");
    EXPECT_EQ(page.GetAttribute("missing", "dflt"), "dflt");
    EXPECT_TRUE(page.IsComplete());
}

TEST(MarkupReader, QuotedValuesUnescapeQuoteAndBackslash)
{
    const CMarkupNode node = Parse(R"(<t a="say \"hi\"" b="c:\\dir" c="\n"></t>)");
    EXPECT_EQ(node.GetAttribute("a", ""), "say \"hi\"");
    EXPECT_EQ(node.GetAttribute("b", ""), "c:\\dir");
    EXPECT_EQ(node.GetAttribute("c", ""), "\\n");
}

TEST(MarkupReader, TextThenChildren)
{
    const CMarkupNode a = Parse("<a>text<b x=\"1\"></b><c>more</c></a>");
    EXPECT_EQ(a.GetText(), "text");
    const auto children = a.GetChildren();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->GetName(), "b");
    EXPECT_EQ(children[0]->GetIntAttribute("x", 0), 1);
    EXPECT_EQ(a.FindChild("c")->GetText(), "more");
    EXPECT_EQ(a.FindChild("d"), nullptr);
}

TEST(MarkupReader, NestedChildrenAndCopies)
{
    const CMarkupNode root = Parse("<r>\n <p n=1>\n  <q>deep</q>\n </p>\n <p n=2></p>\n</r>\nignored<x></x>");
    ASSERT_EQ(root.GetChildren().size(), 2u);
    const CMarkupNode* p = root.GetChildren()[0];
    ASSERT_NE(p->FindChild("q"), nullptr);
    EXPECT_EQ(p->FindChild("q")->GetText(), "deep");
    EXPECT_EQ(root.GetChildren()[1]->GetIntAttribute("n", 0), 2);

    CMarkupNode copy(root);
    EXPECT_NE(copy.GetChildren()[0], root.GetChildren()[0]);
    EXPECT_EQ(copy.GetChildren()[0]->FindChild("q")->GetText(), "deep");
}

TEST(MarkupReader, CommentsAndDoubleSlashesInText)
{
    const CMarkupNode node = Parse("<a // comment\n k=v>see http://x\nnext</a>");
    EXPECT_EQ(node.GetAttribute("k", ""), "v");
    EXPECT_EQ(node.GetText(), "see http:\nnext");
    const CMarkupNode lead = Parse("// heading\n<a>\n  // note\n  <b></b></a>");
    EXPECT_EQ(lead.GetName(), "a");
    EXPECT_NE(lead.FindChild("b"), nullptr);
}

TEST(MarkupReader, DeclarationBeforeTheRootBecomesTheRoot)
{
    const CMarkupNode node = Parse("<?xml version=\"1.0\"?>\n<help><page></page></help>");
    EXPECT_EQ(node.GetName(), "?xml");
    EXPECT_EQ(node.GetAttribute("version", ""), "1.0");
    // The "?" opens a bare attribute that swallows the real root's tag.
    EXPECT_EQ(node.FindChild("help"), nullptr);
}

TEST(MarkupReader, SelfClosingTagsAreNotRecognised)
{
    const CMarkupNode node = Parse("<a><br/></a>");
    ASSERT_EQ(node.GetChildren().size(), 1u);
    EXPECT_EQ(node.GetChildren()[0]->GetName(), "br/");
}

TEST(MarkupReader, UnclosedAndTruncatedInputsEndAtTheEnd)
{
    const CMarkupNode open = Parse("<a><b>text");
    EXPECT_EQ(open.GetName(), "a");
    ASSERT_NE(open.FindChild("b"), nullptr);
    EXPECT_EQ(open.FindChild("b")->GetText(), "text");

    // Cut inside a tag, a quote or a comment: nothing is read past the end.
    // The bytes beyond the cut are a trap: an attribute, a child and a close
    // that would show in the tree if the reader went on.
    const std::string full = "<a x=\"1\" y=2>t // c\n<b z=\"q\\\"\"></b></a>";
    for (std::size_t cut = 0; cut <= full.size(); ++cut)
    {
        const std::string trapped = full.substr(0, cut) + " w=\"!\">!<w/>!</b></a>";
        CMarkupNode node;
        node.ParseMarkup(trapped.data(), cut);
        EXPECT_EQ(node.GetName(), cut >= 2 ? "a" : "") << cut;
        EXPECT_EQ(node.IsComplete(), cut > full.find('>')) << cut; // its opening tag read whole
        EXPECT_EQ(node.GetAttribute("w", "-"), "-") << cut;
        for (const CMarkupNode* child : node.GetChildren())
        {
            EXPECT_EQ(child->GetName(), "b") << cut;
            EXPECT_EQ(child->GetAttribute("w", "-"), "-") << cut;
            EXPECT_EQ(child->GetText().find('!'), std::string::npos) << cut;
        }
        EXPECT_EQ(node.GetText().find('!'), std::string::npos) << cut;
    }
    CMarkupNode empty;
    empty.ParseMarkup(nullptr, 0);
    EXPECT_EQ(empty.GetName(), "");
}

TEST(MarkupReader, DeepNestingDoesNotExhaustTheStack)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    const CMarkupNode node = Parse(deep);
    EXPECT_EQ(node.GetName(), "a");
}

TEST(MarkupReader, TypedAttributeGettersFallBackToDefaults)
{
    CMarkupNode node = Parse("<a n=\"12px\" w=\"px\" e=\"\" f=\"2.5\" big=\"99999999999\"></a>");
    EXPECT_EQ(node.GetIntAttribute("n", -1), 12);
    EXPECT_EQ(node.GetIntAttribute("w", -1), -1);
    EXPECT_EQ(node.GetIntAttribute("e", -1), -1);
    EXPECT_EQ(node.GetIntAttribute("none", -1), -1);
    EXPECT_EQ(node.GetIntAttribute("big", 0), 2147483647);
    EXPECT_FLOAT_EQ(node.GetFloatAttribute("f", 0.0f), 2.5f);
    EXPECT_FLOAT_EQ(node.GetFloatAttribute("w", 7.0f), 7.0f);
}

TEST(MarkupReader, LoadsThroughTheFileLayerOrFromTheDisk)
{
    NTestMedia::CTempFolder folder;
    folder.Write("mui/help.xml", "<help><page></page></help>");
    CFileSystem files;
    files.SetRoot(folder.Path());

    CMarkupNode node;
    node.LoadMarkup(&files, "mui/help.xml");
    EXPECT_EQ(node.GetName(), "help");
    node.LoadMarkup(nullptr, folder.Path() + "/mui/help.xml");
    EXPECT_EQ(node.GetChildren().size(), 1u);
    node.LoadMarkup(&files, "mui/missing.xml");
    EXPECT_EQ(node.GetName(), "");
    EXPECT_TRUE(node.GetChildren().empty());
}
