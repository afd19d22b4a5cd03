#include "CPixelBuffer.h"

#include <GL/glew.h>

#include <cmath>
#include <iostream>
#include <stdexcept>

#include "CLineHead.h"

namespace {
float& along(CVector2& v, bool xAxis) { return xAxis ? v.x : v.y; }

float along(const CVector2& v, bool xAxis) { return xAxis ? v.x : v.y; }

// True when the head is nearer coordinate 0 than the far edge at `limit`.
bool nearerZero(float head, std::uint32_t limit) {
    return std::fabs(head - static_cast<float>(limit)) > std::fabs(head - 0.0f);
}
}  // namespace

CPixelBuffer::CPixelBuffer() : out(&std::cout) {}

void CPixelBuffer::init(std::uint32_t newWidth, std::uint32_t newHeight) {
    width = newWidth;
    height = newHeight;
    rowStride = static_cast<std::size_t>(width) * 3;
    pixels.assign(rowStride * height, 0);
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = FREE.red;
        pixels[i + 1] = FREE.green;
        pixels[i + 2] = FREE.blue;
    }
}

void CPixelBuffer::setPixel(std::uint32_t x, std::uint32_t y, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (x >= width || y >= height)
        return;
    const std::size_t at = offset(x, y);
    pixels[at] = red;
    pixels[at + 1] = green;
    pixels[at + 2] = blue;
}

void CPixelBuffer::setPixel(const CVector2& position, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    setPixel(toIndex(position.x), toIndex(position.y), red, green, blue);
}

CPixelBuffer::Rgb CPixelBuffer::getPixel(std::uint32_t x, std::uint32_t y) const {
    if (x >= width || y >= height)
        throw std::out_of_range("pixel outside the field");
    const std::size_t at = offset(x, y);
    return {pixels[at], pixels[at + 1], pixels[at + 2]};
}

void CPixelBuffer::draw() const {
    glPushAttrib(GL_ENABLE_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    // Textured or depth-tested, drawn pixels would take the texture's or the
    // depth buffer's say; the field's rows carry no padding.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glDrawPixels(static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPopClientAttrib();
    glPopAttrib();
}

std::uint32_t CPixelBuffer::toIndex(float coordinate) {
    // Clamped at both ends: converting a float outside the integer range is undefined.
    if (!(coordinate > 0.0f))
        return 0;
    if (coordinate >= 4294967296.0f)
        return UINT32_MAX;
    return static_cast<std::uint32_t>(coordinate);
}

void CPixelBuffer::fillRows(const CLine& trail, const CLineHead& head) { fillRows(trail.byRow(height), head); }

void CPixelBuffer::fillColumns(const CLine& trail, const CLineHead& head) { fillColumns(trail.byColumn(width), head); }

void CPixelBuffer::fillRows(const CLine::Buckets& rows, const CLineHead& head) {
    *out << "Fillrectangle...\n";
    for (const auto& crossings : rows)
        fillRow(crossings, head);
}

void CPixelBuffer::fillColumns(const CLine::Buckets& columns, const CLineHead& head) {
    *out << "Fillrectangle...vertically\n";
    for (const auto& crossings : columns)
        fillColumn(crossings, head);
}

void CPixelBuffer::fillRow(const std::vector<CVector2>& c, const CLineHead& head) {
    const std::size_t n = c.size();
    if (n == 0)
        return;
    if (n % 2 == 0) {
        fillPairs(c, Axis::X, CLAIMED);
        return;
    }
    const bool left = nearerZero(head.getPosition().x, width);
    if (n == 1) {
        *out << "Cumi 1....\n" << (left ? "bal\n" : "jobb\n");
        fillToEdge(c[0], Axis::X, left, CLAIMED);
        return;
    }
    *out << "Cumi 2....\n";
    // Overlapping pairs; two neighbours one step apart are a horizontal
    // stretch of trail, not a crossing, and enclose nothing.
    bool filled = false;
    for (std::size_t i = 0;; ++i) {
        *out << "Hitpointok..." << n << '\n';
        if (i + 1 >= n)
            break;
        if (std::fabs(c[i].x - c[i + 1].x) == head.getStep()) {
            filled = false;
        } else {
            fillSpan(c[i], c[i + 1], Axis::X, CLAIMED);
            filled = true;
        }
    }
    if (!filled && head.getLastBorder() != lastBorder)
        fillToEdge(c[n - 1], Axis::X, left, EDGE_CLAIMED);
}

void CPixelBuffer::fillColumn(const std::vector<CVector2>& c, const CLineHead& head) {
    const std::size_t n = c.size();
    if (n == 2) {
        fillSpan(c[0], c[1], Axis::Y, COLUMN_PAIR);
    } else if (n >= 4 && n % 2 == 0) {
        fillPairs(c, Axis::Y, COLUMN_PAIRS);
    } else if (n == 1) {
        const bool bottom = nearerZero(head.getPosition().y, height);
        *out << "Cumi 1....\n" << (bottom ? "fent\n" : "lent\n");
        fillToEdge(c[0], Axis::Y, bottom, CLAIMED);
    }
}

void CPixelBuffer::fillPairs(const std::vector<CVector2>& c, Axis axis, Rgb colour) {
    for (std::size_t i = 0; i + 1 < c.size(); i += 2)
        fillSpan(c[i], c[i + 1], axis, colour);
}

void CPixelBuffer::fillToEdge(const CVector2& crossing, Axis axis, bool towardsZero, Rgb colour) {
    CVector2 edge = crossing;
    along(edge, axis == Axis::X) = towardsZero ? 0.0f : static_cast<float>(extent(axis));
    fillSpan(edge, crossing, axis, colour);
}

// Writes a + i for i = 0, 1, ... while i < b - a, where a is the lower end;
// b itself stays unwritten. Steps left of the field all land on index 0 and
// steps past the far edge write nothing, so both stretches are skipped: a
// crossing far outside the field costs no more than one inside it, and the
// loop ends after at most one pass over the field.
void CPixelBuffer::fillSpan(const CVector2& first, const CVector2& second, Axis axis, Rgb colour) {
    const bool xAxis = axis == Axis::X;
    const bool swap = along(second, xAxis) < along(first, xAxis);
    CVector2 at = swap ? second : first;
    const float start = along(at, xAxis);
    const float length = along(swap ? first : second, xAxis) - start;
    if (!(length > 0.0f))
        return;
    if (start < 0.0f)
        paint(at, colour);
    // Counted from the first step inside, so even a huge start stays exact.
    const double firstInside = start < 0.0f ? std::ceil(-static_cast<double>(start)) : 0.0;
    const double base = start + firstInside;
    const std::uint32_t limit = extent(axis);
    for (std::uint64_t k = 0; k <= limit; ++k) {
        const double v = base + static_cast<double>(k);
        if (!(static_cast<float>(firstInside + static_cast<double>(k)) < length) || v >= limit)
            break;
        along(at, xAxis) = static_cast<float>(v);
        paint(at, colour);
    }
}

void CPixelBuffer::paint(const CVector2& position, Rgb colour) {
    setPixel(position, colour.red, colour.green, colour.blue);
}

void CPixelBuffer::clearTrail(CLine& trail) {
    for (const CVector2& p : trail.getPoints())
        paint(p, FREE);
    trail.clear();
}

bool CPixelBuffer::isOnBorder(const CVector2& position) {
    if (position.x >= static_cast<float>(width)) {
        lastBorder = RIGHT;
    } else if (position.y >= static_cast<float>(height)) {
        lastBorder = TOP;
    } else if (position.x <= 0.0f) {
        lastBorder = LEFT;
    } else if (position.y <= 0.0f) {
        lastBorder = BOTTOM;
    } else {
        return false;
    }
    return true;
}
