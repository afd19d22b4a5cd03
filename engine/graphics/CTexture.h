#pragma once
#include <GL/glew.h>

#include <cstdint>
#include <limits>
#include <string>

#include "Basic/CVector2.h"

struct SDL_Surface;
class CShader;

// A sub-rectangle of an image in texture coordinates: horizontal 0 (left
// edge) to 1 (right edge), vertical 0 (bottom row) to 1 (top row).
struct TexRect {
    float top = 1.0f;
    float right = 1.0f;
    float bottom = 0.0f;
    float left = 0.0f;
};

// The engine's 2D image: an OpenGL texture loaded through SDL_image, with
// its size, a screen position and an opacity, drawn as one textured quad
// through the SIMPLE_TEXTURE program. Draws use the 2D projection (y down):
// the image shows upright with its top-left corner at the draw position,
// scaled about that corner and turned about its own centre. Every loaded
// texture is registered with the texture manager until it is destroyed.
class CTexture {
public:
    CTexture();
    explicit CTexture(const std::string& path);
    CTexture(const std::string& path, float alpha);
    virtual ~CTexture();
    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;

    // Loads fileName again (nothing for a texture that never loaded).
    virtual void reload();
    virtual float getWidth() const;
    virtual float getHeight() const;
    // Loads the image at path through SDL_image; false (texture unchanged)
    // when it cannot be read.
    virtual bool load(const std::string& path);
    // Uploads the surface (any SDL pixel format), frees it and takes the
    // SIMPLE_TEXTURE program.
    virtual bool createFromSurface(SDL_Surface* surface);
    virtual void release();
    // Binds the texture and moves the modelview matrix to the draw
    // position, turned by angle (degrees, counter-clockwise on screen as
    // OpenGL counts it) about the centre of rect drawn at scale.
    virtual void applyRotation(float scale, float angle, const CVector2& pos, const TexRect* rect);
    virtual void applyRotation(float scale, float angle, float x, float y, const TexRect* rect);
    virtual void drawAt(const CVector2& pos, float scale, float angle, float r, float g, float b, float a);
    // The whole image at (posX, posY), scale 1, untinted.
    virtual void draw();
    virtual void drawRegion(const CVector2& pos, TexRect rect, float scale, float angle, float r, float g, float b,
                            float a);
    virtual void drawRegionAt(float x, float y, TexRect rect, float scale, float angle, float r, float g, float b,
                              float a);
    virtual void drawAt(float x, float y, float scale, float angle, float r, float g, float b, float a);
    // Tinted by (r, g, b) with the texture's own opacity (opaque while no
    // opacity was ever given).
    virtual void drawAtRgb(float x, float y, float scale, float angle, float r, float g, float b);
    virtual void setWidth(float value);
    virtual void setHeight(float value);
    // Not a number until an opacity is given.
    virtual float getAlpha() const;
    virtual void setAlpha(float value);

    GLuint getTextureId() const { return textureId; }
    const std::string& getFileName() const { return fileName; }
    float getPosX() const { return posX; }
    float getPosY() const { return posY; }
    void setPosX(float x) { posX = x; }
    void setPosY(float y) { posY = y; }

private:
    void drawQuad(float x, float y, const TexRect& rect, float scale, float angle, float r, float g, float b, float a);
    void deleteTexture();

    GLuint textureId = 0;
    std::string fileName;
    float width = 0.0f;
    float height = 0.0f;
    float posX = 0.0f;
    float posY = 0.0f;
    float alpha = std::numeric_limits<float>::quiet_NaN();
    CShader* shader = nullptr;
};
