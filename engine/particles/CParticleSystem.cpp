#include "particles/CParticleSystem.h"

#include <GL/glew.h>

#include <algorithm>

#include "Basic/C3DMath.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"

namespace {
// Point sprites never shrink below this many pixels, however far the camera.
constexpr float kSmallestPointSize = 10.0f;
const GLfloat kPointAttenuation[3] = {0.01f, 0.002f, 0.01f};
constexpr GLfloat kPointFadeThreshold = 120.0f;
}  // namespace

void CParticleSystem::init(int count, const char* texturePath, bool pointSprites, bool alphaBlend) {
    prepare(pointSprites, alphaBlend);
    emit(count);
    texture = CParticle::loadTexture(texturePath);
}

void CParticleSystem::initWithColor(int count, float newAlpha, float newGreen, float newBlue, float newRed,
                                    const char* texturePath, bool pointSprites, bool alphaBlend) {
    const std::size_t first = particles.size();
    prepare(pointSprites, alphaBlend);
    emit(count);
    for (std::size_t i = first; i < particles.size(); ++i)
        particles[i].setColorAlphaFirst(newAlpha, newGreen, newBlue, newRed);
    texture = CParticle::loadTexture(texturePath);
}

void CParticleSystem::prepare(bool pointSprites, bool alphaBlend) {
    usePointSprites = pointSprites;
    useAlphaBlend = alphaBlend;
    glGetFloatv(GL_POINT_SIZE_MAX_ARB, &maximumPointSize);
}

void CParticleSystem::emit(int count) {
    particles.reserve(particles.size() + static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        CParticle particle;
        spawn(particle);
        if (!usePointSprites)
            particle.setSize(quadSize);
        particles.push_back(particle);
    }
}

template <typename Int>
float CParticleSystem::drawAxis(const Range<Int>& range) {
    return random.axis(range.minimum, range.maximum, range.divisor);
}

// The draw order of the random numbers is part of what a seed reproduces.
void CParticleSystem::spawn(CParticle& particle) {
    const float offsetX = drawAxis(spawnRange[X]);
    const float offsetZ = drawAxis(spawnRange[Z]);
    const float offsetY = drawAxis(spawnRange[Y]);
    particle.setPosition(position.x + offsetX, position.y + offsetY, position.z + offsetZ);
    const float velocityX = drawAxis(velocityRange[X]);
    const float velocityY = drawAxis(velocityRange[Y]);
    const float velocityZ = drawAxis(velocityRange[Z]);
    particle.setVelocity(velocityX, velocityY, velocityZ);
    particle.setLife(random.life(lifeMinimum, lifeMaximum));
    particle.setColor(color[0], color[1], color[2], color[3]);
}

void CParticleSystem::step(CParticle& particle) {
    if (particle.getLife() <= 0.0f)
        spawn(particle);
    if (fading)
        particle.updateFaded(force, gravityVector);
    else
        particle.update(force, gravityVector);
}

CParticle* CParticleSystem::getParticle(int index) {
    if (index < 0 || index >= getParticleCount())
        return nullptr;
    return &particles[static_cast<std::size_t>(index)];
}

void CParticleSystem::draw() {
    if (usePointSprites)
        drawPointSprites();
    else
        drawBillboards();
}

void CParticleSystem::drawPointSprites() {
    beginPointSprites();
    glBegin(GL_POINTS);
    for (CParticle& particle : particles) {
        step(particle);
        particle.drawPoint();
    }
    glEnd();
    endPointSprites();
}

void CParticleSystem::drawBillboards() {
    CParticle::Matrix modelview{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    CVector3 right;
    CVector3 up;
    CParticle::viewerAxes(modelview, right, up);
    CParticle::beginQuadBatch(texture, useAlphaBlend);
    glBegin(GL_QUADS);
    for (CParticle& particle : particles) {
        step(particle);
        particle.drawBillboard(right, up);
    }
    glEnd();
    CParticle::endQuadBatch();
}

float CParticleSystem::minimumPointSize() const {
    const CCamera* camera = EngineGlobals::camera;
    const float cameraDistance = camera ? distance(position, camera->getPosition()) : 0.0f;
    return std::max(pointSize - cameraDistance / 4.0f, kSmallestPointSize);
}

// Point parameters are optional in OpenGL; without them the sprites keep the
// fixed point size.
void CParticleSystem::beginPointSprites() const {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    const bool pointParameters = glPointParameterfARB && glPointParameterfvARB;
    if (pointParameters) {
        glPointParameterfvARB(GL_POINT_DISTANCE_ATTENUATION_ARB, kPointAttenuation);
        glPointParameterfARB(GL_POINT_FADE_THRESHOLD_SIZE_ARB, kPointFadeThreshold);
        glPointParameterfARB(GL_POINT_SIZE_MIN_ARB, minimumPointSize());
    }
    glTexEnvf(GL_POINT_SPRITE_ARB, GL_COORD_REPLACE_ARB, GL_TRUE);
    glEnable(GL_POINT_SPRITE_ARB);
    glEnable(GL_BLEND);
    CParticle::setBlendFunction(useAlphaBlend);
    if (pointParameters)
        glPointParameterfARB(GL_POINT_SIZE_MAX_ARB, maximumPointSize);
}

// Depth testing stays on: the rest of the 3D frame expects it.
void CParticleSystem::endPointSprites() const {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_POINT_SPRITE_ARB);
    glDepthMask(GL_TRUE);
}

void CParticleSystem::setForce(float x, float y, float z) { force = {x, y, z}; }

CVector3 CParticleSystem::getForce() const { return force; }

void CParticleSystem::setGravity(float g) {
    gravity = g;
    gravityVector = {0.0f, -g, 0.0f};
}

void CParticleSystem::setPosition(float x, float y, float z) { position = {x, y, z}; }

CVector3 CParticleSystem::getPosition() const { return position; }

void CParticleSystem::setLifeRange(std::uint32_t minimum, std::uint32_t maximum) {
    lifeMinimum = minimum;
    lifeMaximum = maximum;
}

void CParticleSystem::setColorAlphaFirst(float newAlpha, float newGreen, float newBlue, float newRed) {
    color = {newRed, newGreen, newBlue, newAlpha};
}

void CParticleSystem::setColor(float newRed, float newGreen, float newBlue, float newAlpha) {
    color = {newRed, newGreen, newBlue, newAlpha};
}

void CParticleSystem::setSpawnRangeX(std::int32_t minimum, std::int32_t maximum, float divisor) {
    spawnRange[X] = {minimum, maximum, divisor};
}

void CParticleSystem::setSpawnRangeY(std::int32_t minimum, std::int32_t maximum, float divisor) {
    spawnRange[Y] = {minimum, maximum, divisor};
}

void CParticleSystem::setSpawnRangeZ(std::int32_t minimum, std::int32_t maximum, float divisor) {
    spawnRange[Z] = {minimum, maximum, divisor};
}

void CParticleSystem::setVelocityRangeX(std::uint32_t minimum, std::uint32_t maximum, float divisor) {
    velocityRange[X] = {minimum, maximum, divisor};
}

void CParticleSystem::setVelocityRangeY(std::uint32_t minimum, std::uint32_t maximum, float divisor) {
    velocityRange[Y] = {minimum, maximum, divisor};
}

void CParticleSystem::setVelocityRangeZ(std::uint32_t minimum, std::uint32_t maximum, float divisor) {
    velocityRange[Z] = {minimum, maximum, divisor};
}

void CParticleSystem::setPointSize(float size) { pointSize = size; }

void CParticleSystem::setFading(bool on) { fading = on; }
