#pragma once
#include <memory>
#include <string>
#include <vector>

#include "graphics/CFont.h"

// The engine's fonts, numbered from 1 in registration order. Fonts are never
// removed.
class CFontManager {
public:
    CFontManager() = default;
    virtual ~CFontManager() = default;
    CFontManager(const CFontManager&) = delete;
    CFontManager& operator=(const CFontManager&) = delete;

    virtual void addFont(std::unique_ptr<CFont> font);
    // Prints "Loading Font: <path>", loads the font and registers it (also
    // when its image could not be read: it then prints untextured).
    virtual void loadFont(const std::string& path);
    // Font number index (1..count); 0 or a number above count gives the last
    // registered font, and nullptr while none is registered.
    virtual CFont* getFont(unsigned index) const;

    unsigned getCount() const { return static_cast<unsigned>(fonts.size()); }

private:
    std::vector<std::unique_ptr<CFont>> fonts;
};
