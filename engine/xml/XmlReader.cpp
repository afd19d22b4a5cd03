#include "xml/XmlReader.h"

#include <algorithm>
#include <cctype>

#include "xml/XmlStream.h"
#include "xml/XmlTag.h"

namespace {
std::string lowerPrefix(const std::string& text, std::size_t n) {
    std::string prefix = text.substr(0, n);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return prefix;
}
}  // namespace

namespace {
std::unique_ptr<XmlNode> readFrom(XmlStream& stream) {
    std::string token = stream.readToken();
    if (lowerPrefix(token, 10) == "<! doctype")
        token = stream.readToken();
    if (token.size() >= 6 && lowerPrefix(token, 6) == "<? xml")
        token = stream.readToken();
    return parseTag(stream, token, nullptr);
}
}  // namespace

std::unique_ptr<XmlNode> readDocumentBytes(std::string_view bytes) {
    XmlStream stream{std::string(bytes)};
    return readFrom(stream);
}

std::unique_ptr<XmlNode> readDocument(const std::string& fileName) {
    XmlStream stream = XmlStream::fromFile(fileName);
    return readFrom(stream);
}

std::unique_ptr<XmlNode> readDocument(std::istream& stream) {
    XmlStream xs = XmlStream::fromStream(stream);
    return readFrom(xs);
}

std::unique_ptr<XmlNode> parseTag(XmlStream& stream, const std::string& token, XmlNode* parent) {
    const XmlTag tag = XmlTag::fromText(token);
    XmlNode::Ptr node = tag.makeNode(stream.getLine(), nullptr);
    XmlNode& element = *node;
    if (parent)
        parent->addChild(std::move(node));
    if (!tag.closesItself())
        element.readContent(stream);
    return std::unique_ptr<XmlNode>(node.release());
}

std::vector<std::pair<std::string, std::string>> parseAttributes(const std::string& token) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::size_t space = token.find(' ');
    if (space == std::string::npos)
        return pairs;
    const std::string_view text = std::string_view(token).substr(space);
    std::string_view name, value;
    for (std::size_t pos = 0; XmlTag::nextAttribute(text, pos, name, value);)
        pairs.emplace_back(name, value);
    return pairs;
}
