#pragma once
#include <cstdint>
#include <vector>

#include "Models/loaders/MeshSteps.h"
#include "Models/loaders/Structures.h"
#include "graphics/GLBuffer.h"

// The vertex buffers of a mesh model: one set per object and, on request,
// one set for the whole model. Each holds the faces expanded into corners
// (positions, normals, and texture coordinates for textured objects). The
// buffers are owned here and deleted with it; the object records keep
// their names for reference.
class MeshBuffers {
public:
    // One set per object; texture coordinates where the object has a
    // texture.
    void buildObjectBuffers(tMeshModel& model);
    // Positions and normals of all objects in one set, untextured.
    void buildModelBuffers(tMeshModel& model);
    // Draws object i's set, its texture coordinates with texture bound when
    // it has them, otherwise untextured.
    void drawObject(std::size_t i, std::uint32_t texture) const;
    void drawModel() const;
    // Built once, even for a model without faces.
    bool hasModelBuffers() const { return wholeBuilt; }

private:
    struct Set {
        GLBuffer positions, normals, texCoords;
        std::uint64_t drawCount = 0;
        bool textured = false;
    };
    static void upload(Set& set, const MeshSteps::Corners& corners);
    static void draw(const Set& set, std::uint32_t texture);

    std::vector<Set> objects;
    Set whole;
    bool wholeBuilt = false;
};
