#pragma once
#include <cstdarg>
#include <string>

// Lets GCC and Clang check printf-style arguments; other compilers skip it.
#if defined(__GNUC__)
#define KAVOR_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define KAVOR_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// printf-style formatting into a std::string of any length.
namespace TextFormat {
std::string format(const char* fmt, ...) KAVOR_PRINTF_FORMAT(1, 2);
std::string formatList(const char* fmt, va_list args);
}  // namespace TextFormat
