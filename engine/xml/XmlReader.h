#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xml/XmlNode.h"

class XmlStream;

// Reads a whole document: an optional DOCTYPE, then an optional XML
// declaration, then the root element; anything after the root's end is not
// read. Throws XmlError on malformed input, std::runtime_error when the
// file cannot be opened.
std::unique_ptr<XmlNode> readDocument(const std::string& fileName);
std::unique_ptr<XmlNode> readDocument(std::istream& stream);
// The same on bytes already in memory.
std::unique_ptr<XmlNode> readDocumentBytes(std::string_view bytes);

// An element from its normalised opening tag token (see XmlStream::readToken),
// with its content read from the stream unless the tag closes itself. Added
// to parent when one is given (the parent then owns it and the result is
// empty); otherwise the caller owns the result.
std::unique_ptr<XmlNode> parseTag(XmlStream& stream, const std::string& token, XmlNode* parent);

// The attributes of a normalised opening tag, in document order. A name is a
// run of ASCII letters and digits directly before "=" (so my-key="v" gives
// key); values are double-quoted, non-empty and hold none of " ^ < > %.
// Anything else is skipped without an error.
std::vector<std::pair<std::string, std::string>> parseAttributes(const std::string& token);
