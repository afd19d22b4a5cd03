#include "bytes/TextNumbers.h"

#include <charconv>

namespace TextNumbers {
namespace {
// from_chars takes a minus sign but not a plus sign.
std::string_view withoutPlus(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

template <typename T>
bool parseWhole(std::string_view text, T& out) {
    text = withoutPlus(text);
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return false;
    out = value;
    return true;
}
}  // namespace

bool parseInt(std::string_view text, std::int32_t& out) { return parseWhole(text, out); }

bool parseFloat(std::string_view text, float& out) { return parseWhole(text, out); }

std::size_t scanFloat(std::string_view text, float& out) {
    const std::string_view number = withoutPlus(text);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), out);
    return error == std::errc() ? static_cast<std::size_t>(end - text.data()) : 0;
}
}  // namespace TextNumbers
