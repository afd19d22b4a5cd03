#include "scene2d/CParallaxScroll.h"

#include <utility>

#include "graphics/CTexture.h"
#include "runtime/FrameClock.h"

namespace {
// Layer-1 images overlap by this much at each seam so no gap can open
// between them.
constexpr float kLayer1SeamOverlap = 0.1f;
}  // namespace

CParallaxScroll::CParallaxScroll() : layers{{{{}, 5.0f}, {{}, 8.0f}, {{}, 4.0f}}} {}

CParallaxScroll::~CParallaxScroll() = default;

void CParallaxScroll::addLayer1(const std::string& path) { addImage(layers[0], path, kLayer1SeamOverlap); }

void CParallaxScroll::addLayer2(const std::string& path) { addImage(layers[1], path, 0.0f); }

void CParallaxScroll::addLayer3(const std::string& path) { addImage(layers[2], path, 0.0f); }

void CParallaxScroll::scrollRight(int layer) { scroll(layer, -1.0f); }

void CParallaxScroll::scrollLeft(int layer) { scroll(layer, 1.0f); }

void CParallaxScroll::draw() {
    for (const Layer& layer : layers)
        for (const auto& image : layer.images)
            image->draw();
}

void CParallaxScroll::skip(int count, int layer) {
    Layer* skipped = layerAt(layer);
    if (!skipped || skipped->images.size() < 2)
        return;
    shift(*skipped, -skipped->images[1]->getWidth() * static_cast<float>(count));
}

float CParallaxScroll::getSpeed1() const { return layers[0].speed; }

void CParallaxScroll::setSpeed1(float speed) { layers[0].speed = speed; }

float CParallaxScroll::getSpeed2() const { return layers[1].speed; }

void CParallaxScroll::setSpeed2(float speed) { layers[1].speed = speed; }

float CParallaxScroll::getSpeed3() const { return layers[2].speed; }

void CParallaxScroll::setSpeed3(float speed) { layers[2].speed = speed; }

std::size_t CParallaxScroll::getImageCount(int layer) const {
    const Layer* counted = layerAt(layer);
    return counted ? counted->images.size() : 0;
}

CTexture* CParallaxScroll::getImage(int layer, std::size_t index) const {
    const Layer* holder = layerAt(layer);
    return holder && index < holder->images.size() ? holder->images[index].get() : nullptr;
}

CParallaxScroll::Layer* CParallaxScroll::layerAt(int layer) {
    return const_cast<Layer*>(std::as_const(*this).layerAt(layer));
}

const CParallaxScroll::Layer* CParallaxScroll::layerAt(int layer) const {
    return layer >= 1 && layer <= 3 ? &layers[static_cast<std::size_t>(layer - 1)] : nullptr;
}

void CParallaxScroll::addImage(Layer& layer, const std::string& path, float seamOverlap) {
    float x = 0.0f;
    for (const auto& image : layer.images)
        x += image->getWidth() - seamOverlap;
    auto image = std::make_unique<CTexture>(path);
    image->setPosX(x);
    image->setPosY(0.0f);
    layer.images.push_back(std::move(image));
}

void CParallaxScroll::shift(Layer& layer, float dx) {
    for (const auto& image : layer.images)
        image->setPosX(image->getPosX() + dx);
}

void CParallaxScroll::scroll(int layer, float direction) {
    if (Layer* scrolled = layerAt(layer))
        shift(*scrolled, direction * FrameClock::deltaTime() * scrolled->speed);
}
