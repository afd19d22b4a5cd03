#include "xml/XmlArena.h"

namespace {
// Elements and their tables take roughly three times the bytes they were
// read from; the first block is sized for that, later ones grow from it.
constexpr std::size_t kBytesPerSourceByte = 3;
constexpr std::size_t kMinimumBlock = 4096;
}  // namespace

XmlArena::XmlArena(std::string bytes)
    : bytes(std::move(bytes)), resource(std::max(kMinimumBlock, this->bytes.size() * kBytesPerSourceByte)) {}
