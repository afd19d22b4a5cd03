#pragma once
#include <memory>

#include "CLine.h"
#include "CLineHead.h"
#include "CPixelBuffer.h"

// The rules of the picture-claim game: a 600 x 600 field, the head starting
// in the middle of the left edge, and the trail it leaves.
class CGameManager {
public:
    static constexpr std::uint32_t FIELD_SIZE = 600;

    // The field may be a CPixelBuffer subclass with its own fills.
    explicit CGameManager(std::unique_ptr<CPixelBuffer> field = std::make_unique<CPixelBuffer>());
    virtual ~CGameManager() = default;

    // One game step at the head's current position.
    virtual void update();
    virtual bool isHeadOnBorder();
    virtual void moveLeft();
    virtual void moveRight();
    virtual void moveUp();
    virtual void moveDown();
    // Draws the field at the current raster position.
    virtual void draw();

    // One frame of arrow keys: moves only when exactly one arrow is held.
    void steer(bool left, bool right, bool up, bool down);

    CPixelBuffer& getField() { return *field; }
    const CPixelBuffer& getField() const { return *field; }
    const CLineHead& getHead() const { return head; }
    const CLine& getTrail() const { return trail; }

private:
    std::unique_ptr<CPixelBuffer> field;
    CLineHead head;
    CLine trail;
};
