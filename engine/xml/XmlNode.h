#pragma once
#include <iosfwd>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlAttributes.h"

class XmlArena;
class XmlStream;

// An element of an XML document: a name, attributes with raw string values,
// and children (elements and text) in document order. A node owns its
// children. The engine's native model files are read into these.
class XmlNode {
public:
    class CData;
    // Deletes nodes made with new; nodes carved from a document's arena are
    // only destroyed, the arena frees their memory.
    struct Deleter {
        bool fromHeap = true;
        Deleter() = default;
        explicit Deleter(bool heap) : fromHeap(heap) {}
        template <typename T>
        Deleter(std::default_delete<T>) {}
        void operator()(XmlNode* node) const;
    };
    using Ptr = std::unique_ptr<XmlNode, Deleter>;
    using Children = std::vector<Ptr>;

    XmlNode() = default;
    // memory holds the attribute table (a document's arena, or the heap).
    explicit XmlNode(std::string name, std::pmr::memory_resource* memory = std::pmr::get_default_resource());
    virtual ~XmlNode();
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    virtual const std::string& getName() const;
    virtual XmlNode& setName(std::string name);
    // Exact, case-sensitive.
    virtual bool hasAttribute(const std::string& name) const;
    // The value, or an empty string when absent (not an error).
    virtual std::string getAttribute(const std::string& name) const;
    virtual const XmlAttributes& getAttributes() const;
    virtual void setAttribute(const std::string& name, const std::string& value);
    // The decimal text of value.
    virtual void setAttribute(const std::string& name, int value);
    // value as C's "%g" formats it.
    virtual void setAttribute(const std::string& name, float value);
    virtual void removeAttribute(const std::string& name);
    virtual void addChild(Ptr child);
    virtual const Children& getChildren() const;
    // Appends a text node holding text with its entities decoded.
    virtual void addCData(const std::string& text);
    // Reads the file's content into this node, up to this element's closing
    // tag. Throws XmlError, or std::runtime_error when the file cannot
    // be opened.
    virtual void readFile(const std::string& fileName);
    virtual void read(std::istream& stream);
    // Writes this node and its children to the file (created or replaced).
    virtual void writeFile(const std::string& fileName) const;
    virtual void write(std::ostream& stream) const;
    // "<name a="v" ...>", with " /" before ">" for a node without children.
    virtual std::string startTag() const;
    // "</name>" for a node with children, otherwise empty.
    virtual std::string endTag() const;
    virtual bool isSpecialNode() const;
    virtual bool isLeaf() const;
    // The node at indent spaces, its children four spaces further in.
    virtual void writeIndented(std::ostream& stream, int indent) const;
    // Parses children up to this element's closing tag.
    virtual void readContent(XmlStream& stream);

    // The attribute's value as a view (no copy), or nothing when absent; for
    // readers that convert many values.
    std::optional<std::string_view> findAttribute(std::string_view name) const { return attributes.find(name); }
    XmlAttributes& attributeTable() { return attributes; }

private:
    std::shared_ptr<XmlArena> arena;  // holds the descendants a read created; destroyed last
    std::string name;
    XmlAttributes attributes;
    Children children;
};

// Text content of an element, its entities decoded.
class XmlNode::CData : public XmlNode {
public:
    CData(const std::string& rawText, const XmlNode* owner);

    void writeIndented(std::ostream& stream, int indent) const override;
    virtual bool isCData() const;
    virtual const std::string& getCData() const;

private:
    std::string text;
    const XmlNode* owner;
};
