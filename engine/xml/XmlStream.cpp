#include "xml/XmlStream.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <stdexcept>

#include "bytes/FileBytes.h"
#include "xml/XmlArena.h"
#include "xml/XmlError.h"

namespace {
constexpr char kFiller = static_cast<char>(0xFF);

bool isSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isNameChar(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_';
}

std::string_view strip(std::string_view text) {
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void endOfFile(unsigned line) { throw XmlError(line, "Unexpected end of file"); }
}  // namespace

XmlStream::XmlStream(std::string bytes)
    : arena_(std::make_shared<XmlArena>(std::move(bytes))), bytes_(arena_->text()) {}

XmlStream XmlStream::fromFile(const std::string& fileName) {
    std::string bytes;
    if (!FileBytes::readText(fileName, bytes))
        throw std::runtime_error("cannot open \"" + fileName + "\"");
    return XmlStream(std::move(bytes));
}

XmlStream XmlStream::fromStream(std::istream& stream) {
    return XmlStream(std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()));
}

unsigned char XmlStream::peekByte() const {
    return static_cast<unsigned char>(pos_ < bytes_.size() ? bytes_[pos_] : kFiller);
}

// Moves over n bytes that exist, counting their newlines.
void XmlStream::consume(std::size_t n) {
    line_ += static_cast<unsigned>(std::count(bytes_.begin() + pos_, bytes_.begin() + pos_ + n, '\n'));
    pos_ += n;
}

char XmlStream::getc() {
    const char c = static_cast<char>(peekByte());
    if (pos_ < bytes_.size() && c == '\n')
        ++line_;
    ++pos_;
    return c;
}

void XmlStream::ungetc(char c) {
    if (pos_ == 0)
        return;
    --pos_;
    if (c == '\n')
        --line_;
}

std::string XmlStream::readChars(std::size_t n) {
    const std::size_t available = pastEnd() ? 0 : std::min(n, bytes_.size() - pos_);
    std::string out(bytes_.substr(pos_, available));
    consume(available);
    return out;
}

void XmlStream::unread(const std::string& bytes) {
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        ungetc(*it);
}

void XmlStream::skipSpace() {
    while (pos_ < bytes_.size() && isSpace(static_cast<unsigned char>(bytes_[pos_]))) {
        if (bytes_[pos_] == '\n')
            ++line_;
        ++pos_;
    }
}

// Skips one comment if one starts here. The end marker is looked for from
// the byte after "<!--", so "<!-->" does not close the comment.
bool XmlStream::skipComment() {
    if (pastEnd() || bytes_.compare(pos_, 4, "<!--") != 0)
        return false;
    const std::size_t end = bytes_.find("-->", pos_ + 4);
    if (end == std::string_view::npos) {
        consume(bytes_.size() - pos_);
        throw XmlError(line_, "Unexpected end of file while parsing comment.");
    }
    consume(end + 3 - pos_);
    return true;
}

void XmlStream::skipSpaceAndComments() {
    do
        skipSpace();
    while (skipComment());
}

// A run of tag-name characters, or else the one byte found (consumed).
std::string_view XmlStream::readName() {
    skipSpaceAndComments();
    const std::size_t start = pos_;
    if (pastEnd() || pos_ == bytes_.size())
        endOfFile(line_);
    if (!isNameChar(static_cast<unsigned char>(bytes_[pos_]))) {
        getc();
        return bytes_.substr(start, 1);
    }
    while (pos_ < bytes_.size() && isNameChar(static_cast<unsigned char>(bytes_[pos_])))
        ++pos_;
    if (pos_ == bytes_.size())
        endOfFile(line_);
    return bytes_.substr(start, pos_ - start);
}

std::string_view XmlStream::scanUntil(char terminator) {
    const std::size_t start = std::min(pos_, bytes_.size());
    const std::size_t end = bytes_.find(terminator, start);
    if (end == std::string_view::npos) {
        consume(bytes_.size() - start);
        endOfFile(line_);
    }
    consume(end - start);
    return bytes_.substr(start, end - start);
}

std::string XmlStream::readUntil(char terminator) { return std::string(scanUntil(terminator)); }

void XmlStream::expect(const std::string& literal) {
    skipSpaceAndComments();
    std::string got;
    for (char wanted : literal) {
        got += getc();
        if (got.back() != wanted)
            throw XmlError(line_, "Expected: \"" + literal + "\".  Got: \"" + got + "\"");
    }
}

XmlStream::Token XmlStream::nextToken() {
    skipSpaceAndComments();
    Token token;
    if (peekByte() != '<') {
        token.text = scanUntil('<');
        return token;
    }
    getc();
    token.name = readName();
    if (token.name == "/") {
        token.kind = Token::Close;
        token.name = readName();
    } else {
        token.kind = Token::Open;
        token.text = strip(scanUntil('>'));
    }
    expect(">");
    return token;
}

std::string XmlStream::normalise(const Token& token) {
    switch (token.kind) {
    case Token::Close:
        return "</" + std::string(token.name) + ">";
    case Token::Open:
        return "<" + std::string(token.name) + " " + std::string(token.text) + ">";
    default:
        return std::string(token.text);
    }
}

std::string XmlStream::readToken() { return normalise(nextToken()); }

unsigned XmlStream::getLine() const { return line_; }
