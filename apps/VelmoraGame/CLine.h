#pragma once
#include <cstdint>
#include <vector>

#include "Basic/CVector2.h"

// The trail the line head leaves, in the order it was laid.
class CLine {
public:
    // Trail points grouped by pixel row (or column): entry k holds, in trail
    // order, the points whose coordinate is exactly k.
    using Buckets = std::vector<std::vector<CVector2>>;

    virtual ~CLine() = default;

    virtual void addPoint(int x, int y);
    // True when the position is already in the trail (nothing is added);
    // otherwise appends a copy and returns false.
    virtual bool tryAddPoint(const CVector2& position);
    // Exact float equality of both coordinates with any point.
    virtual bool contains(const CVector2& position) const;

    void clear();
    const std::vector<CVector2>& getPoints() const { return points; }

    // One pass over the trail; points off the integer rows 0..rows-1 (half
    // pixels, outside the field) are left out.
    Buckets byRow(std::uint32_t rows) const;
    Buckets byColumn(std::uint32_t columns) const;

private:
    std::vector<CVector2> points;
};
