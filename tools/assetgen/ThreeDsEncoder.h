#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Mesh.h"

// One object of a 3DS file with its material: the mesh's triangles whose
// part is the index of this entry.
struct ThreeDsPart {
    std::string objectName;
    std::string materialName;
    std::uint8_t red = 0, green = 0, blue = 0;  // diffuse colour
    std::string textureFile;                    // empty when untextured
};

// A 3D Studio mesh file: version 3, the materials, then one triangle mesh
// object per part that has triangles, in the engine's y-up axes stored z up.
// Vertices are shared within an object where triangles share a position
// (and, for textured objects, a texture coordinate, which is stored per
// vertex with v counted up from the picture's bottom row). Every object
// carries one material group naming its material. Throws when an object
// exceeds the format's 16-bit counts.
std::vector<std::uint8_t> encode3ds(const Mesh& mesh, const std::vector<ThreeDsPart>& parts);
