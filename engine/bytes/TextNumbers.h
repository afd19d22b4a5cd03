#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Numbers written as text in the engine's files. For the parse forms the
// whole text must be the number: no white space, nothing after it.
namespace TextNumbers {
// Decimal with an optional sign, within 32 bits.
bool parseInt(std::string_view text, std::int32_t& out);
// A C-style decimal number with an optional sign and exponent.
bool parseFloat(std::string_view text, float& out);
// The number of parseFloat at the start of text, as much of the text as
// forms it: the characters it takes, 0 (and out untouched) when none starts
// there.
std::size_t scanFloat(std::string_view text, float& out);
}  // namespace TextNumbers
