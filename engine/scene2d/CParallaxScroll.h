#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CTexture;

// A side-scrolling background of up to three layers, each a row of images
// placed edge to edge and moved at its own speed (pixels per second of
// frame time) to give an impression of depth. Layers are numbered 1 to 3
// and drawn in that order, later ones in front. Each image keeps its place
// in the texture's own position; there is no wrap-around.
class CParallaxScroll {
public:
    CParallaxScroll();
    virtual ~CParallaxScroll();
    CParallaxScroll(const CParallaxScroll&) = delete;
    CParallaxScroll& operator=(const CParallaxScroll&) = delete;

    // Appends an image to the right of the layer's last one. A missing file
    // still takes its place, with width 0.
    virtual void addLayer1(const std::string& path);
    virtual void addLayer2(const std::string& path);
    virtual void addLayer3(const std::string& path);
    // Move the layer's images left (scrollRight) or right (scrollLeft) by
    // its speed times the frame time; other layer numbers move nothing.
    virtual void scrollRight(int layer);
    virtual void scrollLeft(int layer);
    virtual void draw();
    // Moves the layer left by count times the width of its second image;
    // a layer of fewer than two images stays where it is.
    virtual void skip(int count, int layer);
    virtual float getSpeed1() const;
    virtual void setSpeed1(float speed);
    virtual float getSpeed2() const;
    virtual void setSpeed2(float speed);
    virtual float getSpeed3() const;
    virtual void setSpeed3(float speed);

    std::size_t getImageCount(int layer) const;
    // Null when there is no such layer or image.
    CTexture* getImage(int layer, std::size_t index) const;

private:
    struct Layer {
        std::vector<std::unique_ptr<CTexture>> images;
        float speed;
    };

    // Null for a number other than 1, 2 or 3.
    Layer* layerAt(int layer);
    const Layer* layerAt(int layer) const;
    void addImage(Layer& layer, const std::string& path, float seamOverlap);
    void shift(Layer& layer, float dx);
    void scroll(int layer, float direction);

    std::array<Layer, 3> layers;
};
