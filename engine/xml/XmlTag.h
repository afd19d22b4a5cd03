#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "xml/XmlStream.h"

#include "xml/XmlNode.h"

class XmlArena;

// An opening tag taken apart: the element's name, the text its attributes
// are read from, and whether it closes itself ("<a/>").
class XmlTag {
public:
    // From a token of the stream (views into the document).
    static XmlTag fromToken(const XmlStream::Token& token);
    // From a normalised token text such as "<a x=\"1\" />".
    static XmlTag fromText(const std::string& token);

    // A new element with the tag's name and attributes, carved from arena
    // when one is given (its attribute values then stay views into the
    // token's bytes), otherwise made with new. Throws "Tags cannot start
    // with <token>" (at line) unless the name starts with a letter.
    std::unique_ptr<XmlNode, XmlNode::Deleter> makeNode(unsigned line, XmlArena* arena) const;
    bool closesItself() const { return selfClosing; }

    // Finds the next attribute in text at or after pos: true with name and
    // value set and pos moved past it, false when none is left.
    static bool nextAttribute(std::string_view text, std::size_t& pos, std::string_view& name, std::string_view& value);

private:
    std::string_view name;
    std::string_view attributeText;
    bool selfClosing = false;
    std::string normalised;  // the token text, for the error message
};
