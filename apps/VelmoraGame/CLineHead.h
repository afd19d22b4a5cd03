#pragma once
#include "Basic/CVector2.h"

// The point the player steers. Remembers where it last stood on an edge so a
// collision with the trail can send it back there.
class CLineHead {
public:
    virtual ~CLineHead() = default;

    // Sets both the position and the saved position.
    virtual void setPosition(int x, int y);
    virtual void restorePosition();
    virtual void savePosition();
    virtual void decreaseX();
    virtual void increaseX();
    virtual void decreaseY();
    virtual void increaseY();

    const CVector2& getPosition() const { return position; }
    const CVector2& getSavedPosition() const { return savedPosition; }
    float getStep() const { return step; }
    // Edge code of the last arrival on an edge (see CPixelBuffer::isOnBorder).
    int getLastBorder() const { return lastBorder; }
    void setLastBorder(int border) { lastBorder = border; }

private:
    CVector2 position;
    CVector2 savedPosition;
    float step = 0.5f;
    int lastBorder = 0;
};
