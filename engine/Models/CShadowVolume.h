#pragma once
#include <cstdint>
#include <vector>

#include "Basic/CVector3.h"
#include "Basic/Matrix4x4f.h"

struct K3DModel;
struct t3DObject;

// The stencil shadow volume of one mesh for a point light. The faces that
// face the light give the silhouette (edges used by one lit face only); each
// silhouette edge is extruded away from the light into a quad, kept as two
// triangles. The shared stencil pass of the models draws them.
//
// Edges are matched through a hash table instead of the linear search of a
// list, and every list keeps its storage between builds, so rebuilding the
// volume of an animated model each frame allocates nothing once it has
// reached its size.
class CShadowVolume {
public:
    struct edge {
        std::int32_t first = 0;
        std::int32_t second = 0;
        bool active = false;
    };
    // Where a mesh stands: the volume scales, turns about y and moves its
    // vertices as the model's transform does.
    struct Placement {
        CVector3 position;
        CVector3 scale{1, 1, 1};
        float angle = 0.0f;
        CVector3 axis{0, 1, 0};  // not used: volumes always turn about y
    };

    CShadowVolume() = default;
    virtual ~CShadowVolume() = default;

    // The volume of a native model's first object, moved by position (no
    // scale or rotation). All edges are extruded along one direction: from
    // the light to the first corner of the last lit face.
    virtual void buildNative(K3DModel& model, const CVector3& light, const CVector3& position);
    // Cancels the edge against an active one running either way, or adds it.
    virtual void addEdge(std::int32_t a, std::int32_t b);
    virtual void computeNativeFaceNormal(int faceIndex, K3DModel& model);
    virtual void draw();
    // The first written records, for volumes built by buildMeshFrame.
    virtual void drawFrame();
    virtual void addEdgeCounted(std::int32_t a, std::int32_t b);
    // The volume of a 3DS or OBJ mesh object; face normals are computed on
    // the first build, and again after the mesh turned.
    virtual void buildMesh(t3DObject& mesh, const CVector3& light, const Placement& placement);
    virtual void computeFaceNormal(int faceIndex, const t3DObject& mesh, float angle);
    // An animated mesh between two key frames at factor t; rebuilds only
    // every rebuild-interval calls and writes its triangles in place.
    virtual void buildMeshFrame(const t3DObject& frame0, const t3DObject& current, const t3DObject& next, float t,
                                const CVector3& light, const Placement& placement);

    const std::vector<edge>& getEdges() const { return edges; }
    const std::vector<CVector3>& getVertices() const { return vertices; }
    int getWrittenVertexCount() const { return writtenCount; }

private:
    void clearEdges();
    // The slot of the active edge joining a and b, or of the free slot
    // where it would go.
    std::size_t slotOf(std::int32_t a, std::int32_t b) const;
    void growTable();
    // Builds the scale, turn and move of a placement once for a whole build.
    void place(const Placement& placement);
    // v scaled, turned about y and moved by the last place().
    CVector3 toWorld(const CVector3& v) const;
    void appendQuad(const CVector3& p, const CVector3& q, const CVector3& e, const CVector3& f);
    void computeMeshNormals(const t3DObject& mesh, float angle);
    void drawVertices(std::size_t count) const;

    std::vector<edge> edges;
    std::vector<std::int32_t> table;  // open addressing: index into edges + 1, 0 for free
    std::vector<CVector3> vertices;
    std::vector<CVector3> faceNormals;
    CVector3 direction;
    bool normalsPending = true;
    float normalsAngle = 0.0f;
    int edgeCount = 0;
    int rebuildInterval = 1;
    int callCounter = 0;
    int writtenCount = 0;
    matrix4x4f scaling;
    matrix4x4f turning;
    matrix4x4f moving;
};
