#include "xml/XmlText.h"

#include <algorithm>
#include <iterator>

namespace XmlText {
namespace {
struct Entity {
    char plain;
    std::string_view escaped;
};
constexpr Entity kEntities[] = {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}};
}  // namespace

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto* entity =
            std::find_if(std::begin(kEntities), std::end(kEntities), [c](const Entity& e) { return e.plain == c; });
        if (entity != std::end(kEntities))
            out += entity->escaped;
        else
            out += c;
    }
    return out;
}

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        const auto* entity = std::find_if(std::begin(kEntities), std::end(kEntities), [&](const Entity& e) {
            return rest.substr(0, e.escaped.size()) == e.escaped;
        });
        if (entity != std::end(kEntities)) {
            out += entity->plain;
            i += entity->escaped.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}
}  // namespace XmlText
