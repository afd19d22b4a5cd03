#include "xml/XmlTag.h"

#include <vector>

#include "xml/XmlArena.h"
#include "xml/XmlError.h"
#include "xml/XmlNode.h"

namespace {
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAlnum(char c) { return isLetter(c) || (c >= '0' && c <= '9'); }
// Bytes a value may not hold.
bool isValueStop(char c) { return c == '"' || c == '^' || c == '<' || c == '>' || c == '%'; }

std::size_t skipSpace(std::string_view text, std::size_t i) {
    while (i < text.size() && isSpace(text[i]))
        ++i;
    return i;
}

// A value that ends in "=" and optional white space loses that tail with the
// white space before the "=": the separator between name and value is
// "\s*=\s*\"", and the value is what lies between the first separator and
// the next one, which can only end at the closing quote.
std::string_view trimTrailingSeparator(std::string_view value) {
    std::size_t end = value.size();
    while (end > 0 && isSpace(value[end - 1]))
        --end;
    if (end == 0 || value[end - 1] != '=')
        return value;
    --end;
    while (end > 0 && isSpace(value[end - 1]))
        --end;
    return value.substr(0, end);
}

// The match of name\s*=\s*"value"\s* whose name is the run of letters and
// digits [start, nameEnd); the end of the match, or npos.
std::size_t matchAfterName(std::string_view text, std::size_t nameEnd, std::string_view& value) {
    std::size_t i = skipSpace(text, nameEnd);
    if (i >= text.size() || text[i] != '=')
        return std::string_view::npos;
    i = skipSpace(text, i + 1);
    if (i >= text.size() || text[i] != '"')
        return std::string_view::npos;
    const std::size_t valueStart = ++i;
    while (i < text.size() && !isValueStop(text[i]))
        ++i;
    if (i == valueStart || i >= text.size() || text[i] != '"')
        return std::string_view::npos;
    value = trimTrailingSeparator(text.substr(valueStart, i - valueStart));
    return skipSpace(text, i + 1);
}
}  // namespace

XmlTag XmlTag::fromToken(const XmlStream::Token& token) {
    XmlTag tag;
    tag.name = token.name;
    tag.attributeText = token.text;
    tag.selfClosing = !token.text.empty() && token.text.back() == '/';
    return tag;
}

// The name runs from index 1 to the first space, "/" or ">" at or after
// index 2; the attributes start at the first space.
XmlTag XmlTag::fromText(const std::string& token) {
    XmlTag tag;
    tag.normalised = token;
    const std::string_view text = tag.normalised;
    const std::size_t nameEnd = text.size() > 2 ? text.find_first_of(" />", 2) : std::string_view::npos;
    tag.name =
        text.substr(std::min<std::size_t>(1, text.size()), nameEnd == std::string_view::npos ? nameEnd : nameEnd - 1);
    const std::size_t space = text.find(' ');
    tag.attributeText = space == std::string_view::npos ? std::string_view() : text.substr(space);
    tag.selfClosing = text.size() >= 2 && text[text.size() - 2] == '/';
    return tag;
}

XmlNode::Ptr XmlTag::makeNode(unsigned line, XmlArena* arena) const {
    if (name.empty() || !isLetter(name.front())) {
        const std::string shown =
            normalised.empty() ? "<" + std::string(name) + " " + std::string(attributeText) + ">" : normalised;
        throw XmlError(line, "Tags cannot start with " + shown);
    }
    // Matches are gathered first so the table is sized once.
    thread_local std::vector<XmlAttributes::Attribute> found;
    found.clear();
    XmlAttributes::Attribute attribute;
    for (std::size_t pos = 0; nextAttribute(attributeText, pos, attribute.name, attribute.value);)
        found.push_back(attribute);
    XmlNode::Ptr node;
    if (arena) {
        std::pmr::memory_resource* memory = arena->memory();
        void* place = memory->allocate(sizeof(XmlNode), alignof(XmlNode));
        node = XmlNode::Ptr(new (place) XmlNode(std::string(name), memory), XmlNode::Deleter(false));
    } else {
        node = XmlNode::Ptr(new XmlNode(std::string(name)));
    }
    XmlAttributes& table = node->attributeTable();
    table.reserve(found.size());
    for (const XmlAttributes::Attribute& a : found)
        arena ? table.setViews(a.name, a.value) : table.set(a.name, a.value);
    return node;
}

// Leftmost matches first: a failed match at a letter or digit fails the same
// way for every later start inside the same run, so the search resumes after
// the run.
bool XmlTag::nextAttribute(std::string_view text, std::size_t& pos, std::string_view& name, std::string_view& value) {
    while (pos < text.size()) {
        if (!isAlnum(text[pos])) {
            ++pos;
            continue;
        }
        std::size_t nameEnd = pos;
        while (nameEnd < text.size() && isAlnum(text[nameEnd]))
            ++nameEnd;
        const std::size_t end = matchAfterName(text, nameEnd, value);
        if (end != std::string_view::npos) {
            name = text.substr(pos, nameEnd - pos);
            pos = end;
            return true;
        }
        pos = nameEnd;
    }
    return false;
}
