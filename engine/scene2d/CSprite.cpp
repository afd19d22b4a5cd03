#include "scene2d/CSprite.h"

#include <cstdio>

#include "graphics/CTexture.h"
#include "runtime/EngineClock.h"

namespace {
// Sprites draw untinted, unscaled and unrotated. A missing frame, or one
// whose file could not be loaded, draws nothing (not an untextured quad).
void drawTexture(CTexture* texture, const CVector2& at) {
    if (texture && texture->getTextureId() != 0)
        texture->drawAt(at, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
}
}  // namespace

CSprite::CSprite() : lastFrameTime(EngineClock::ticks()) {}

CSprite::CSprite(const std::string& prefix, unsigned int frameCount, float x, float y)
    : frameCount(frameCount),
      currentFrame(1),
      position(std::make_shared<CVector2>(x, y)),
      lastFrameTime(EngineClock::ticks()) {
    loadFrames(prefix, frameCount);
}

CSprite::~CSprite() = default;

void CSprite::loadFrames(const std::string& prefix, unsigned int count) {
    std::string missing;
    for (unsigned int k = 1; k <= count; ++k) {
        const std::string path = prefix + std::to_string(k) + ".png";
        auto frame = std::make_unique<CTexture>();
        if (!frame->load(path))
            missing += " " + path;
        frames.push_back(std::move(frame));
    }
    if (!missing.empty())
        std::printf("\nSprite frames missing:%s\n", missing.c_str());
}

void CSprite::draw() { draw(*position); }

void CSprite::draw(const CVector2& at) {
    drawTexture(currentTexture(), at);
    animate();
}

void CSprite::animate() { advance(EngineClock::ticks(), true); }

void CSprite::drawOnce() { drawOnce(*position); }

void CSprite::drawOnce(float x, float y) {
    drawTexture(currentTexture(), CVector2(x, y));
    animateOnce();
}

void CSprite::drawOnce(const CVector2& at) {
    const std::uint32_t now = EngineClock::ticks();
    drawTexture(currentTexture(), at);
    advance(now, false);
}

void CSprite::drawFrame(unsigned int index) { drawFrame(index, *position); }

void CSprite::drawFrame(unsigned int index, const CVector2& at) {
    CTexture* frame = getFrame(index);
    if (!frame) {
        std::printf("Sprite frame %u does not exist (%zu loaded)\n", index, frames.size());
        return;
    }
    drawTexture(frame, at);
}

void CSprite::drawFrame(unsigned int index, float x, float y) { drawFrame(index, CVector2(x, y)); }

void CSprite::reset() { currentFrame = 1; }

CTexture* CSprite::getFrame(unsigned int index) const { return index < frames.size() ? frames[index].get() : nullptr; }

unsigned int CSprite::getFrameCount() const { return frameCount; }

void CSprite::setFramesPerSecond(unsigned int rate) { framesPerSecond = rate; }

std::shared_ptr<CVector2> CSprite::getPosition() const { return position; }

void CSprite::setPosition(float x, float y) { *position = CVector2(x, y); }

void CSprite::setX(float x) { position->x = x; }

void CSprite::setY(float y) { position->y = y; }

void CSprite::setPosition(std::shared_ptr<CVector2> shared) {
    if (shared)
        position = std::move(shared);
}

unsigned int CSprite::getFramesPerSecond() const { return framesPerSecond; }

void CSprite::animateOnce() { advance(EngineClock::ticks(), false); }

unsigned int CSprite::getCurrentFrame() const { return currentFrame; }

void CSprite::advance(std::uint32_t now, bool loop) {
    // A rate of 0 is an infinite period: the frame never changes.
    if (framesPerSecond == 0)
        return;
    const double period = 1000.0 / framesPerSecond;
    const std::uint32_t elapsed = now - lastFrameTime;  // wraps like the tick counter
    if (!(elapsed > period))
        return;
    lastFrameTime = now;
    if (loop)
        currentFrame = currentFrame >= frameCount ? 1 : currentFrame + 1;
    else if (currentFrame < frameCount)
        ++currentFrame;
}

CTexture* CSprite::currentTexture() const { return currentFrame == 0 ? nullptr : getFrame(currentFrame - 1); }
