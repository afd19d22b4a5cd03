#include "graphics/CFontManager.h"

#include <cstdio>

void CFontManager::addFont(std::unique_ptr<CFont> font) {
    if (font)
        fonts.push_back(std::move(font));
}

void CFontManager::loadFont(const std::string& path) {
    std::printf("Loading Font: %s\n", path.c_str());
    auto font = std::make_unique<CFont>();
    font->load(path);
    addFont(std::move(font));
}

CFont* CFontManager::getFont(unsigned index) const {
    if (fonts.empty())
        return nullptr;
    return index >= 1 && index <= fonts.size() ? fonts[index - 1].get() : fonts.back().get();
}
