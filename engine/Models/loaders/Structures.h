#pragma once
#include <cstdint>
#include <vector>

#include "Basic/CVector2.h"
#include "Basic/CVector3.h"

// Plain records shared by the mesh loaders (3DS, MD2, OBJ), the mesh steps
// and the shadow volumes. Names are fixed-size, zero-terminated byte arrays
// as the file formats store them.

struct tMaterialInfo {
    char strName[255] = {};
    char strFile[255] = {};  // texture file name; empty when untextured
    std::uint8_t color[3] = {};
    std::int32_t textureId = 0;
    float uTile = 0, vTile = 0, uOffset = 0, vOffset = 0;
};

struct tFace {
    std::int32_t vertIndex[3] = {};   // into pVerts
    std::int32_t coordIndex[3] = {};  // into pTexVerts
};

struct vertex2d {
    float u = 0, v = 0;
};

// One mesh object of a model, or one key frame of an animated one.
struct t3DObject {
    std::int32_t numOfVerts = 0;
    std::int32_t numOfFaces = 0;
    std::int32_t numTexVertex = 0;
    std::int32_t materialID = -1;  // -1: none
    bool bHasTexture = false;
    char strName[255] = {};
    std::vector<CVector3> pVerts;
    std::vector<CVector3> pNormals;
    std::vector<CVector2> pTexVerts;
    std::vector<tFace> pFaces;
    CVector3 boundsMin, boundsMax;
    std::uint32_t vboVertices = 0, vboNormals = 0, vboTexCoords = 0;
    std::uint64_t drawCount = 0;
};

struct tAnimationInfo {
    char strName[255] = {};
    std::int32_t startFrame = 0;
    std::int32_t endFrame = 0;
};

// A whole mesh model: its objects (or key frames), materials and
// animations.
struct tMeshModel {
    std::int32_t numOfObjects = 0;
    std::int32_t numOfMaterials = 0;
    std::int32_t numOfAnimations = 0;
    std::int32_t currentAnim = 0;
    std::int32_t currentFrame = 0;
    std::vector<tAnimationInfo> animations;
    std::vector<tMaterialInfo> materials;
    std::vector<t3DObject> objects;
    CVector3 boundsMin, boundsMax;
    CVector3 center;
    float radius = 0.0f;
    std::uint64_t totalVertices = 0;
    std::uint32_t vboVertices = 0, vboNormals = 0;
};
