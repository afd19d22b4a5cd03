#include "scene3d/CSkyDome.h"

#include <GL/glew.h>

#include <cmath>
#include <cstdio>

#include "Basic/Matrix4x4f.h"
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
    // A second init would otherwise leak the first dome's texture.
    if (texture)
        glDeleteTextures(1, &texture);
    texture = ImageLoading::loadTexture(texturePath);
    vertexBuffer.upload(vertices.data(), vertices.size() * sizeof(float));
    texCoordBuffer.upload(texCoords.data(), texCoords.size() * sizeof(float));
    // Left bound, the buffer would turn later client-side arrays into offsets.
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    return true;
}

// The pole of the dome is +z; draw turns it upwards.
void CSkyDome::emitVertex(float phi, float theta, float radius) {
    const float p = matrix4x4f::degToRad(phi), t = matrix4x4f::degToRad(theta);
    float x = radius * std::sin(p) * std::cos(t), y = radius * std::sin(p) * std::sin(t), z = radius * std::cos(p);
    vertices.insert(vertices.end(), {x, y, z});
    texCoords.resize(texCoords.size() + 2);
    normalize(x, y, z);
    computeTexCoord(2 * vertexCount, 2 * vertexCount + 1, x, y, z);
    ++vertexCount;
}

void CSkyDome::normalize(float& x, float& y, float& z) {
    CVector3 v(x, y, z);
    v.normalize();
    x = v.x, y = v.y, z = v.z;
}

// Slots the dome does not hold are left alone.
void CSkyDome::computeTexCoord(int uIndex, int vIndex, float x, float y, float z) {
    const auto write = [this](int index, float value) {
        if (index >= 0 && static_cast<std::size_t>(index) < texCoords.size())
            texCoords[static_cast<std::size_t>(index)] = value;
    };
    write(uIndex, std::atan2(x, z) / (2.0f * kPi) + 0.5f);
    write(vIndex, std::asin(y) / kPi + 0.5f);
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
    texCoordBuffer.bind();
    glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_VERTEX_ARRAY);
    vertexBuffer.bind();
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, vertexCount);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
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
