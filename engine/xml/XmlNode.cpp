#include "xml/XmlNode.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "xml/XmlArena.h"
#include "xml/XmlError.h"
#include "xml/XmlStream.h"
#include "xml/XmlTag.h"
#include "xml/XmlText.h"

namespace {
// Elements open at once while reading. Real documents stay a few levels
// deep; the bound keeps a hostile one from exhausting the stack when the
// tree is written or destroyed.
constexpr std::size_t kMaxDepth = 1000;

std::string_view strip(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::runtime_error cannotOpen(const std::string& fileName) {
    return std::runtime_error("cannot open \"" + fileName + "\"");
}
}  // namespace

void XmlNode::Deleter::operator()(XmlNode* node) const {
    if (fromHeap)
        delete node;
    else
        node->~XmlNode();
}

XmlNode::XmlNode(std::string name, std::pmr::memory_resource* memory) : name(std::move(name)), attributes(memory) {}

XmlNode::~XmlNode() = default;

const std::string& XmlNode::getName() const { return name; }

XmlNode& XmlNode::setName(std::string newName) {
    name = std::move(newName);
    return *this;
}

bool XmlNode::hasAttribute(const std::string& key) const { return attributes.contains(key); }

std::string XmlNode::getAttribute(const std::string& key) const {
    const auto value = attributes.find(key);
    return value ? std::string(*value) : std::string();
}

const XmlAttributes& XmlNode::getAttributes() const { return attributes; }

void XmlNode::setAttribute(const std::string& key, const std::string& value) { attributes.set(key, value); }

void XmlNode::setAttribute(const std::string& key, int value) { attributes.set(key, std::to_string(value)); }

void XmlNode::setAttribute(const std::string& key, float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    attributes.set(key, text);
}

void XmlNode::removeAttribute(const std::string& key) { attributes.remove(key); }

void XmlNode::addChild(Ptr child) { children.push_back(std::move(child)); }

const XmlNode::Children& XmlNode::getChildren() const { return children; }

void XmlNode::addCData(const std::string& text) { addChild(std::make_unique<CData>(text, this)); }

void XmlNode::readFile(const std::string& fileName) {
    XmlStream xs = XmlStream::fromFile(fileName);
    readContent(xs);
}

void XmlNode::read(std::istream& stream) {
    XmlStream xs = XmlStream::fromStream(stream);
    readContent(xs);
}

void XmlNode::writeFile(const std::string& fileName) const {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        throw cannotOpen(fileName);
    write(file);
}

void XmlNode::write(std::ostream& stream) const { writeIndented(stream, 0); }

std::string XmlNode::startTag() const {
    std::string tag = "<" + name;
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const XmlAttributes::Attribute attribute = attributes.at(i);
        tag.append(" ").append(attribute.name).append("=\"").append(attribute.value).append("\"");
    }
    return tag + (children.empty() ? " />" : ">");
}

std::string XmlNode::endTag() const { return children.empty() ? std::string() : "</" + name + ">"; }

bool XmlNode::isSpecialNode() const { return false; }

bool XmlNode::isLeaf() const { return children.empty(); }

void XmlNode::writeIndented(std::ostream& stream, int indent) const {
    const std::string margin(static_cast<std::size_t>(std::max(indent, 0)), ' ');
    stream << margin << startTag() << '\n';
    if (children.empty())
        return;
    for (const auto& child : children)
        child->writeIndented(stream, indent + 4);
    stream << margin << endTag() << '\n';
}

// Elements are kept on an explicit stack rather than read recursively, so
// the depth of a document costs no stack.
void XmlNode::readContent(XmlStream& stream) {
    if (arena && arena != stream.arena())
        stream.arena()->retain(std::move(arena));
    arena = stream.arena();
    std::vector<XmlNode*> open{this};
    for (;;) {
        const XmlStream::Token token = stream.nextToken();
        XmlNode& current = *open.back();
        if (token.kind == XmlStream::Token::Text) {
            current.addCData(std::string(strip(token.text)));
        } else if (token.kind == XmlStream::Token::Close) {
            if (token.name != current.name)
                throw XmlError(stream.getLine(),
                               "</" + current.name + "> or opening tag expected.  Got " + XmlStream::normalise(token));
            open.pop_back();
            if (open.empty())
                return;
        } else {
            const XmlTag tag = XmlTag::fromToken(token);
            current.addChild(tag.makeNode(stream.getLine(), arena.get()));
            if (tag.closesItself())
                continue;
            if (open.size() == kMaxDepth)
                throw XmlError(stream.getLine(),
                               "Elements nested deeper than " + std::to_string(kMaxDepth) + " levels");
            open.push_back(current.children.back().get());
        }
    }
}

XmlNode::CData::CData(const std::string& rawText, const XmlNode* owner)
    : text(XmlText::unescape(rawText)), owner(owner) {}

void XmlNode::CData::writeIndented(std::ostream& stream, int indent) const {
    stream << std::string(static_cast<std::size_t>(std::max(indent, 0)), ' ') << XmlText::escape(text) << '\n';
}

bool XmlNode::CData::isCData() const { return true; }

const std::string& XmlNode::CData::getCData() const { return text; }
