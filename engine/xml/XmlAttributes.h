#pragma once
#include <cstdint>
#include <forward_list>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An element's attribute table: names to raw values, a later value for a
// name replacing the earlier one. Entries are views: into the document's
// bytes for attributes read from a file (the document's arena keeps them),
// into strings the table owns for attributes set in code. Iteration follows
// insertion order, which is the order the writer uses. Lookups are linear
// while an element has few attributes and go through a hash index beyond
// that, so a tag with very many attributes cannot make parsing quadratic.
class XmlAttributes {
public:
    struct Attribute {
        std::string_view name;
        std::string_view value;
    };

    explicit XmlAttributes(std::pmr::memory_resource* memory = std::pmr::get_default_resource());
    XmlAttributes(const XmlAttributes&) = delete;
    XmlAttributes& operator=(const XmlAttributes&) = delete;
    ~XmlAttributes();

    // The value of name; views stay valid while the table is unchanged.
    std::optional<std::string_view> find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name).has_value(); }
    // Copies name and value into the table.
    void set(std::string_view name, std::string_view value);
    // Adds views whose bytes outlive the table (a document's own bytes).
    void setViews(std::string_view name, std::string_view value);
    void remove(std::string_view name);
    void reserve(std::size_t count) { entries.reserve(count); }

    std::size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    const Attribute& at(std::size_t i) const { return entries[i]; }

private:
    using Index = std::unordered_multimap<std::size_t, std::uint32_t>;  // name hash -> entry

    // Position of name in entries, or size() when absent.
    std::size_t position(std::string_view name) const;
    std::string_view keep(std::string_view bytes);
    void rebuildIndex();

    std::pmr::vector<Attribute> entries;
    std::forward_list<std::string> owned;  // bytes of attributes set in code
    std::unique_ptr<Index> index;          // only for large tables
};
