#pragma once
#include <stdexcept>
#include <string>

// A document the reader cannot parse. The message reads "(Line N)text", N
// counting the newlines consumed before the fault (the first line is 0).
class XmlError : public std::runtime_error {
public:
    XmlError(unsigned line, const std::string& text);

    unsigned line() const { return line_; }

private:
    unsigned line_;
};
