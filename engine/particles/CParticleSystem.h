#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Basic/CVector3.h"
#include "particles/CParticle.h"
#include "particles/CParticleRandom.h"

// Fountain emitter: spawns particles at random offsets around its position
// with random initial velocities and lives, recycles each dead particle in
// place, and draws them as point sprites or camera-facing quads. Drawing also
// moves and ages the particles: one draw call per frame does everything.
class CParticleSystem {
public:
    CParticleSystem() = default;
    virtual ~CParticleSystem() = default;

    // Appends count particles (existing ones stay) and loads the texture.
    virtual void init(int count, const char* texturePath, bool pointSprites, bool alphaBlend);
    // As init, but the new particles start with the given colour instead of
    // the system colour (they take the system colour when recycled). The
    // texture is loaded too: a path given is a path meant to be used.
    virtual void initWithColor(int count, float alpha, float green, float blue, float red, const char* texturePath,
                               bool pointSprites, bool alphaBlend);
    // nullptr when index is not 0..count-1.
    virtual CParticle* getParticle(int index);
    virtual void draw();
    virtual void drawPointSprites();
    virtual void drawBillboards();
    virtual void setForce(float x, float y, float z);
    virtual CVector3 getForce() const;
    // Gravity pulls along -y.
    virtual void setGravity(float g);
    virtual void setPosition(float x, float y, float z);
    virtual CVector3 getPosition() const;
    virtual void setLifeRange(std::uint32_t minimum, std::uint32_t maximum);
    virtual void setColorAlphaFirst(float alpha, float green, float blue, float red);
    virtual void setColor(float red, float green, float blue, float alpha);
    // Spawn offsets are (integer draw in minimum + 1 .. maximum) / divisor.
    virtual void setSpawnRangeX(std::int32_t minimum, std::int32_t maximum, float divisor);
    virtual void setSpawnRangeY(std::int32_t minimum, std::int32_t maximum, float divisor);
    virtual void setSpawnRangeZ(std::int32_t minimum, std::int32_t maximum, float divisor);
    virtual void setVelocityRangeX(std::uint32_t minimum, std::uint32_t maximum, float divisor);
    virtual void setVelocityRangeY(std::uint32_t minimum, std::uint32_t maximum, float divisor);
    virtual void setVelocityRangeZ(std::uint32_t minimum, std::uint32_t maximum, float divisor);
    virtual void setPointSize(float size);
    virtual void setFading(bool on);

    // Appends count freshly spawned particles; no OpenGL involved.
    void emit(int count);
    // The per-particle work of a frame: a dead particle respawns, then the
    // particle moves and ages.
    void step(CParticle& particle);
    int getParticleCount() const { return static_cast<int>(particles.size()); }
    void setRandomSeed(std::uint32_t seed) { random.seed(seed); }
    std::uint32_t getTexture() const { return texture; }
    // Smallest point-sprite size for the current camera distance.
    float minimumPointSize() const;

private:
    template <typename Int>
    struct Range {
        Int minimum;
        Int maximum;
        float divisor;
    };
    enum Axis { X = 0, Y = 1, Z = 2 };

    template <typename Int>
    float drawAxis(const Range<Int>& range);
    void prepare(bool pointSprites, bool alphaBlend);
    void spawn(CParticle& particle);
    void beginPointSprites() const;
    void endPointSprites() const;

    std::vector<CParticle> particles;
    CParticleRandom random;
    CVector3 position{};
    float gravity = 0.1f;
    CVector3 gravityVector{};
    CVector3 force{};
    std::array<Range<std::uint32_t>, 3> velocityRange{{{0, 0, 0.0f}, {0, 30, 1000.0f}, {0, 0, 0.0f}}};
    std::uint32_t lifeMinimum = 1;
    std::uint32_t lifeMaximum = 300;
    std::array<Range<std::int32_t>, 3> spawnRange{{{-10, 10, 100.0f}, {0, 0, 1.0f}, {-10, 10, 100.0f}}};
    std::array<float, 4> color{1.0f, 1.0f, 1.0f, 1.0f};
    std::uint32_t texture = 0;
    float maximumPointSize = 1.0f;
    float pointSize = 10.0f;
    CVector3 quadSize{1.0f, 1.0f, 1.0f};
    bool fading = true;
    bool usePointSprites = true;
    bool useAlphaBlend = false;
};
