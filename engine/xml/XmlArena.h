#pragma once
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

// Storage for one read document: its bytes, and the elements and attribute
// tables parsed from them. Attribute names and values are views into the
// bytes, and elements are carved from one growing buffer instead of being
// allocated one by one, which is what makes reading a model with hundreds
// of thousands of elements fast. The element a read fills keeps the arena
// alive; its descendants live inside it.
class XmlArena {
public:
    explicit XmlArena(std::string bytes);
    XmlArena(const XmlArena&) = delete;
    XmlArena& operator=(const XmlArena&) = delete;

    std::string_view text() const { return bytes; }
    std::pmr::memory_resource* memory() { return &resource; }
    // Keeps another arena alive as long as this one (a node read twice).
    void retain(std::shared_ptr<XmlArena> other) { retained.push_back(std::move(other)); }

private:
    std::string bytes;
    std::pmr::monotonic_buffer_resource resource;
    std::vector<std::shared_ptr<XmlArena>> retained;
};
