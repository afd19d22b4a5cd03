#pragma once
#include <string>
#include <string_view>

// The three entities the engine's XML files use: &amp; &lt; &gt;.
namespace XmlText {
// "&" to "&amp;", "<" to "&lt;", ">" to "&gt;".
std::string escape(std::string_view text);
// The exact inverse of escape, decoded in one left-to-right pass: "&amp;lt;"
// gives back the text "&lt;" it was escaped from (entity by entity over the
// whole string would turn it into "<").
std::string unescape(std::string_view text);
}  // namespace XmlText
