#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An element's attribute table: names to raw values, a later value for a
// name replacing the earlier one. Kept compact because a model holds hundreds
// of thousands of elements: all names and values of one element share one
// string and the entries are offsets into it. Iteration follows insertion
// order, which is the order the writer uses. Lookups are linear while an
// element has few attributes and go through a hash index beyond that, so a
// tag with very many attributes cannot make parsing quadratic.
class XmlAttributes {
public:
    struct Attribute {
        std::string_view name;
        std::string_view value;
    };

    // The value of name; views stay valid until the table changes.
    std::optional<std::string_view> find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name).has_value(); }
    void set(std::string_view name, std::string_view value);
    void remove(std::string_view name);
    // Room for count attributes of about bytes characters in all.
    void reserve(std::size_t count, std::size_t bytes);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    Attribute at(std::size_t i) const { return {view(entries_[i].name), view(entries_[i].value)}; }

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Entry {
        Span name;
        Span value;
    };

    std::string_view view(Span span) const { return {text_.data() + span.offset, span.length}; }
    Span append(std::string_view bytes);
    // Position of name in entries_, or size() when absent.
    std::size_t position(std::string_view name) const;
    void rebuildIndex();

    std::string text_;
    std::vector<Entry> entries_;
    std::unordered_multimap<std::size_t, std::uint32_t> index_;  // name hash -> entry, for large tables
};
