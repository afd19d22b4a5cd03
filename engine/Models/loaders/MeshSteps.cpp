#include "Models/loaders/MeshSteps.h"

#include <algorithm>
#include <cmath>

#include "Basic/C3DMath.h"
#include "Models/loaders/BoundsBuilder.h"

namespace MeshSteps {
namespace {
std::size_t at(std::int32_t index) { return static_cast<std::size_t>(index); }

// cross and CVector3::normalize, inline here: they run for every face of
// every key frame of a model.
CVector3 faceNormal(const CVector3& p0, const CVector3& p1, const CVector3& p2) {
    const CVector3 a = p0 - p2, b = p2 - p1;
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void makeUnit(CVector3& v) {
    const float length = std::sqrt(v.z * v.z + v.x * v.x + v.y * v.y);
    if (length != 0.0f)
        v *= 1.0f / length;
}

// Adds n to the sum of each distinct corner: a face that uses a vertex twice
// counts for it once.
void addToCorners(const tFace& face, const CVector3& n, std::vector<CVector3>& sums, std::vector<int>& counts) {
    const std::int32_t* v = face.vertIndex;
    for (int k = 0; k < 3; ++k) {
        if ((k > 0 && v[k] == v[0]) || (k == 2 && v[2] == v[1]))
            continue;
        sums[at(v[k])] += n;
        ++counts[at(v[k])];
    }
}
}  // namespace

void vertexNormals(const std::vector<tFace>& faces, const std::vector<CVector3>& positions, NormalSum sum,
                   std::vector<CVector3>& normals) {
    normals.assign(positions.size(), CVector3());
    std::vector<int> counts(positions.size(), 0);
    for (const tFace& face : faces) {
        const CVector3& p0 = positions[at(face.vertIndex[0])];
        const CVector3& p1 = positions[at(face.vertIndex[1])];
        const CVector3& p2 = positions[at(face.vertIndex[2])];
        CVector3 n = faceNormal(p0, p1, p2);
        if (sum == NormalSum::UnitFaces)
            makeUnit(n);
        addToCorners(face, n, normals, counts);
    }
    for (std::size_t i = 0; i < normals.size(); ++i) {
        if (counts[i] == 0)
            continue;
        normals[i] = normals[i] / -counts[i];
        makeUnit(normals[i]);
    }
}

void computeNormals(tMeshModel& model, NormalSum sum) {
    for (t3DObject& object : model.objects) {
        model.totalVertices += 3 * object.pFaces.size();
        vertexNormals(object.pFaces, object.pVerts, sum, object.pNormals);
    }
}

void computeBoundingBoxes(tMeshModel& model) {
    BoundsBuilder whole;
    for (t3DObject& object : model.objects) {
        BoundsBuilder box;
        for (const CVector3& p : object.pVerts) {
            box.add(p);
            whole.add(p);
        }
        object.boundsMin = box.min;
        object.boundsMax = box.max;
    }
    model.boundsMin = whole.min;
    model.boundsMax = whole.max;
}

void computeCenterAndRadius(tMeshModel& model) {
    CVector3 sum;
    std::size_t count = 0;
    for (const t3DObject& object : model.objects)
        for (const CVector3& p : object.pVerts) {
            sum += p;
            ++count;
        }
    model.center = count > 0 ? sum / count : CVector3();
    model.radius = -1000000000.0f;
    for (const t3DObject& object : model.objects)
        for (const CVector3& p : object.pVerts)
            model.radius = std::max(model.radius, distance(model.center, p));
}

CVector2 texCoordAt(const t3DObject& object, std::int32_t index) {
    return index >= 0 && at(index) < object.pTexVerts.size() ? object.pTexVerts[at(index)] : CVector2();
}

void expandCorners(const t3DObject& object, bool withTexCoords, Corners& out) {
    const std::size_t corners = 3 * object.pFaces.size();
    out.positions.reserve(out.positions.size() + corners);
    out.normals.reserve(out.normals.size() + corners);
    if (withTexCoords)
        out.texCoords.reserve(out.texCoords.size() + corners);
    for (const tFace& face : object.pFaces)
        for (int k = 0; k < 3; ++k) {
            out.positions.push_back(object.pVerts[at(face.vertIndex[k])]);
            out.normals.push_back(object.pNormals[at(face.vertIndex[k])]);
            if (withTexCoords)
                out.texCoords.push_back(texCoordAt(object, face.coordIndex[k]));
        }
}
}  // namespace MeshSteps
