#pragma once
#include <cstdint>

#include "VelmoraGame/CLine.h"
#include "VelmoraGame/CPixelBuffer.h"

// The field's fills as they were before the trail was indexed: every row and
// every column looks at the whole trail, (width + height) x trail length per
// edge arrival. Kept to check the indexed fills against and to measure them.
class VelmoraReferenceScan : public CPixelBuffer {
public:
    using CPixelBuffer::fillColumns;
    using CPixelBuffer::fillRows;

    void fillRows(const CLine& trail, const CLineHead& head) override {
        fillRows(scan(trail, getHeight(), &CVector2::y), head);
    }
    void fillColumns(const CLine& trail, const CLineHead& head) override {
        fillColumns(scan(trail, getWidth(), &CVector2::x), head);
    }

    static CLine::Buckets scan(const CLine& trail, std::uint32_t count, float CVector2::*coordinate) {
        CLine::Buckets buckets(count);
        for (std::uint32_t k = 0; k < count; ++k) {
            for (const CVector2& p : trail.getPoints())
                if (p.*coordinate == static_cast<float>(k))
                    buckets[k].push_back(p);
        }
        return buckets;
    }
};
