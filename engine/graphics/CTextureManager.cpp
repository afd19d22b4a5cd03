#include "graphics/CTextureManager.h"

#include <algorithm>

#include "graphics/CTexture.h"

void CTextureManager::reloadAll() {
    // A copy: reloading registers again (a no-op) and must not disturb the walk.
    const std::vector<CTexture*> current = textures;
    for (CTexture* texture : current)
        texture->reload();
}

void CTextureManager::addTexture(CTexture* texture) {
    if (!texture)
        return;
    const bool known = std::any_of(textures.begin(), textures.end(), [texture](const CTexture* t) {
        return t == texture || t->getTextureId() == texture->getTextureId();
    });
    if (!known)
        textures.push_back(texture);
}

void CTextureManager::removeTexture(CTexture* texture) {
    textures.erase(std::remove(textures.begin(), textures.end(), texture), textures.end());
}

CTexture* CTextureManager::getTexture(int index) const {
    return index >= 0 && index < getCount() ? textures[static_cast<std::size_t>(index)] : nullptr;
}
