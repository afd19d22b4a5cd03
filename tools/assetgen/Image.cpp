#include "Image.h"

#include <stdexcept>

Image::Image(int width, int height, Color fill) : width_(width), height_(height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("image size must be positive");
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

std::size_t Image::index(int x, int y) const {
    if (!contains(x, y))
        throw std::out_of_range("pixel outside the image");
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
}

const Color& Image::at(int x, int y) const { return pixels_[index(x, y)]; }

void Image::set(int x, int y, const Color& c) { pixels_[index(x, y)] = c; }

void Image::blend(int x, int y, const Color& c, float coverage) {
    if (!contains(x, y))
        return;
    const float srcA = clamp01(c.a * coverage);
    if (srcA <= 0.0f)
        return;
    Color& dst = pixels_[index(x, y)];
    const float keep = dst.a * (1.0f - srcA);
    const float outA = srcA + keep;
    dst.r = (c.r * srcA + dst.r * keep) / outA;
    dst.g = (c.g * srcA + dst.g * keep) / outA;
    dst.b = (c.b * srcA + dst.b * keep) / outA;
    dst.a = outA;
}

void Image::draw(const Image& source, int x, int y, float opacity) {
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx)
            blend(x + sx, y + sy, source.at(sx, sy), opacity);
}

Image Image::crop(int x, int width) const {
    if (x < 0 || width <= 0 || x + width > width_)
        throw std::out_of_range("crop outside the image");
    Image out(width, height_);
    for (int y = 0; y < height_; ++y)
        for (int cx = 0; cx < width; ++cx)
            out.set(cx, y, at(x + cx, y));
    return out;
}

void Image::bleedColumns() {
    for (int x = 0; x < width_; ++x) {
        // Two sweeps record, for every pixel, the nearest visible pixel above
        // and below it.
        std::vector<int> above(static_cast<std::size_t>(height_), -1);
        std::vector<int> below(static_cast<std::size_t>(height_), -1);
        for (int y = 0, last = -1; y < height_; ++y) {
            if (at(x, y).a > 0.0f)
                last = y;
            above[static_cast<std::size_t>(y)] = last;
        }
        for (int y = height_ - 1, last = -1; y >= 0; --y) {
            if (at(x, y).a > 0.0f)
                last = y;
            below[static_cast<std::size_t>(y)] = last;
        }
        for (int y = 0; y < height_; ++y) {
            if (at(x, y).a > 0.0f)
                continue;
            const int up = above[static_cast<std::size_t>(y)];
            const int down = below[static_cast<std::size_t>(y)];
            int from = up;
            if (from < 0 || (down >= 0 && down - y < y - up))
                from = down;
            if (from >= 0)
                set(x, y, withAlpha(at(x, from), 0.0f));
        }
    }
}

namespace {

std::uint8_t quantise(float v) { return static_cast<std::uint8_t>(clamp01(v) * 255.0f + 0.5f); }

}  // namespace

std::vector<std::uint8_t> Image::toRgba8() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 4);
    for (const Color& c : pixels_) {
        out.push_back(quantise(c.r));
        out.push_back(quantise(c.g));
        out.push_back(quantise(c.b));
        out.push_back(quantise(c.a));
    }
    return out;
}
