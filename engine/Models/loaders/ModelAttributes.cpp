#include "Models/loaders/ModelAttributes.h"

#include <stdexcept>

#include "bytes/TextNumbers.h"
#include "xml/XmlNode.h"

namespace {
bool parse(std::string_view text, float& out) { return TextNumbers::parseFloat(text, out); }
bool parse(std::string_view text, std::int32_t& out) { return TextNumbers::parseInt(text, out); }
}  // namespace

ModelAttributes::ModelAttributes(const XmlNode* element, const char* place, std::FILE* console)
    : element(element), place(place), console(console) {}

bool ModelAttributes::has(const char* name) const { return element && element->findAttribute(name).has_value(); }

bool ModelAttributes::present(const char* name) const {
    if (has(name))
        return true;
    std::fprintf(console, "\nCannot found %s attribute%s: Not a valid Kavor Engine 3D Model xml file!", name, place);
    return false;
}

template <typename T>
void ModelAttributes::convert(const char* name, T& out) const {
    const std::string_view text = *element->findAttribute(name);
    if (!parse(text, out))
        throw std::invalid_argument("\"" + std::string(text) + "\" is not a number: attribute " + name + place);
}

bool ModelAttributes::require(const char* name, std::string& out) const {
    if (!present(name))
        return false;
    out = std::string(*element->findAttribute(name));
    return true;
}

template <typename T>
bool ModelAttributes::require(const char* name, T& out) const {
    if (!present(name))
        return false;
    convert(name, out);
    return true;
}

template <typename T>
void ModelAttributes::optional(const char* name, T& out) const {
    if (has(name))
        convert(name, out);
}

template bool ModelAttributes::require(const char*, float&) const;
template bool ModelAttributes::require(const char*, std::int32_t&) const;
template void ModelAttributes::optional(const char*, float&) const;
template void ModelAttributes::optional(const char*, std::int32_t&) const;
