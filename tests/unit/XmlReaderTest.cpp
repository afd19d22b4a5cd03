#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <functional>
#include <random>
#include <sstream>

#include "xml/XmlError.h"
#include "xml/XmlReader.h"
#include "xml/XmlStream.h"

namespace {
std::unique_ptr<XmlNode> parse(const std::string& text) { return readDocumentBytes(text); }

// The message of the XmlError that reading text throws.
std::string errorOf(const std::string& text) {
    try {
        parse(text);
    } catch (const XmlError& e) {
        return e.what();
    }
    return "no error";
}

std::string written(const XmlNode& node) {
    std::ostringstream out;
    node.write(out);
    return out.str();
}

// Attributes as "name=value;" in table order.
std::string attributesOf(const XmlNode& node) {
    std::string out;
    const XmlAttributes& table = node.getAttributes();
    for (std::size_t i = 0; i < table.size(); ++i)
        out.append(table.at(i).name).append("=").append(table.at(i).value).append(";");
    return out;
}

// A tree as text: elements with their attributes sorted by name, text nodes
// in brackets; the same description is made from pugixml's tree.
std::string describe(const XmlNode& node) {
    if (auto* text = dynamic_cast<const XmlNode::CData*>(&node))
        return "[" + text->getCData() + "]";
    std::vector<std::string> pairs;
    for (std::size_t i = 0; i < node.getAttributes().size(); ++i)
        pairs.push_back(std::string(node.getAttributes().at(i).name) + "=" +
                        std::string(node.getAttributes().at(i).value));
    std::sort(pairs.begin(), pairs.end());
    std::string out = "(" + node.getName();
    for (const auto& p : pairs)
        out += " " + p;
    for (const auto& child : node.getChildren())
        out += describe(*child);
    return out + ")";
}

std::string describe(const pugi::xml_node& node) {
    if (node.type() == pugi::node_pcdata) {
        std::string text = node.value();
        text.erase(0, text.find_first_not_of(" \t\r\n"));
        text.erase(text.find_last_not_of(" \t\r\n") + 1);
        return "[" + text + "]";
    }
    std::vector<std::string> pairs;
    for (const auto& a : node.attributes())
        pairs.push_back(std::string(a.name()) + "=" + a.value());
    std::sort(pairs.begin(), pairs.end());
    std::string out = std::string("(") + node.name();
    for (const auto& p : pairs)
        out += " " + p;
    for (const auto& child : node.children())
        out += describe(child);
    return out + ")";
}
}  // namespace

TEST(XmlReader, ElementsTextAndComments) {
    auto root = parse("<?xml version=\"1.0\"?>\n<a>  hello &amp; bye  <!-- note --><b/><c x=\"1\"></c></a> trailing");
    ASSERT_EQ(root->getName(), "a");
    ASSERT_EQ(root->getChildren().size(), 3u);
    auto* text = dynamic_cast<const XmlNode::CData*>(root->getChildren()[0].get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->getCData(), "hello & bye");
    EXPECT_TRUE(root->getChildren()[1]->isLeaf());
    EXPECT_EQ(root->getChildren()[2]->getAttribute("x"), "1");
    EXPECT_EQ(parse("<!DOCTYPE model>\n<?XML version=\"1.0\"?><m/>")->getName(), "m");
}

// The attribute rule: names are runs of letters and digits before "=";
// values are double-quoted, non-empty, without " ^ < > %; other text is
// skipped silently. A later value for a name replaces the earlier one.
TEST(XmlReader, AttributeRule) {
    EXPECT_EQ(attributesOf(*parse("<a   x = \"1\"  y=\"2\"  />")), "x=1;y=2;");
    EXPECT_EQ(attributesOf(*parse("<a X=\"1\" my-key=\"v\" p=\" sp \" />")), "X=1;key=v;p= sp ;");
    EXPECT_FALSE(parse("<a X=\"1\"/>")->hasAttribute("x"));
    EXPECT_EQ(attributesOf(*parse("<a e=\"\" s='1' pc=\"5%\" c=\"a^b\" ok=\"3\" ok=\"4\" />")), "ok=4;");
    EXPECT_EQ(attributesOf(*parse("<a v=\"x=\" w=\"y =  \" n=\"=\" />")), "v=x;w=y;n=;");
    EXPECT_EQ(parseAttributes("<a b=\"1\" c=\"2\" >"),
              (std::vector<std::pair<std::string, std::string>>{{"b", "1"}, {"c", "2"}}));
    EXPECT_TRUE(parseAttributes("<a>").empty());
}

// Messages carry the line (counting from 0) of the failure.
TEST(XmlReader, ErrorsWithLines) {
    EXPECT_EQ(errorOf("<a></b>"), "(Line 0)</a> or opening tag expected.  Got </b>");
    EXPECT_EQ(errorOf("<ab>\n</abc>"), "(Line 1)</ab> or opening tag expected.  Got </abc>");
    EXPECT_EQ(errorOf("<1a/>"), "(Line 0)Tags cannot start with <1a />");
    EXPECT_EQ(errorOf("<a><?xml version=\"1.0\"?></a>"), "(Line 0)Tags cannot start with <? xml version=\"1.0\"?>");
    EXPECT_EQ(errorOf("<a>\n\n<!-- never closed\n"), "(Line 3)Unexpected end of file while parsing comment.");
    EXPECT_EQ(errorOf("<a>\n<b>text"), "(Line 1)Unexpected end of file");
    EXPECT_EQ(errorOf("<a></a b>"), "(Line 0)Expected: \">\".  Got: \"b\"");
    EXPECT_EQ(errorOf(""), "(Line 0)Unexpected end of file");
}

TEST(XmlReader, DeepNestingIsRefused) {
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<a>";
    EXPECT_EQ(errorOf(deep), "(Line 0)Elements nested deeper than 1000 levels");
}

TEST(XmlStream, TokensAreNormalised) {
    XmlStream stream("  <a\n x=\"1\"  / >text <!-- c --> </ b >");
    EXPECT_EQ(stream.readToken(), "<a x=\"1\"  />");
    EXPECT_EQ(stream.getLine(), 1u);
    EXPECT_EQ(stream.readToken(), "text ");
    EXPECT_EQ(stream.readToken(), "</b>");
}

TEST(XmlWriter, IndentsEscapesAndRoundTrips) {
    auto root = parse("<model name=\"m\"><obj a=\"1\">x &lt; y</obj><leaf/></model>");
    EXPECT_EQ(written(*root),
              "<model name=\"m\">\n    <obj a=\"1\">\n        x &lt; y\n    </obj>\n    <leaf />\n</model>\n");
    EXPECT_EQ(describe(*parse(written(*root))), describe(*root));
    XmlNode node("n");
    node.setAttribute("i", -3);
    node.setAttribute("f", 0.5f);
    node.setAttribute("g", 1e-7f);
    EXPECT_EQ(written(node), "<n i=\"-3\" f=\"0.5\" g=\"1e-07\" />\n");
}

// Random documents inside the supported subset read the same as with pugixml.
TEST(XmlReader, AgreesWithPugixml) {
    std::mt19937 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto name = [&] { return std::string(1, static_cast<char>('a' + pick(5))) + std::to_string(pick(3)); };
    std::function<std::string(int)> element = [&](int depth) {
        std::string tag = name(), out = "<" + tag;
        for (int i = 0, n = pick(4); i < n; ++i)
            out += std::string(1 + pick(2), ' ') + "k" + std::to_string(i) + "=\"v " + std::to_string(pick(100)) + "\"";
        if (depth > 3 || pick(4) == 0)
            return out + (pick(2) ? "/>" : " />");
        out += ">";
        for (int i = 0, n = pick(4); i < n; ++i)
            out += pick(3) == 0 ? "\n  some text &amp; more " : pick(5) == 0 ? "<!-- c -->" : element(depth + 1);
        return out + "</" + tag + ">";
    };
    for (int round = 0; round < 200; ++round) {
        const std::string document = element(0);
        pugi::xml_document reference;
        ASSERT_TRUE(reference.load_string(document.c_str())) << document;
        EXPECT_EQ(describe(*parse(document)), describe(reference.first_child())) << document;
    }
}
