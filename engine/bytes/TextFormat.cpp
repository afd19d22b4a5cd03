#include "bytes/TextFormat.h"

#include <cstdio>

namespace TextFormat {

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = formatList(fmt, args);
    va_end(args);
    return text;
}

std::string formatList(const char* fmt, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, fmt, args);
    return text;
}

}  // namespace TextFormat
