#pragma once
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

class XmlArena;

// The XML reader's cursor over a document held in memory, counting the
// newlines it consumes (the first line is line 0). Reading past the end
// yields the filler byte 0xFF and sets the end-of-file state, which only the
// steps that look for it report. Errors are thrown as XmlError.
class XmlStream {
public:
    // One token of the document, as views into it: text up to the next "<",
    // an opening tag (name and the stripped rest up to ">"), or a closing
    // tag (name).
    struct Token {
        enum Kind { Text, Open, Close };
        Kind kind = Text;
        std::string_view text;  // Text: the bytes; Open: the rest; Close: unused
        std::string_view name;  // Open and Close
    };

    // The stream keeps the bytes in an arena that the elements read from
    // them share.
    explicit XmlStream(std::string bytes);
    // A whole file (std::runtime_error "cannot open" when it cannot be
    // read) or the rest of a stream.
    static XmlStream fromFile(const std::string& fileName);
    static XmlStream fromStream(std::istream& stream);
    virtual ~XmlStream() = default;

    virtual char getc();
    // Steps back over the byte last read (c is that byte).
    virtual void ungetc(char c);
    // Up to n bytes; fewer when the document ends first.
    virtual std::string readChars(std::size_t n);
    // Steps back over bytes, the last of them read most recently.
    virtual void unread(const std::string& bytes);
    // White space and comments ("<!--" ... "-->"), any number of both.
    virtual void skipSpaceAndComments();
    // After white space and comments, the bytes of literal; throws
    // 'Expected: "L".  Got: "G"' at the first byte that differs.
    virtual void expect(const std::string& literal);
    // The bytes before the next terminator, which is left unread.
    virtual std::string readUntil(char terminator);
    // The next token in its normalised form: text, "</name>", or
    // "<name rest>" with exactly one space after the name.
    virtual std::string readToken();
    virtual unsigned getLine() const;

    // readToken without building the normalised text.
    Token nextToken();
    // The normalised text of a token.
    static std::string normalise(const Token& token);
    bool atEnd() const { return pos_ >= bytes_.size(); }
    const std::shared_ptr<XmlArena>& arena() const { return arena_; }

private:
    bool pastEnd() const { return pos_ > bytes_.size(); }
    unsigned char peekByte() const;
    void consume(std::size_t n);
    void skipSpace();
    bool skipComment();
    std::string_view readName();
    std::string_view scanUntil(char terminator);

    std::shared_ptr<XmlArena> arena_;
    std::string_view bytes_;
    std::size_t pos_ = 0;  // beyond the end once a filler byte was read
    unsigned line_ = 0;
};
