#pragma once
#include <memory>
#include <string>
#include <vector>

#include "Basic/CVector2.h"
#include "scene2d/CBoundingBox2D.h"

class CSprite;

// A 2D actor: a position, sprites of which one is drawn, a direction and
// speed for simple movement, and a box fitted to the first frame of the
// last sprite added. Sprites passed in are shared with the caller; sprites
// made from file names belong to the object.
class CGameObject2D {
public:
    CGameObject2D() = default;
    virtual ~CGameObject2D() = default;
    CGameObject2D(const CGameObject2D&) = delete;
    CGameObject2D& operator=(const CGameObject2D&) = delete;

    virtual void addSprite(std::shared_ptr<CSprite> sprite);
    // A new sprite of frameCount frames read from the prefix, at the
    // object's position.
    virtual void addSprite(const std::string& prefix, unsigned int frameCount);
    // From now on the object sits wherever the caller's vector says.
    virtual void setPosition(std::shared_ptr<CVector2> shared);
    virtual void setPosition(float x, float y);
    // The position object itself. move() and moveToward() put the object
    // at a new vector, which the one returned earlier no longer follows.
    virtual std::shared_ptr<CVector2> getPosition() const;
    virtual void decreaseX(float d);
    virtual void increaseX(float d);
    virtual void decreaseY(float d);
    virtual void increaseY(float d);
    // Normalizes the caller's vector in place, then steps distance along it.
    virtual void moveToward(CVector2& vector, float distance);
    // moveToward(direction, speed).
    virtual void move();
    virtual void setSpeed(float newSpeed);
    virtual float getSpeed() const;
    virtual void setVisible(bool flag);
    virtual bool isVisible() const;
    // The current sprite, looping, when visible; the box outline always.
    virtual void draw();
    // The current sprite, one-shot, when visible; no box.
    virtual void drawOnce();
    virtual void drawOnce(float unusedX, float unusedY);
    // spriteIndex -1 sets the rate of every sprite.
    virtual void setFramesPerSecond(int spriteIndex, unsigned int rate);
    virtual void resetSprite(unsigned int spriteIndex);
    virtual void resetCurrentSprite();
    // Ignored when index is not below the number of sprites.
    virtual void setCurrentSprite(unsigned int index);
    virtual void setDirection(std::shared_ptr<CVector2> shared);
    virtual void drawBoundingBox();

    unsigned int getSpriteCount() const;
    unsigned int getCurrentSpriteIndex() const;
    const CBoundingBox2D& getBoundingBox() const;

private:
    void append(std::shared_ptr<CSprite> sprite);
    CSprite* spriteAt(unsigned int index) const;
    // The current sprite when the object is to be drawn, else null.
    CSprite* visibleSprite() const;

    std::shared_ptr<CVector2> position = std::make_shared<CVector2>();
    std::vector<std::shared_ptr<CSprite>> sprites;
    std::shared_ptr<CVector2> direction = std::make_shared<CVector2>(0.0f, 1.0f);
    float speed = 0.0f;
    bool visible = true;
    unsigned int currentSprite = 0;
    CBoundingBox2D boundingBox;
};
