#pragma once
#include <array>
#include <cstdint>

#include "Basic/CVector3.h"

// One short-lived particle: a coloured point or a textured camera-facing
// quad that moves under two constant accelerations and ages with frame time.
class CParticle {
public:
    using Matrix = std::array<float, 16>;

    CParticle() = default;
    virtual ~CParticle() = default;

    virtual void setVelocity(float x, float y, float z);
    virtual CVector3 getVelocity() const;
    virtual void setLife(float value);
    virtual float getLife() const;
    virtual void setSize(const CVector3& value);
    virtual CVector3 getSize() const;
    // Colour and vertex; the caller has a GL_POINTS batch open.
    virtual void drawPoint() const;
    virtual void drawSinglePoint() const;
    // Colour and four textured vertices spanned by the viewer's right and up
    // directions; the caller has a GL_QUADS batch open.
    virtual void drawBillboard(const CVector3& right, const CVector3& up) const;
    // Integrates one frame: velocity gains b, then a; position follows; life
    // drops by 10 per second.
    virtual void update(const CVector3& a, const CVector3& b);
    // As update, with the alpha first set to the remaining share of the life.
    virtual void updateFaded(const CVector3& a, const CVector3& b);
    virtual void setPosition(float x, float y, float z);
    virtual CVector3 getPosition() const;
    virtual void setColorAlphaFirst(float alpha, float green, float blue, float red);
    virtual void setColor(float red, float green, float blue, float alpha);

    // Red, green, blue, alpha.
    const std::array<float, 4>& getColor() const { return color; }

    // The viewer's right and up directions in world space: the first two rows
    // of a column-major modelview matrix.
    static void viewerAxes(const Matrix& modelview, CVector3& right, CVector3& up);
    // GL state shared by every quad batch: modulated texture, blending,
    // no depth writes. Additive unless alphaBlend is set.
    static void beginQuadBatch(std::uint32_t texture, bool alphaBlend);
    static void endQuadBatch();
    static void setBlendFunction(bool alphaBlend);
    // An emitter's texture through the utilities' loader; 0 (untextured)
    // when the file cannot be read or there is no path.
    static std::uint32_t loadTexture(const char* path);

private:
    CVector3 position{};
    CVector3 velocity{};
    std::array<float, 4> color{1.0f, 0.4f, 0.0f, 0.5f};
    float life = 300.0f;
    float fade = 1.0f / 300.0f;
    CVector3 size{1.0f, 2.0f, 1.0f};
};
