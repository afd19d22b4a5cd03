#pragma once
#include <cstdint>
#include <string>

#include "Models/MeshEntity.h"
#include "Models/loaders/CMD2Loader.h"
#include "Models/CShadowVolume.h"

// An animated MD2 model: plays one of its named animations by blending
// linearly between key frames, frameInterval milliseconds apart, on the
// engine clock. Drawn in immediate mode; drawing and shadow building
// allocate nothing once the first frame has been built.
class CMD2Object : public MeshEntity {
public:
    explicit CMD2Object(TextureLoader loadTexture = {});

    // Reads the model, loads skinFile (when not empty) as its texture and
    // places the world box on the first frame. False, with the reason on
    // the console, when the file cannot be read or is damaged.
    virtual bool load(const std::string& fileName, const std::string& skinFile);
    // The blend factor towards nextFrame: elapsed time over frameInterval.
    // Once a whole interval has passed, nextFrame becomes the current frame
    // (the factor returned is still the one measured before).
    virtual float returnCurrentTime(int nextFrame);
    virtual void render(bool textured);
    // Plays animation index (counted modulo the number of animations) from
    // its first frame; ignored by a model without animations.
    virtual void setAnimation(int index);
    // The current frame's box, in white.
    virtual void drawBoundingBoxes();
    virtual void computeHalfHeight();
    // Rebuilds the shadow volume between the current and the next frame.
    virtual void castShadow(const CVector3& light);
    void drawShadowVolume() override;
    virtual void setFramesPerSecond(float fps);

    int getCurrentFrame() const { return model.currentFrame; }
    float getHalfHeight() const { return halfHeight; }

protected:
    void updateBounds() override;

private:
    // The frame after the current one in the playing animation: past its
    // end frame playback goes on at its start frame.
    int nextFrameOf() const;
    // returnCurrentTime kept within [0, 1]: the first call after a long
    // pause would otherwise throw the vertices far past the next frame.
    float blendTowards(int nextFrame);

    CMD2Loader loader;
    std::int32_t textureId = 0;
    float elapsedTime = 0.0f;
    float lastTime = 0.0f;
    float framesPerSecond = 5.0f;
    float halfHeight = 0.0f;
    CShadowVolume shadowVolume;
    float frameInterval = 200.0f;
};
