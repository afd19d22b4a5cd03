#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct GeneratedFile {
    std::string path;  // relative to the Data directory, "/" separated
    std::vector<std::uint8_t> bytes;
};

// Builds every generated data file in memory. fontDirectory holds the
// DejaVu fonts the font sheet and the logo are rasterised from. Throws
// std::runtime_error when a font cannot be read.
std::vector<GeneratedFile> generateAssets(const std::string& fontDirectory);

// The model files alone (the MD2 character with its skin, the 3DS statue
// with its textures), as generateAssets includes them; needs no fonts.
std::vector<GeneratedFile> generateModels();
