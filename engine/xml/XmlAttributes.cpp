#include "xml/XmlAttributes.h"

#include <functional>

namespace {
// Tables larger than this are searched through the hash index.
constexpr std::size_t kLinearSearchLimit = 16;

std::size_t hashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }
}  // namespace

XmlAttributes::XmlAttributes(std::pmr::memory_resource* memory) : entries(memory) {}

XmlAttributes::~XmlAttributes() = default;

std::optional<std::string_view> XmlAttributes::find(std::string_view name) const {
    const std::size_t i = position(name);
    if (i == entries.size())
        return std::nullopt;
    return entries[i].value;
}

std::string_view XmlAttributes::keep(std::string_view bytes) {
    owned.emplace_front(bytes);
    return owned.front();
}

void XmlAttributes::set(std::string_view name, std::string_view value) {
    const std::size_t i = position(name);
    if (i < entries.size())
        entries[i].value = keep(value);
    else
        setViews(keep(name), keep(value));
}

void XmlAttributes::setViews(std::string_view name, std::string_view value) {
    const std::size_t i = position(name);
    if (i < entries.size()) {
        entries[i].value = value;
        return;
    }
    entries.push_back({name, value});
    if (entries.size() == kLinearSearchLimit + 1)
        rebuildIndex();
    else if (index)
        index->emplace(hashOf(name), static_cast<std::uint32_t>(i));
}

void XmlAttributes::remove(std::string_view name) {
    const std::size_t i = position(name);
    if (i == entries.size())
        return;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
    rebuildIndex();
}

std::size_t XmlAttributes::position(std::string_view name) const {
    if (!index) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].name == name)
                return i;
        return entries.size();
    }
    const auto [first, last] = index->equal_range(hashOf(name));
    for (auto it = first; it != last; ++it)
        if (entries[it->second].name == name)
            return it->second;
    return entries.size();
}

void XmlAttributes::rebuildIndex() {
    index.reset();
    if (entries.size() <= kLinearSearchLimit)
        return;
    index = std::make_unique<Index>();
    for (std::size_t i = 0; i < entries.size(); ++i)
        index->emplace(hashOf(entries[i].name), static_cast<std::uint32_t>(i));
}
