#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Basic/CVector3.h"
#include "particles/CParticle.h"
#include "particles/CParticleRandom.h"

// Rain emitter: drops start between the bottom height and the top height
// above the emitter, fall, and wrap back to the top when they reach the
// bottom (keeping the overshoot). Drawn as camera-facing quads through the
// built-in colour-with-texture shader; drawing also moves the drops.
class CRainParticlesystem {
public:
    CRainParticlesystem() = default;
    virtual ~CRainParticlesystem() = default;

    // Appends count drops and loads the texture.
    virtual void init(int count, float top, float bottom, const char* texturePath);
    virtual void draw();
    virtual void setPosition(float x, float y, float z);
    // Drops take their height from top and bottom; the y range is kept only.
    virtual void setSpawnRangeX(std::int32_t minimum, std::int32_t maximum, float divisor);
    virtual void setSpawnRangeY(std::int32_t minimum, std::int32_t maximum, float divisor);
    virtual void setSpawnRangeZ(std::int32_t minimum, std::int32_t maximum, float divisor);
    virtual void setColorAlphaFirst(float alpha, float green, float blue, float red);
    virtual void setColor(float red, float green, float blue, float alpha);
    virtual void setVelocity(float x, float y, float z);
    virtual void setDropSize(float x, float y, float z);
    virtual void setForce(float x, float y, float z);
    virtual CVector3 getForce() const;

    // Sets the heights and appends count drops; no OpenGL involved.
    void createDrops(int count, float top, float bottom);
    // The per-drop work of a frame: wrap at the bottom, then fall.
    void stepDrop(CParticle& drop);
    // nullptr when index is not 0..count-1.
    CParticle* getDrop(int index);
    int getDropCount() const { return static_cast<int>(drops.size()); }
    void setRandomSeed(std::uint32_t seed) { random.seed(seed); }
    std::uint32_t getTexture() const { return texture; }

private:
    struct Range {
        std::int32_t minimum = 0;
        std::int32_t maximum = 0;
        float divisor = 0.0f;
    };

    float drawAxis(const Range& range);

    std::vector<CParticle> drops;
    CParticleRandom random;
    CVector3 position{};
    CVector3 velocity{};
    CVector3 dropSize{0.1f, 2.0f, 0.1f};
    std::array<float, 4> color{1.0f, 1.0f, 1.0f, 0.5f};
    CVector3 acceleration{};
    CVector3 force{};
    float top = 30.0f;
    float bottom = 0.0f;
    CParticle::Matrix modelview{};
    std::uint32_t texture = 0;
    Range spawnX;
    Range spawnY;
    Range spawnZ;
};
