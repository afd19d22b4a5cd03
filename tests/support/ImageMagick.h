#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// ImageMagick's convert as the independent reference for the engine's image
// readers, and the scratch files the tests write.
namespace ImageMagick {
// A fresh directory under the system temp dir, removed at process exit.
const std::string& tempDir();
// Everything left to read from stream.
std::string readAll(std::FILE* stream);
// Appends what command writes to stdout (stderr discarded) to output; true
// when it exits 0.
bool capture(const std::string& command, std::string& output);
// Runs `convert <args>`; true when it exits 0.
bool convert(const std::string& args);

// Pixels as ImageMagick shows them (orientation applied), rows top first,
// RGBA (alpha 255 where the file has none).
struct Reference {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};
bool reference(const std::string& path, Reference& out);

// Writes bytes to name in tempDir() and returns the path.
std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readFile(const std::string& path);
}  // namespace ImageMagick
