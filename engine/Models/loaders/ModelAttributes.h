#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

class XmlNode;

// Reads the attributes of one element of a native model file. A required
// attribute that is missing is reported on the console ("Cannot found ...")
// and leaves its field as it was; a value that is not a number throws
// std::invalid_argument naming the attribute and its place. A missing
// element (null) reads as one whose attributes are all missing.
class ModelAttributes {
public:
    // place completes the messages, e.g. " at vertex tag".
    ModelAttributes(const XmlNode* element, const char* place, std::FILE* console);

    bool has(const char* name) const;
    bool require(const char* name, std::string& out) const;
    // Numbers: float or std::int32_t.
    template <typename T>
    bool require(const char* name, T& out) const;
    // Read when present; silently left as it is otherwise.
    template <typename T>
    void optional(const char* name, T& out) const;

private:
    bool present(const char* name) const;
    template <typename T>
    void convert(const char* name, T& out) const;

    const XmlNode* element;
    const char* place;
    std::FILE* console;
};
