#include "particles/CRainParticlesystem.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

#include "graphics/CShaderManager.h"
#include "runtime/EngineGlobals.h"

namespace {
CShader* rainShader() {
    CShaderManager* shaders = EngineGlobals::shaderManager;
    return shaders ? shaders->getShader(COLOR_WITH_TEXTURE) : nullptr;
}
}  // namespace

void CRainParticlesystem::init(int count, float newTop, float newBottom, const char* texturePath) {
    createDrops(count, newTop, newBottom);
    texture = CParticle::loadTexture(texturePath);
}

float CRainParticlesystem::drawAxis(const Range& range) {
    return random.axis(range.minimum, range.maximum, range.divisor);
}

void CRainParticlesystem::createDrops(int count, float newTop, float newBottom) {
    top = newTop;
    bottom = newBottom;
    drops.reserve(drops.size() + static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const float offsetX = drawAxis(spawnX);
        const float offsetZ = drawAxis(spawnZ);
        const float height = random.height(top, bottom);
        CParticle drop;
        drop.setPosition(position.x + offsetX, position.y + height, position.z + offsetZ);
        drop.setVelocity(velocity.x, velocity.y, velocity.z);
        drop.setColor(color[0], color[1], color[2], color[3]);
        drop.setSize(dropSize);
        drops.push_back(drop);
    }
}

void CRainParticlesystem::stepDrop(CParticle& drop) {
    const CVector3 p = drop.getPosition();
    if (p.y <= bottom)
        drop.setPosition(p.x, position.y + top - std::fabs(bottom - p.y), p.z);
    drop.update(acceleration, force);
}

void CRainParticlesystem::draw() {
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    CVector3 right;
    CVector3 up;
    CParticle::viewerAxes(modelview, right, up);
    CParticle::beginQuadBatch(texture, false);
    CShader* shader = rainShader();
    if (shader)
        shader->bind();
    glBegin(GL_QUADS);
    for (CParticle& drop : drops) {
        stepDrop(drop);
        drop.drawBillboard(right, up);
    }
    glEnd();
    if (shader)
        shader->unbind();
    CParticle::endQuadBatch();
}

CParticle* CRainParticlesystem::getDrop(int index) {
    if (index < 0 || index >= getDropCount())
        return nullptr;
    return &drops[static_cast<std::size_t>(index)];
}

void CRainParticlesystem::setPosition(float x, float y, float z) { position = {x, y, z}; }

void CRainParticlesystem::setSpawnRangeX(std::int32_t minimum, std::int32_t maximum, float divisor) {
    spawnX = {minimum, maximum, divisor};
}

void CRainParticlesystem::setSpawnRangeY(std::int32_t minimum, std::int32_t maximum, float divisor) {
    spawnY = {minimum, maximum, divisor};
}

void CRainParticlesystem::setSpawnRangeZ(std::int32_t minimum, std::int32_t maximum, float divisor) {
    spawnZ = {minimum, maximum, divisor};
}

void CRainParticlesystem::setColorAlphaFirst(float newAlpha, float newGreen, float newBlue, float newRed) {
    color = {newRed, newGreen, newBlue, newAlpha};
}

void CRainParticlesystem::setColor(float newRed, float newGreen, float newBlue, float newAlpha) {
    color = {newRed, newGreen, newBlue, newAlpha};
}

void CRainParticlesystem::setVelocity(float x, float y, float z) { velocity = {x, y, z}; }

void CRainParticlesystem::setDropSize(float x, float y, float z) { dropSize = {x, y, z}; }

void CRainParticlesystem::setForce(float x, float y, float z) { force = {x, y, z}; }

CVector3 CRainParticlesystem::getForce() const { return force; }
