#include "xml/XmlError.h"

XmlError::XmlError(unsigned line, const std::string& text)
    : std::runtime_error("(Line " + std::to_string(line) + ")" + text), line_(line) {}
