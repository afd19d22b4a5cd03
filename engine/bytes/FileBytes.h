#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Whole-file reading for the readers of small files (models, documents),
// which work on bytes in memory. Large images stream through ByteReader's
// file mode instead.
namespace FileBytes {
// Reads the file at path (binary) in one piece. False when it cannot be
// opened or read.
bool read(const std::string& path, std::vector<std::uint8_t>& out);
// The same into a string.
bool readText(const std::string& path, std::string& out);
}  // namespace FileBytes
