#include "CLine.h"

#include <algorithm>
#include <cmath>

namespace {
bool isBucketIndex(float v, std::uint32_t count) {
    return v >= 0.0f && v < static_cast<float>(count) && std::floor(v) == v;
}

template <typename Coordinate>
CLine::Buckets bucketize(const std::vector<CVector2>& points, std::uint32_t count, Coordinate coordinate) {
    CLine::Buckets buckets(count);
    for (const CVector2& p : points) {
        const float v = coordinate(p);
        if (isBucketIndex(v, count))
            buckets[static_cast<std::uint32_t>(v)].push_back(p);
    }
    return buckets;
}
}  // namespace

void CLine::addPoint(int x, int y) { points.emplace_back(static_cast<float>(x), static_cast<float>(y)); }

bool CLine::tryAddPoint(const CVector2& position) {
    if (contains(position))
        return true;
    points.push_back(position);
    return false;
}

bool CLine::contains(const CVector2& position) const {
    return std::any_of(points.begin(), points.end(),
                       [&](const CVector2& p) { return p.x == position.x && p.y == position.y; });
}

void CLine::clear() { points.clear(); }

CLine::Buckets CLine::byRow(std::uint32_t rows) const {
    return bucketize(points, rows, [](const CVector2& p) { return p.y; });
}

CLine::Buckets CLine::byColumn(std::uint32_t columns) const {
    return bucketize(points, columns, [](const CVector2& p) { return p.x; });
}
