#include "scene3d/CCamera.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cmath>

#include "Basic/C3DMath.h"
#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"
#include "runtime/FrameClock.h"

namespace {
// Radians of turn per pixel of pointer offset.
constexpr float kMouseSensitivity = 0.005f;
// A larger vertical jump in one frame (a warp, a focus change) is dropped.
constexpr float kMaxVerticalTurn = 1.0f;

CVector3 unit(CVector3 v) {
    v.normalize();
    return v;
}
}  // namespace

void CCamera::positionCamera(float positionX, float positionY, float positionZ, float viewX, float viewY, float viewZ,
                             float upX, float upY, float upZ) {
    position = {positionX, positionY, positionZ};
    view = {viewX, viewY, viewZ};
    up = {upX, upY, upZ};
}

void CCamera::setViewByMouse() {
    CGraphicsCore* graphics = EngineGlobals::graphicsCore;
    CEventManager* events = EngineGlobals::eventManager;
    if (!graphics || !events)
        return;
    const int midX = graphics->getWidth() / 2;
    const int midY = graphics->getHeight() / 2;
    const int mouseX = events->getMouseX();
    const int mouseY = events->getMouseY();
    if (mouseX == midX && mouseY == midY)
        return;
    events->warpMouse(midX, midY);
    const float angleY = static_cast<float>(midX - mouseX) * kMouseSensitivity;
    const float angleZ = static_cast<float>(midY - mouseY) * kMouseSensitivity;
    if (angleZ > kMaxVerticalTurn || angleZ < -kMaxVerticalTurn)
        return;
    const CVector3 axis = leftAxis();
    // Each rotateView also mirrors the view point through the eye; doing two
    // in a row cancels that out.
    rotateView(angleZ, axis.x, axis.y, axis.z);
    rotateView(angleY, 0.0f, 1.0f, 0.0f);
}

void CCamera::rotateView(float angle, float x, float y, float z) {
    const CVector3 v = position - view;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float t = 1.0f - c;
    const CVector3 rotated{(c + t * x * x) * v.x + (t * x * y - z * s) * v.y + (t * x * z + y * s) * v.z,
                           (t * x * y + z * s) * v.x + (c + t * y * y) * v.y + (t * y * z - x * s) * v.z,
                           (t * x * z - y * s) * v.x + (t * y * z + x * s) * v.y + (c + t * z * z) * v.z};
    direction = unit(rotated);
    view = position + rotated;
}

void CCamera::moveCamera(float distance) {
    position += direction * distance;
    view += direction * distance;
}

void CCamera::strafeCamera(float distance) {
    const float dx = strafe.x * distance;
    const float dz = strafe.z * distance;
    position.x += dx;
    position.z += dz;
    view.x += dx;
    view.z += dz;
}

void CCamera::moveTo(const CVector3& newPosition) {
    view += newPosition - position;
    position = newPosition;
}

void CCamera::checkForMovement() {
    const float step = speed * FrameClock::deltaTime();
    const Uint8* keys = SDL_GetKeyState(nullptr);
    if (!keys)
        return;
    if (keys[SDLK_w])
        moveCamera(step);
    if (keys[SDLK_s])
        moveCamera(-step);
    if (keys[SDLK_a])
        strafeCamera(step);
    if (keys[SDLK_d])
        strafeCamera(-step);
}

void CCamera::update() {
    strafe = leftAxis();
    setViewByMouse();
    checkForMovement();
}

void CCamera::look() {
    gluLookAt(position.x, position.y, position.z, view.x, view.y, view.z, up.x, up.y, up.z);
    frustum.calculateFrustum();
}

void CCamera::setSpeed(float unitsPerSecond) { speed = unitsPerSecond; }

void CCamera::doNothing() {}

CFrustum& CCamera::getFrustum() { return frustum; }

CVector3 CCamera::getPosition() const { return position; }

CVector3 CCamera::getView() const { return view; }

void CCamera::storeInverseViewMatrix() {
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    // Rotation transposed, translation -R^T t.
    inverseView = {m[0],
                   m[4],
                   m[8],
                   0.0f,
                   m[1],
                   m[5],
                   m[9],
                   0.0f,
                   m[2],
                   m[6],
                   m[10],
                   0.0f,
                   -m[12] * m[0] - m[13] * m[1] - m[14] * m[2],
                   -m[12] * m[4] - m[13] * m[5] - m[14] * m[6],
                   -m[12] * m[8] - m[13] * m[9] - m[14] * m[10],
                   1.0f};
}

const std::array<float, 16>& CCamera::getInverseViewMatrix() const { return inverseView; }

CVector3 CCamera::leftAxis() const { return unit(cross(position - view, up)); }
