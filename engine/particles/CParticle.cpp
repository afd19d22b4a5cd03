#include "particles/CParticle.h"

#include <GL/glew.h>

#include "graphics/ImageLoading.h"
#include "runtime/FrameClock.h"

namespace {
// Life units lost per second.
constexpr float kAgingRate = 10.0f;
// Alpha of a particle whose life has run out exactly.
constexpr float kSpentAlpha = 0.1f;

void vertex(const CVector3& v) { glVertex3f(v.x, v.y, v.z); }
}  // namespace

void CParticle::setVelocity(float x, float y, float z) { velocity = {x, y, z}; }

CVector3 CParticle::getVelocity() const { return velocity; }

// fade keeps the reciprocal of the full life, so life * fade is the share
// left. A life of zero or less has no share to keep.
void CParticle::setLife(float value) {
    life = value;
    fade = value > 0.0f ? 1.0f / value : 0.0f;
}

float CParticle::getLife() const { return life; }

void CParticle::setSize(const CVector3& value) { size = value; }

CVector3 CParticle::getSize() const { return size; }

void CParticle::drawPoint() const {
    glColor4fv(color.data());
    vertex(position);
}

void CParticle::drawSinglePoint() const {
    glBegin(GL_POINTS);
    drawPoint();
    glEnd();
}

void CParticle::drawBillboard(const CVector3& right, const CVector3& up) const {
    glColor4fv(color.data());
    glTexCoord2f(0.0f, 0.0f);
    vertex(position - (right + up) * size);
    glTexCoord2f(1.0f, 0.0f);
    vertex(position + (right - up) * size);
    glTexCoord2f(1.0f, 1.0f);
    vertex(position + (right + up) * size);
    glTexCoord2f(0.0f, 1.0f);
    vertex(position + (up - right) * size);
}

void CParticle::update(const CVector3& a, const CVector3& b) {
    const float dt = FrameClock::deltaTime();
    velocity += b * dt;
    velocity += a * dt;
    position += velocity * dt;
    life -= kAgingRate * dt;
}

void CParticle::updateFaded(const CVector3& a, const CVector3& b) {
    color[3] = life == 0.0f ? kSpentAlpha : life * fade;
    update(a, b);
}

void CParticle::setPosition(float x, float y, float z) { position = {x, y, z}; }

CVector3 CParticle::getPosition() const { return position; }

void CParticle::setColorAlphaFirst(float newAlpha, float newGreen, float newBlue, float newRed) {
    color = {newRed, newGreen, newBlue, newAlpha};
}

void CParticle::setColor(float newRed, float newGreen, float newBlue, float newAlpha) {
    color = {newRed, newGreen, newBlue, newAlpha};
}

void CParticle::viewerAxes(const Matrix& m, CVector3& right, CVector3& up) {
    right = {m[0], m[4], m[8]};
    up = {m[1], m[5], m[9]};
}

void CParticle::beginQuadBatch(std::uint32_t texture, bool alphaBlend) {
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    setBlendFunction(alphaBlend);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void CParticle::endQuadBatch() {
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void CParticle::setBlendFunction(bool alphaBlend) {
    glBlendFunc(GL_SRC_ALPHA, alphaBlend ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
}

std::uint32_t CParticle::loadTexture(const char* path) { return path ? ImageLoading::loadTexture(path) : 0; }
