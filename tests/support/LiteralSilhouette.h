#pragma once
// Silhouette bookkeeping done the slow, obvious way: a linear search of the
// edge list for an active edge each time one is added. The engine's hashed
// shadow volumes must keep exactly this list; a test compares the two and a
// benchmark times both.
#include <cstdint>
#include <vector>

#include "Models/CShadowVolume.h"

inline void addEdgeLiterally(std::vector<CShadowVolume::edge>& edges, std::int32_t a, std::int32_t b) {
    for (CShadowVolume::edge& e : edges)
        if (e.active && ((e.first == a && e.second == b) || (e.first == b && e.second == a))) {
            e.active = false;
            return;
        }
    edges.push_back({a, b, true});
}
