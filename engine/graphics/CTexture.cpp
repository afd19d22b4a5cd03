#include "graphics/CTexture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "graphics/CTextureManager.h"
#include "graphics/SurfacePixels.h"
#include "graphics/TextureUpload.h"
#include "graphics/TintUniform.h"
#include "runtime/EngineGlobals.h"

CTexture::CTexture() = default;

CTexture::CTexture(const std::string& path) { load(path); }

CTexture::CTexture(const std::string& path, float alphaValue) {
    load(path);
    alpha = alphaValue;
}

CTexture::~CTexture() {
    if (EngineGlobals::textureManager)
        EngineGlobals::textureManager->removeTexture(this);
    deleteTexture();
    release();
}

void CTexture::deleteTexture() {
    if (textureId != 0)
        glDeleteTextures(1, &textureId);
    textureId = 0;
}

void CTexture::reload() {
    if (!fileName.empty())
        load(fileName);
}

float CTexture::getWidth() const { return width; }
float CTexture::getHeight() const { return height; }

bool CTexture::load(const std::string& path) {
    std::printf("\nLoading Texture: %s", path.c_str());
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) {
        std::printf("\nFailed to load the image: %s\n", path.c_str());
        return false;
    }
    fileName = path;
    return createFromSurface(surface);
}

bool CTexture::createFromSurface(SDL_Surface* surface) {
    if (!surface)
        return false;
    const bool withAlpha = SurfacePixels::hasAlpha(surface);
    std::vector<std::uint8_t> pixels;
    const bool converted = SurfacePixels::extract(surface, withAlpha, pixels);
    const int w = surface->w;
    const int h = surface->h;
    SDL_FreeSurface(surface);
    if (!converted)
        return false;
    // Pixel-exact 2D drawing: nearest filtering, the image at its own size
    // (no mipmap chain, which would rescale sizes that are not powers of two).
    TextureUpload::Options options;
    options.minFilter = GL_NEAREST;
    options.magFilter = GL_NEAREST;
    options.wrap = GL_CLAMP;
    const GLuint uploaded = TextureUpload::create(pixels.data(), w, h, withAlpha ? GL_RGBA : GL_RGB, options);
    // A reload replaces the previous name instead of leaking it.
    deleteTexture();
    textureId = uploaded;
    if (EngineGlobals::shaderManager)
        shader = EngineGlobals::shaderManager->getShader(SIMPLE_TEXTURE);
    width = static_cast<float>(w);
    height = static_cast<float>(h);
    if (EngineGlobals::textureManager)
        EngineGlobals::textureManager->addTexture(this);
    return true;
}

void CTexture::release() {}

void CTexture::applyRotation(float scale, float angle, const CVector2& pos, const TexRect* rect) {
    applyRotation(scale, angle, pos.x, pos.y, rect);
}

void CTexture::applyRotation(float scale, float angle, float x, float y, const TexRect* rect) {
    glBindTexture(GL_TEXTURE_2D, textureId);
    glTranslatef(x, y, 0.0f);
    if (angle == 0.0f)
        return;
    const TexRect area = rect ? *rect : TexRect{};
    const float cx = (area.right - area.left) * width * scale / 2.0f;
    const float cy = (area.top - area.bottom) * height * scale / 2.0f;
    glTranslatef(cx, cy, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glTranslatef(-cx, -cy, 0.0f);
}

void CTexture::drawQuad(float x, float y, const TexRect& rect, float scale, float angle, float r, float g, float b,
                        float a) {
    glPushMatrix();
    applyRotation(scale, angle, x, y, &rect);
    if (scale != 1.0f)
        glScalef(scale, scale, 1.0f);
    if (glActiveTexture)
        glActiveTexture(GL_TEXTURE0);
    if (shader) {
        shader->bind();
        TintUniform::set(shader, r, g, b, a);
    }
    glColor4f(r, g, b, a);  // the same tint for fixed-function drawing
    const float qw = (rect.right - rect.left) * width;
    const float qh = (rect.top - rect.bottom) * height;
    glBegin(GL_QUADS);
    glTexCoord2f(rect.left, 1.0f - rect.bottom);
    glVertex2f(0.0f, qh);
    glTexCoord2f(rect.right, 1.0f - rect.bottom);
    glVertex2f(qw, qh);
    glTexCoord2f(rect.right, 1.0f - rect.top);
    glVertex2f(qw, 0.0f);
    glTexCoord2f(rect.left, 1.0f - rect.top);
    glVertex2f(0.0f, 0.0f);
    glEnd();
    if (shader)
        shader->unbind();
    glColor3f(1.0f, 1.0f, 1.0f);
    glPopMatrix();
}

void CTexture::drawAt(const CVector2& pos, float scale, float angle, float r, float g, float b, float a) {
    drawQuad(pos.x, pos.y, TexRect{}, scale, angle, r, g, b, a);
}

void CTexture::draw() { drawQuad(posX, posY, TexRect{}, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f); }

void CTexture::drawRegion(const CVector2& pos, TexRect rect, float scale, float angle, float r, float g, float b,
                          float a) {
    drawQuad(pos.x, pos.y, rect, scale, angle, r, g, b, a);
}

void CTexture::drawRegionAt(float x, float y, TexRect rect, float scale, float angle, float r, float g, float b,
                            float a) {
    drawQuad(x, y, rect, scale, angle, r, g, b, a);
}

void CTexture::drawAt(float x, float y, float scale, float angle, float r, float g, float b, float a) {
    drawQuad(x, y, TexRect{}, scale, angle, r, g, b, a);
}

void CTexture::drawAtRgb(float x, float y, float scale, float angle, float r, float g, float b) {
    drawQuad(x, y, TexRect{}, scale, angle, r, g, b, std::isnan(alpha) ? 1.0f : alpha);
}

void CTexture::setWidth(float value) { width = value; }
void CTexture::setHeight(float value) { height = value; }
float CTexture::getAlpha() const { return alpha; }
void CTexture::setAlpha(float value) { alpha = value; }
