#include "Models/CShadowVolume.h"

#include <GL/glew.h>

#include <algorithm>

#include "Basic/C3DMath.h"
#include "Models/loaders/CKObjectLoader.h"
#include "Models/loaders/Structures.h"

namespace {
// Extruded edges reach this many times their distance from the light.
constexpr float kExtrusion = 100.0f;

std::uint64_t keyOf(std::int32_t a, std::int32_t b) {
    const auto lo = static_cast<std::uint32_t>(std::min(a, b)), hi = static_cast<std::uint32_t>(std::max(a, b));
    return (std::uint64_t(hi) << 32) | lo;
}

std::size_t hashOf(std::uint64_t key) { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20); }

// The model vertex i, or the origin for an index the object does not hold.
CVector3 vertexAt(const K3DModelObject& object, std::int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= object.vertices.size())
        return {};
    const CKObjectLoader::vertex& v = object.vertices[static_cast<std::size_t>(i)];
    return {v.x, v.y, v.z};
}

// The mesh vertex i, or the origin for an index the mesh does not hold.
CVector3 meshVertex(const t3DObject& mesh, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < mesh.pVerts.size() ? mesh.pVerts[static_cast<std::size_t>(i)]
                                                                      : CVector3();
}
}  // namespace

void CShadowVolume::clearEdges() {
    edges.clear();
    std::fill(table.begin(), table.end(), 0);
    edgeCount = 0;
}

std::size_t CShadowVolume::slotOf(std::int32_t a, std::int32_t b) const {
    const std::uint64_t key = keyOf(a, b);
    const std::size_t mask = table.size() - 1;
    for (std::size_t slot = hashOf(key) & mask;; slot = (slot + 1) & mask) {
        const std::int32_t entry = table[slot];
        if (entry == 0)
            return slot;
        const edge& e = edges[static_cast<std::size_t>(entry - 1)];
        if (keyOf(e.first, e.second) == key)
            return slot;
    }
}

// Keeps the table at most half full; its size stays a power of two.
void CShadowVolume::growTable() {
    if (table.size() >= 2 * (edges.size() + 1))
        return;
    table.assign(std::max<std::size_t>(64, table.size() * 2), 0);
    for (std::size_t i = 0; i < edges.size(); ++i)
        table[slotOf(edges[i].first, edges[i].second)] = static_cast<std::int32_t>(i + 1);
}

// An edge shared by two lit faces is not on the silhouette: the second use
// cancels the first, whichever way round either runs. A third use appends it
// again, as a linear search of the list for an active edge would; the table
// points at the newest entry of each edge, the only one that can be active.
void CShadowVolume::addEdge(std::int32_t a, std::int32_t b) {
    growTable();
    const std::size_t slot = slotOf(a, b);
    if (table[slot] != 0) {
        edge& e = edges[static_cast<std::size_t>(table[slot] - 1)];
        if (e.active) {
            e.active = false;
            return;
        }
    }
    edges.push_back({a, b, true});
    table[slot] = static_cast<std::int32_t>(edges.size());
}

void CShadowVolume::addEdgeCounted(std::int32_t a, std::int32_t b) {
    const std::size_t before = edges.size();
    addEdge(a, b);
    edgeCount += edges.size() > before ? 1 : 0;
}

void CShadowVolume::computeNativeFaceNormal(int faceIndex, K3DModel& model) {
    K3DModelObject& object = model.objects.front();
    K3DFace& face = object.faces[static_cast<std::size_t>(faceIndex)];
    const CVector3 v0 = vertexAt(object, face.a), v1 = vertexAt(object, face.b), v2 = vertexAt(object, face.c);
    face.normal = cross(v1 - v0, v2 - v0);
    face.normal.normalize();
}

void CShadowVolume::appendQuad(const CVector3& p, const CVector3& q, const CVector3& e, const CVector3& f) {
    for (const CVector3& corner : {p, q, e, q, f, e})
        vertices.push_back(corner);
}

void CShadowVolume::buildNative(K3DModel& model, const CVector3& light, const CVector3& position) {
    clearEdges();
    vertices.clear();
    if (model.objects.empty())
        return;
    const K3DModelObject& object = model.objects.front();
    for (std::size_t i = 0; i < object.faces.size(); ++i) {
        computeNativeFaceNormal(static_cast<int>(i), model);
        const K3DFace& face = object.faces[i];
        if (dot(light, face.normal) < 0.0f)
            continue;
        direction = position + vertexAt(object, face.a) - light;
        const std::int32_t corners[4] = {face.a, face.b, face.c, face.d};
        const int count = face.d == -1 ? 3 : 4;
        for (int k = 0; k < count; ++k)
            addEdge(corners[k], corners[(k + 1) % count]);
    }
    for (const edge& e : edges)
        if (e.active) {
            const CVector3 p = vertexAt(object, e.first) + position, q = vertexAt(object, e.second) + position;
            appendQuad(p, q, p + direction * kExtrusion, q + direction * kExtrusion);
        }
}

void CShadowVolume::computeFaceNormal(int faceIndex, const t3DObject& mesh, float angle) {
    const tFace& face = mesh.pFaces[static_cast<std::size_t>(faceIndex)];
    const CVector3 v0 = meshVertex(mesh, face.vertIndex[0]), v1 = meshVertex(mesh, face.vertIndex[1]),
                   v2 = meshVertex(mesh, face.vertIndex[2]);
    CVector3 n = cross(v0 - v1, v0 - v2);
    matrix4x4f rotation;
    rotation.setRotationY(angle);
    rotation.transformPoint(n);
    n.normalize();
    faceNormals[static_cast<std::size_t>(faceIndex)] = n;
}

// Face normals are turned with the mesh, so they are computed again when it
// has turned since.
void CShadowVolume::computeMeshNormals(const t3DObject& mesh, float angle) {
    if (!normalsPending && faceNormals.size() == mesh.pFaces.size() && normalsAngle == angle)
        return;
    normalsAngle = angle;
    faceNormals.resize(mesh.pFaces.size());
    for (std::size_t i = 0; i < mesh.pFaces.size(); ++i)
        computeFaceNormal(static_cast<int>(i), mesh, angle);
    normalsPending = false;
}

// Three separate matrices applied in turn, not their product: a product
// would round differently from the per-step transforms the volume uses.
void CShadowVolume::place(const Placement& placement) {
    scaling.setScale(placement.scale);
    turning.setRotationY(placement.angle);
    moving.setTranslation(placement.position);
}

CVector3 CShadowVolume::toWorld(const CVector3& v) const {
    CVector3 p = v;
    scaling.transformPoint(p);
    turning.transformPoint(p);
    moving.transformPoint(p);
    return p;
}

void CShadowVolume::buildMesh(t3DObject& mesh, const CVector3& light, const Placement& placement) {
    clearEdges();
    vertices.clear();
    place(placement);
    computeMeshNormals(mesh, placement.angle);
    for (std::size_t i = 0; i < mesh.pFaces.size(); ++i) {
        if (dot(light, faceNormals[i]) <= 0.1f)
            continue;
        const std::int32_t* corner = mesh.pFaces[i].vertIndex;
        for (int k = 0; k < 3; ++k)
            addEdgeCounted(corner[k], corner[(k + 1) % 3]);
    }
    for (const edge& e : edges)
        if (e.active) {
            const CVector3 p = toWorld(meshVertex(mesh, e.first)), q = toWorld(meshVertex(mesh, e.second));
            appendQuad(p, q, p + (p - light) * kExtrusion, q + (q - light) * kExtrusion);
        }
}

void CShadowVolume::buildMeshFrame(const t3DObject& frame0, const t3DObject& current, const t3DObject& next, float t,
                                   const CVector3& light, const Placement& placement) {
    if (callCounter++ != rebuildInterval)
        return;
    callCounter = 1;
    clearEdges();
    place(placement);
    computeMeshNormals(frame0, placement.angle);
    const std::size_t faces = std::min<std::size_t>(frame0.pFaces.size(), std::max(0, current.numOfFaces));
    for (std::size_t i = 0; i < faces; ++i) {
        if (dot(light, faceNormals[i]) < 0.1f)
            continue;
        const std::int32_t* corner = frame0.pFaces[i].vertIndex;
        for (int k = 0; k < 3; ++k)
            addEdgeCounted(corner[k], corner[(k + 1) % 3]);
    }
    const auto between = [&](std::int32_t i) {
        const CVector3 a = toWorld(meshVertex(current, i)), b = toWorld(meshVertex(next, i));
        return a + (b - a) * t;
    };
    const std::size_t needed = 6 * edges.size();
    if (vertices.size() < needed)
        vertices.resize(needed);
    writtenCount = 0;
    for (const edge& e : edges)
        if (e.active) {
            const CVector3 p = between(e.first), q = between(e.second);
            const CVector3 ep = p + (p - light) * kExtrusion, fq = q + (q - light) * kExtrusion;
            for (const CVector3& corner : {p, q, ep, q, fq, ep})
                vertices[static_cast<std::size_t>(writtenCount++)] = corner;
        }
}

void CShadowVolume::draw() {
    if (vertices.empty())
        return;
    drawVertices(vertices.size());
}

void CShadowVolume::drawFrame() { drawVertices(static_cast<std::size_t>(std::max(0, writtenCount))); }

// The first count vertices as triangles, untextured.
void CShadowVolume::drawVertices(std::size_t count) const {
    glDisable(GL_TEXTURE_2D);
    const std::size_t drawn = std::min(count, vertices.size());
    glBegin(GL_TRIANGLES);
    for (std::size_t i = 0; i < drawn; ++i)
        glVertex3f(vertices[i].x, vertices[i].y, vertices[i].z);
    glEnd();
}
