#include "Models/CMD2Object.h"

#include <GL/glew.h>

#include <algorithm>

#include "Models/BoxOutline.h"
#include "Models/loaders/MeshSteps.h"
#include "runtime/EngineClock.h"

CMD2Object::CMD2Object(TextureLoader loadTexture) : MeshEntity(std::move(loadTexture)) {}

bool CMD2Object::load(const std::string& fileName, const std::string& skinFile) {
    if (!loader.import(model, fileName, skinFile))
        return false;
    computeHalfHeight();
    if (!model.materials.empty() && model.materials.front().strFile[0] != '\0')
        textureId = loadTexture(model.materials.front().strFile);
    updateBounds();
    return true;
}

void CMD2Object::computeHalfHeight() {
    float lowest = 0.0f, highest = 0.0f;
    if (!model.objects.empty())
        for (const t3DObject& frame : model.objects)
            for (const tFace& face : model.objects.front().pFaces)
                for (std::int32_t v : face.vertIndex) {
                    lowest = std::min(lowest, frame.pVerts[static_cast<std::size_t>(v)].z);
                    highest = std::max(highest, frame.pVerts[static_cast<std::size_t>(v)].z);
                }
    halfHeight = (highest - lowest) / 2.0f;
}

void CMD2Object::setFramesPerSecond(float fps) {
    framesPerSecond = fps;
    frameInterval = 1000.0f / fps;
}

float CMD2Object::returnCurrentTime(int nextFrame) {
    const auto now = static_cast<float>(EngineClock::ticks());
    elapsedTime = now - lastTime;
    const float t = elapsedTime / frameInterval;
    if (elapsedTime >= frameInterval) {
        if (nextFrame >= 0 && nextFrame < static_cast<int>(model.objects.size()))
            model.currentFrame = nextFrame;
        lastTime = now;
    }
    return t;
}

float CMD2Object::blendTowards(int nextFrame) { return std::clamp(returnCurrentTime(nextFrame), 0.0f, 1.0f); }

int CMD2Object::nextFrameOf() const {
    if (model.animations.empty())
        return model.currentFrame;
    const tAnimationInfo& animation = model.animations[static_cast<std::size_t>(model.currentAnim)];
    const int next = animation.endFrame > 0 ? (model.currentFrame + 1) % animation.endFrame : 0;
    return next == 0 ? animation.startFrame : next;
}

void CMD2Object::render(bool textured) {
    if (model.objects.empty())
        return;
    glPushMatrix();
    applyTransform();
    const int next = nextFrameOf();
    const t3DObject& a = model.objects[static_cast<std::size_t>(model.currentFrame)];
    const t3DObject& b = model.objects[static_cast<std::size_t>(next)];
    const t3DObject& first = model.objects.front();
    const float t = blendTowards(next);
    if (textured) {
        glActiveTextureARB(GL_TEXTURE0_ARB);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textureId));
    }
    const bool withCoords = !first.pTexVerts.empty();
    glBegin(GL_TRIANGLES);
    for (const tFace& face : first.pFaces)
        for (int k = 0; k < 3; ++k) {
            const auto v = static_cast<std::size_t>(face.vertIndex[k]);
            if (withCoords) {
                const CVector2 uv = MeshSteps::texCoordAt(first, face.coordIndex[k]);
                glTexCoord2f(uv.x, uv.y);
            }
            glNormal3fv(a.pNormals[v].ptr());
            const CVector3 p = a.pVerts[v] + (b.pVerts[v] - a.pVerts[v]) * t;
            glVertex3fv(p.ptr());
        }
    glEnd();
    glPopMatrix();
}

void CMD2Object::setAnimation(int index) {
    const auto count = static_cast<int>(model.animations.size());
    if (count == 0)
        return;
    model.currentAnim = (index % count + count) % count;
    model.currentFrame = model.animations[static_cast<std::size_t>(model.currentAnim)].startFrame;
    updateBounds();
}

void CMD2Object::drawBoundingBoxes() {
    if (model.objects.empty())
        return;
    const t3DObject& frame = model.objects[static_cast<std::size_t>(model.currentFrame)];
    glPushMatrix();
    applyTransform();
    glColor3f(1, 1, 1);
    BoxOutline::draw(frame.boundsMin, frame.boundsMax);
    glPopMatrix();
}

void CMD2Object::castShadow(const CVector3& light) {
    if (model.objects.empty())
        return;
    const int next = nextFrameOf();
    const t3DObject& current = model.objects[static_cast<std::size_t>(model.currentFrame)];
    const t3DObject& following = model.objects[static_cast<std::size_t>(next)];
    const float t = blendTowards(next);
    shadowVolume.buildMeshFrame(model.objects.front(), current, following, t, light, {position, scale, angle, axis});
}

void CMD2Object::drawShadowVolume() { shadowVolume.drawFrame(); }

void CMD2Object::updateBounds() {
    if (model.objects.empty())
        return MeshEntity::updateBounds();
    const t3DObject& frame = model.objects[static_cast<std::size_t>(model.currentFrame)];
    setBoundingBox(frame.boundsMin, frame.boundsMax);
}
