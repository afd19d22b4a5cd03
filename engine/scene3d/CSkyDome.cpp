#include "scene3d/CSkyDome.h"

#include <GL/glew.h>

#include <cmath>
#include <cstdio>

#include "graphics/ImageLoading.h"
#include "runtime/FrameClock.h"

namespace {
constexpr float kPi = 3.14159265358979f;
}  // namespace

CSkyDome::~CSkyDome() {
    release();
    if (texture)
        glDeleteTextures(1, &texture);
}

bool CSkyDome::init(float dtheta, float dphi, float radius, const std::string& texturePath) {
    const int thetaStep = static_cast<int>(dtheta), phiStep = static_cast<int>(dphi);
    if (thetaStep <= 0 || phiStep <= 0 || thetaStep >= 360 || phiStep >= 90) {
        std::printf("Sky dome steps %g and %g must be whole degrees between 1 and 359 and 1 and 89.\n", dtheta, dphi);
        return false;
    }
    release();
    // Sized from the loops themselves, so steps that do not divide 360 or
    // 90 cannot write past the arrays.
    const int rings = (90 - phiStep) / phiStep + 1, segments = (360 - thetaStep) / thetaStep + 1;
    vertices.reserve(static_cast<std::size_t>(rings * segments * 4 * 3));
    texCoords.reserve(static_cast<std::size_t>(rings * segments * 4 * 2));
    for (int phi = 0; phi <= 90 - phiStep; phi += phiStep)
        for (int theta = 0; theta <= 360 - thetaStep; theta += thetaStep) {
            emitVertex(phi, theta, radius);
            emitVertex(phi + phiStep, theta, radius);
            emitVertex(phi, theta + thetaStep, radius);
            emitVertex(phi + phiStep, theta + thetaStep, radius);
        }
    texture = ImageLoading::loadTexture(texturePath);
    vertexBuffer.upload(vertices.data(), vertices.size() * sizeof(float));
    texCoordBuffer.upload(texCoords.data(), texCoords.size() * sizeof(float));
    return true;
}

// The pole of the dome is +z; draw turns it upwards.
void CSkyDome::emitVertex(float phi, float theta, float radius) {
    const float p = phi * degreesToRadians, t = theta * degreesToRadians;
    float x = radius * std::sin(p) * std::cos(t), y = radius * std::sin(p) * std::sin(t), z = radius * std::cos(p);
    vertices.insert(vertices.end(), {x, y, z});
    texCoords.resize(texCoords.size() + 2);
    normalize(x, y, z);
    computeTexCoord(2 * vertexCount, 2 * vertexCount + 1, x, y, z);
    ++vertexCount;
}

void CSkyDome::normalize(float& x, float& y, float& z) {
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f)
        return;
    x /= length;
    y /= length;
    z /= length;
}

void CSkyDome::computeTexCoord(int uIndex, int vIndex, float x, float y, float z) {
    texCoords[static_cast<std::size_t>(uIndex)] = std::atan2(x, z) / (2.0f * kPi) + 0.5f;
    texCoords[static_cast<std::size_t>(vIndex)] = std::asin(y) / kPi + 0.5f;
}

void CSkyDome::draw() {
    glColor4f(1, 1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    angle += FrameClock::deltaTime() * rotationSpeed;
    glRotatef(angle, 0, 1, 0);
    glRotatef(270, 1, 0, 0);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glBindTexture(GL_TEXTURE_2D, texture);
    texCoordBuffer.bind();
    glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_VERTEX_ARRAY);
    vertexBuffer.bind();
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, vertexCount);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glPopMatrix();
}

void CSkyDome::release() {
    vertices.clear();
    texCoords.clear();
    vertexCount = 0;
}

void CSkyDome::setPosition(const CVector3& value) { position = value; }

void CSkyDome::setPosition(float x, float y, float z) { position = {x, y, z}; }

void CSkyDome::setRotationSpeed(float degreesPerSecond) { rotationSpeed = degreesPerSecond; }

float CSkyDome::getRotationSpeed() const { return rotationSpeed; }
