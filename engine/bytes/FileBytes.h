#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Whole-file reading for the decoders, which work on bytes in memory.
namespace FileBytes {
// Reads the file at path (binary). False when it cannot be opened or read.
bool read(const std::string& path, std::vector<std::uint8_t>& out);
// The whole file as text, read in one piece. False when it cannot be
// opened or read.
bool readText(const std::string& path, std::string& out);
// As read, and says on standard error which file could not be opened.
bool readOrReport(const std::string& path, std::vector<std::uint8_t>& out);
}  // namespace FileBytes
