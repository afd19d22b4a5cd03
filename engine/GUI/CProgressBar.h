#pragma once
#include <memory>
#include <optional>
#include <string>

#include "Basic/CVector2.h"
#include "graphics/CTexture.h"

// An image shown from its left edge up to value / maximum of its width, at
// full height; the rest is not drawn.
class CProgressBar {
public:
    // At (0, 0), maximum 0, no image.
    CProgressBar();
    CProgressBar(const std::string& imagePath, float x, float y, unsigned int maximum);
    virtual ~CProgressBar();
    CProgressBar(const CProgressBar&) = delete;
    CProgressBar& operator=(const CProgressBar&) = delete;

    virtual unsigned int getValue() const;
    // Stored as given, also above the maximum.
    virtual void setValue(unsigned int value);
    // Adds amount and limits the sum to the maximum.
    virtual void increase(unsigned int amount);
    virtual void setPosition(float x, float y);
    virtual std::shared_ptr<CVector2> getPosition() const;
    // The filled part at the position; nothing while the maximum is 0.
    virtual void draw();
    // The whole image at (x, y).
    virtual void drawImage(float x, float y);

    unsigned int getMaximum() const { return maximum; }
    // regionFor the current value, or an empty region for a maximum of 0.
    TexRect getRegion() const;
    // The part of the image a value shows: the left value / maximum of it
    // (at most all of it), or nothing for a maximum of 0.
    static std::optional<TexRect> regionFor(unsigned int value, unsigned int maximum);

private:
    void drawPart(float x, float y, const TexRect& part);

    std::unique_ptr<CTexture> image;
    unsigned int maximum = 0;
    unsigned int value = 0;
    std::shared_ptr<CVector2> position = std::make_shared<CVector2>();
};
