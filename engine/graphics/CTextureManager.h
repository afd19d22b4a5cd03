#pragma once
#include <vector>

class CTexture;

// Registry of every texture loaded through CTexture, in registration order.
// It holds each texture once, and forgets a texture when it is destroyed.
class CTextureManager {
public:
    CTextureManager() = default;
    virtual ~CTextureManager() = default;
    CTextureManager(const CTextureManager&) = delete;
    CTextureManager& operator=(const CTextureManager&) = delete;

    // Reloads every registered texture from its file, in registration order.
    virtual void reloadAll();
    // Appends the texture unless it, or a texture with its OpenGL name, is
    // already registered.
    virtual void addTexture(CTexture* texture);

    // Called by a texture as it is destroyed.
    void removeTexture(CTexture* texture);
    int getCount() const { return static_cast<int>(textures.size()); }
    // The texture at index (0-based); nullptr outside 0..count-1.
    CTexture* getTexture(int index) const;

private:
    std::vector<CTexture*> textures;
};
