#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Basic/CVector2.h"

class CTexture;

// A frame-animated 2D image: textures read from numbered PNG files
// (prefix + "1.png", prefix + "2.png", ...), a position, and a frame clock
// on the engine's tick counter. The looping draw wraps from the last frame
// to the first, the one-shot draw stops on the last frame. At most one frame
// change happens per call, so a rate above the draw rate plays at the draw
// rate.
class CSprite {
public:
    // No frames and frame count 0; the frames come from loadFrames and the
    // animation needs reset() before it shows frame 1.
    CSprite();
    CSprite(const std::string& prefix, unsigned int frameCount, float x, float y);
    virtual ~CSprite();
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    // Appends frames 1..count of the prefix; the frame count is unchanged.
    // A frame whose file cannot be loaded keeps its place as an empty
    // texture that draws nothing, and one line names every such file.
    virtual void loadFrames(const std::string& prefix, unsigned int count);
    // Looping draw: the current frame, then animate().
    virtual void draw();
    virtual void draw(const CVector2& at);
    virtual void animate();
    // One-shot draw: the current frame, then the one-shot clock step.
    virtual void drawOnce();
    virtual void drawOnce(float x, float y);
    virtual void drawOnce(const CVector2& at);
    // Frame by 0-based index; the clock is not touched.
    virtual void drawFrame(unsigned int index);
    virtual void drawFrame(unsigned int index, const CVector2& at);
    virtual void drawFrame(unsigned int index, float x, float y);
    virtual void reset();
    // Null when index is not below the number of loaded frames.
    virtual CTexture* getFrame(unsigned int index) const;
    virtual unsigned int getFrameCount() const;
    virtual void setFramesPerSecond(unsigned int rate);
    // The position object itself, shared with the caller.
    virtual std::shared_ptr<CVector2> getPosition() const;
    virtual void setPosition(float x, float y);
    virtual void setX(float x);
    virtual void setY(float y);
    // From now on the sprite sits wherever the caller's vector says.
    virtual void setPosition(std::shared_ptr<CVector2> shared);
    virtual unsigned int getFramesPerSecond() const;

    // The one-shot clock step of drawOnce, without drawing.
    void animateOnce();
    // The frame the animated draws show next, counted from 1.
    unsigned int getCurrentFrame() const;

private:
    void advance(std::uint32_t now, bool loop);
    // The frame selected by currentFrame, or null before reset() or when
    // that frame was never loaded.
    CTexture* currentTexture() const;

    std::vector<std::unique_ptr<CTexture>> frames;
    unsigned int frameCount = 0;
    unsigned int currentFrame = 0;
    std::shared_ptr<CVector2> position = std::make_shared<CVector2>();
    std::uint32_t lastFrameTime = 0;
    unsigned int framesPerSecond = 20;
};
