#pragma once
#include <vector>

#include "Basic/CVector2.h"
#include "Basic/CVector3.h"
#include "Models/loaders/Structures.h"

// The steps that finish any mesh model once its file has been read: normals,
// boxes, centre and radius, and the expansion of indexed faces into the
// per-corner arrays the vertex buffers hold. Every face index of the mesh
// must lie inside its object's lists (the loaders check that while reading).
namespace MeshSteps {
// How the face normals around a vertex add up to its normal.
enum class NormalSum {
    UnitFaces,      // each face counts alike (3DS, MD2)
    WeightedFaces,  // larger faces weigh more (OBJ)
};

// The vertex normals of positions under faces, into normals (resized to the
// positions). A face's normal is (P0 - P2) x (P2 - P1); a vertex's normal is
// the sum over the faces that use it divided by minus their count, made
// unit, so counter-clockwise faces give outward normals. A vertex no face
// uses gets a zero normal.
void vertexNormals(const std::vector<tFace>& faces, const std::vector<CVector3>& positions, NormalSum sum,
                   std::vector<CVector3>& normals);
// Normals of every object from its own faces; totalVertices grows by three
// per face.
void computeNormals(tMeshModel& model, NormalSum sum);
// The box of every object and of the whole model over their positions.
void computeBoundingBoxes(tMeshModel& model);
// The mean of all positions, and the largest distance from it to one.
void computeCenterAndRadius(tMeshModel& model);

// The texture coordinate an index names, or (0, 0) for one the object does
// not hold (a corner that names none).
CVector2 texCoordAt(const t3DObject& object, std::int32_t index);

// Three records per face, corner 0, 1, 2 in order.
struct Corners {
    std::vector<CVector3> positions;
    std::vector<CVector3> normals;
    std::vector<CVector2> texCoords;  // filled only when asked for
};
// Appends the corners of object's faces; normals come from the object's
// vertex normals.
void expandCorners(const t3DObject& object, bool withTexCoords, Corners& out);
}  // namespace MeshSteps
