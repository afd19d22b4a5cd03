#include "xml/XmlAttributes.h"

#include <functional>
#include <limits>
#include <stdexcept>

namespace {
// Tables larger than this are searched through the hash index.
constexpr std::size_t kLinearSearchLimit = 16;

std::size_t hashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }
}  // namespace

std::optional<std::string_view> XmlAttributes::find(std::string_view name) const {
    const std::size_t i = position(name);
    if (i == entries_.size())
        return std::nullopt;
    return view(entries_[i].value);
}

void XmlAttributes::set(std::string_view name, std::string_view value) {
    const std::size_t i = position(name);
    if (i < entries_.size()) {
        entries_[i].value = append(value);
        return;
    }
    const Span nameSpan = append(name);
    entries_.push_back({nameSpan, append(value)});
    if (entries_.size() == kLinearSearchLimit + 1)
        rebuildIndex();
    else if (!index_.empty())
        index_.emplace(hashOf(name), static_cast<std::uint32_t>(i));
}

void XmlAttributes::remove(std::string_view name) {
    const std::size_t i = position(name);
    if (i == entries_.size())
        return;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    rebuildIndex();
}

void XmlAttributes::reserve(std::size_t count, std::size_t bytes) {
    entries_.reserve(count);
    text_.reserve(bytes);
}

// Replaced values stay behind as unused text; tables are built once and
// rarely edited, so reclaiming the space is not worth a copy.
XmlAttributes::Span XmlAttributes::append(std::string_view bytes) {
    if (text_.size() + bytes.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("attribute text too long");
    const Span span{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(bytes.size())};
    text_.append(bytes);
    return span;
}

std::size_t XmlAttributes::position(std::string_view name) const {
    if (index_.empty()) {
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (view(entries_[i].name) == name)
                return i;
        return entries_.size();
    }
    const auto [first, last] = index_.equal_range(hashOf(name));
    for (auto it = first; it != last; ++it)
        if (view(entries_[it->second].name) == name)
            return it->second;
    return entries_.size();
}

void XmlAttributes::rebuildIndex() {
    index_.clear();
    if (entries_.size() <= kLinearSearchLimit)
        return;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        index_.emplace(hashOf(view(entries_[i].name)), static_cast<std::uint32_t>(i));
}
