#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Basic/CVector2.h"
#include "Basic/CVector3.h"
#include "Models/loaders/Structures.h"

// Reads Wavefront OBJ text into a mesh model: positions ("v"), texture
// coordinates ("vt") and faces ("f"); a vertex line after faces starts a
// new object. Other lines (normals, groups, materials, comments) are
// skipped: the mesh steps compute their own normals. Parsing makes no
// OpenGL call.
//
// Face corners may be written v, v/t, v//n or v/t/n (normal indices are
// ignored), indices may be negative (counted back from the last one read),
// and a face of n corners becomes the fan of n - 2 triangles. Indices count
// from 1 over the whole file; each object is rebased on what was read
// before it began, and must use only its own vertices and coordinates. A
// face that breaks this, or has fewer than three corners, or a corner that
// does not parse, fails the load with a console line naming the line.
class CObjLoader {
public:
    // The element of the arrays uploaded to vertex buffers.
    using vertex = CVector3;

    explicit CObjLoader(std::FILE* console = stdout);
    virtual ~CObjLoader() = default;

    virtual bool import(const std::string& fileName, tMeshModel& model);
    virtual bool readObjFile(tMeshModel& model);
    // The rest of a line that started with "v".
    virtual void readVertexInfo(std::string_view rest);
    // The rest of a line that started with "f".
    virtual bool readFaceInfo(std::string_view rest);
    // Closes the object being read: appends it to the model.
    virtual void fillInObjectInfo(tMeshModel& model);
    virtual void setObjectMaterial(tMeshModel& model, int objectIndex, int materialID);
    virtual void addMaterial(tMeshModel& model, const std::string& name, const std::string& file, int r, int g, int b);
    virtual void computeNormals(tMeshModel& model);
    virtual void computeBoundingBoxes(tMeshModel& model);

    // import on text already in memory; name is used in messages.
    bool importText(std::string_view text, const std::string& name, tMeshModel& model);

private:
    // One corner as written: position and texture indices (0: none).
    struct Corner {
        std::int32_t vertex = 0;
        std::int32_t texCoord = 0;
    };
    bool readCorner(std::string_view token, Corner& corner);
    // A corner's index in the current object's list of size count, read
    // before began; -1 when it lies outside.
    std::int32_t localIndex(std::int32_t index, std::size_t before, std::size_t count) const;
    // Both imports: reads the file or text, then the mesh steps.
    bool load(const std::string& name, tMeshModel& model);
    // Hands take the file in blocks of whole lines (the last may lack its
    // line feed); false when take refuses one or the file cannot be read.
    bool streamLines(const std::function<bool(std::string_view)>& take);
    // Whole lines; the last may lack its line feed.
    bool readLines(std::string_view text, tMeshModel& model);
    bool fail(const std::string& why);
    void say(const char* text);
    void flushConsole();

    // What is read: an open file, or else text in memory.
    std::FILE* stream = nullptr;
    std::string_view file;
    int line = 0;  // the number of the line being read
    std::string fileName;
    std::vector<CVector3> vertices;
    std::vector<tFace> faces;
    std::vector<CVector2> texCoords;
    bool objectHasUV = false;
    bool justReadAFace = false;
    // What the objects before the current one read.
    std::size_t verticesBefore = 0;
    std::size_t texCoordsBefore = 0;
    std::vector<Corner> corners;  // of the face being read
    std::FILE* console;
    std::string pending;  // console lines not written yet
};
