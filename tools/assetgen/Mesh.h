#pragma once
#include <array>
#include <vector>

#include "Vec3.h"

// A point of a texture in picture space: u to the right, v down from the
// picture's top row, both 0..1 across the picture.
struct TexCoord {
    float u = 0.0f;
    float v = 0.0f;
};

// Corners counter-clockwise seen from outside. Positions and texture
// coordinates are indexed separately, as in MD2 files, so a seam of the
// texture needs no second copy of its positions. part tells which object
// (and material) of a model the triangle belongs to.
struct MeshTriangle {
    std::array<int, 3> position;
    std::array<int, 3> texcoord;
    int part = 0;
};

// The triangles of a generated model, built up by the solids in Solids.h.
struct Mesh {
    std::vector<Vec3> positions;
    std::vector<TexCoord> texcoords;
    std::vector<MeshTriangle> triangles;

    int addPosition(Vec3 p);
    int addTexcoord(TexCoord t);
    // Two triangles over the quad a b c d, counter-clockwise seen from outside.
    void addQuad(const std::array<int, 4>& corners, const std::array<int, 4>& texcoords, int part);
};
