#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Mesh.h"

// One key frame: a position for each of the mesh's positions, in the
// engine's y-up axes.
struct Md2Frame {
    std::string name;  // at most 15 characters
    std::vector<Vec3> positions;
};

struct Md2Model {
    Mesh mesh;  // triangles and texture coordinates; its positions are not stored
    int skinWidth = 0;
    int skinHeight = 0;
    std::string skinName;
    std::vector<Md2Frame> frames;
};

// A Quake II model file, version 8: header, one skin name, texture
// coordinates in skin texels, triangles and the key frames, each frame's
// positions quantised to bytes over its own bounding box, and the GL
// command list (one strip per triangle). The normal index of every vertex
// is 0: readers compute normals from the triangles. Throws when the model exceeds the
// format's limits.
std::vector<std::uint8_t> encodeMd2(const Md2Model& model);
