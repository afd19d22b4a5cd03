#include "GUI/CProgressBar.h"

#include <algorithm>
#include <cstdint>

#include "GUI/SpriteWidget.h"

CProgressBar::CProgressBar() : image(std::make_unique<CTexture>()) {}

CProgressBar::CProgressBar(const std::string& imagePath, float x, float y, unsigned int maximum)
    : image(std::make_unique<CTexture>(imagePath)), maximum(maximum), position(std::make_shared<CVector2>(x, y)) {}

CProgressBar::~CProgressBar() = default;

unsigned int CProgressBar::getValue() const { return value; }

void CProgressBar::setValue(unsigned int newValue) { value = newValue; }

void CProgressBar::increase(unsigned int amount) {
    // Summed wide, so a value near the top of the range cannot wrap below the maximum.
    value = static_cast<unsigned int>(std::min<std::uint64_t>(std::uint64_t{value} + amount, maximum));
}

void CProgressBar::setPosition(float x, float y) { *position = CVector2(x, y); }

std::shared_ptr<CVector2> CProgressBar::getPosition() const { return position; }

std::optional<TexRect> CProgressBar::regionFor(unsigned int value, unsigned int maximum) {
    if (maximum == 0)
        return std::nullopt;
    // A value above the maximum shows the whole bar, never more than the image.
    const double fraction = std::min(1.0, static_cast<double>(value) / maximum);
    return TexRect{1.0f, static_cast<float>(fraction), 0.0f, 0.0f};
}

TexRect CProgressBar::getRegion() const {
    // No width at all (left 1, right 0) stands for nothing shown.
    return regionFor(value, maximum).value_or(TexRect{1.0f, 0.0f, 1.0f, 1.0f});
}

void CProgressBar::draw() {
    if (const std::optional<TexRect> part = regionFor(value, maximum))
        drawPart(position->x, position->y, *part);
}

void CProgressBar::drawImage(float x, float y) { drawPart(x, y, TexRect{}); }

void CProgressBar::drawPart(float x, float y, const TexRect& part) {
    if (SpriteWidget::isLoaded(*image))
        image->drawRegionAt(x, y, part, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
}
