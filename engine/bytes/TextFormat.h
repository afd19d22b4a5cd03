#pragma once
#include <cstdarg>
#include <string>

// printf-style formatting into a std::string of any length.
namespace TextFormat {
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string formatList(const char* fmt, va_list args);
}  // namespace TextFormat
