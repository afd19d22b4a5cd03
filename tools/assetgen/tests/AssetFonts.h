#pragma once
#include <filesystem>
#include <string>

// The DejaVu fonts the generator rasterises; tests that need them skip when
// the font package is not installed.
inline std::string assetFontDirectory() { return "/usr/share/fonts/truetype/dejavu"; }

inline bool assetFontsInstalled() {
    return std::filesystem::exists(assetFontDirectory() + "/DejaVuSansMono.ttf") &&
           std::filesystem::exists(assetFontDirectory() + "/DejaVuSans-Bold.ttf");
}

#define REQUIRE_ASSET_FONTS()   \
    if (!assetFontsInstalled()) \
    GTEST_SKIP() << "fonts-dejavu-core is not installed"
