#pragma once
#include <algorithm>

#include "Basic/CVector3.h"

// An axis-aligned box grown over points. It starts inverted at the model
// files' conventional limits (min 999999, max -999999), so a box that saw no
// point keeps those values.
class BoundsBuilder {
public:
    void add(const CVector3& p) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }

    CVector3 min{kStart, kStart, kStart};
    CVector3 max{-kStart, -kStart, -kStart};

private:
    static constexpr float kStart = 999999.0f;
};
