#include "xml/XmlReader.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "bytes/FileBytes.h"
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

std::unique_ptr<XmlNode> readDocumentBytes(std::string_view bytes) {
    XmlStream stream(bytes);
    std::string token = stream.readToken();
    if (lowerPrefix(token, 10) == "<! doctype")
        token = stream.readToken();
    if (token.size() >= 6 && lowerPrefix(token, 6) == "<? xml")
        token = stream.readToken();
    return parseTag(stream, token, nullptr);
}

std::unique_ptr<XmlNode> readDocument(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    if (!FileBytes::read(fileName, bytes))
        throw std::ios_base::failure("cannot open \"" + fileName + "\"");
    return readDocumentBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::unique_ptr<XmlNode> readDocument(std::istream& stream) {
    const std::string bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>{});
    return readDocumentBytes(bytes);
}

std::unique_ptr<XmlNode> parseTag(XmlStream& stream, const std::string& token, XmlNode* parent) {
    const XmlTag tag = XmlTag::fromText(token);
    std::unique_ptr<XmlNode> node = tag.makeNode(stream.getLine());
    XmlNode& element = *node;
    if (parent)
        parent->addChild(std::move(node));
    if (!tag.closesItself())
        element.readContent(stream);
    return node;
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
