#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Test images written and read back by ImageMagick's convert, the
// independent reference for the engine's image readers.
namespace ImageMagick {
// A fresh directory under the system temp dir, removed at process exit.
const std::string& tempDir();

// Runs `convert <args>` (arguments already shell-quoted where needed);
// true when it exits 0.
bool convert(const std::string& args);

// Pixels as ImageMagick shows them (orientation applied), top row first,
// four bytes per pixel (alpha 255 where the file has none).
struct Reference {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};
bool reference(const std::string& path, Reference& out);

// Writes bytes to a file in tempDir() and returns its path.
std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readFile(const std::string& path);
}  // namespace ImageMagick
