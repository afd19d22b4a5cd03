#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "Basic/CVector3.h"
#include "Models/loaders/Structures.h"
#include "bytes/ByteReader.h"

// A chunk header as the walk holds it; length covers the 6-byte header.
struct tChunk {
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    std::uint32_t bytesRead = 0;
};

// Reads 3D Studio mesh files (.3ds), a tree of chunks, into a mesh model:
// materials (name, diffuse colour, texture file), mesh objects (vertices,
// faces, texture coordinates, material), then normals, boxes, centre and
// radius. Parsing makes no OpenGL call; C3DSObject uploads the result.
//
// Every chunk must fit in its parent and the primary chunk in the file;
// every face must name vertices its object holds. A file that breaks one of
// these is refused with a console line saying where, and import answers
// false. Loader lines go to the console stream handed in.
class CLoad3DS {
public:
    // The element of the arrays uploaded to vertex buffers.
    using vertex = CVector3;

    explicit CLoad3DS(std::FILE* console = stdout);
    virtual ~CLoad3DS() = default;

    // Reads the file; with swapYZ every vertex (x, y, z) becomes (x, z, -y).
    virtual bool import(const std::string& fileName, bool swapYZ, tMeshModel& model);
    // The children of a top-level chunk (primary, object info).
    virtual bool processNextChunk(tMeshModel& model, tChunk& parentChunk);
    virtual bool processNextObjectChunk(tMeshModel& model, t3DObject& object, tChunk& parentChunk);
    virtual bool processNextMaterialChunk(tMeshModel& model, tChunk& parentChunk);
    // The next chunk header, its bytesRead set to the header's 6 bytes.
    virtual bool readChunk(tChunk& chunk);
    // A zero-terminated string of the chunk into buffer (cut to fit); the
    // bytes read including the terminator, 0 when the chunk holds none.
    virtual std::uint32_t getString(tChunk& chunk, char (&buffer)[255]);
    virtual bool readColorChunk(tMaterialInfo& material, tChunk& chunk);
    virtual bool readVertexIndices(t3DObject& object, tChunk& chunk);
    virtual bool readUVCoordinates(t3DObject& object, tChunk& chunk);
    virtual bool readVertices(t3DObject& object, tChunk& chunk);
    virtual bool readObjectMaterial(tMeshModel& model, t3DObject& object, tChunk& chunk);
    virtual void computeNormals(tMeshModel& model);
    virtual void computeBoundingBoxes(tMeshModel& model);
    virtual void computeCenterAndRadius(tMeshModel& model);

    // import on a file already in memory; name is used in messages.
    bool importBytes(const std::uint8_t* data, std::size_t size, const std::string& name, bool swapYZ,
                     tMeshModel& model);
    // The file a material's texture is loaded from: the file in the
    // directory (a "/" goes between them unless the directory ends in one),
    // with ".jpg" or ".jpeg" (in any case) turned into ".tga".
    static std::string texturePath(const std::string& directory, const std::string& file);

private:
    using ChildHandler = std::function<bool(tChunk& child)>;
    // Reads the children of parent one by one, each checked to fit in what
    // is left of it.
    bool walk(tChunk& parent, const ChildHandler& handle);
    bool readChild(tChunk& parent, tChunk& child);
    // n bytes of the chunk's payload, or nullptr when it holds fewer.
    const std::uint8_t* take(tChunk& chunk, std::size_t n);
    bool skipRest(tChunk& chunk);
    // A list of 16-bit count records of recordSize bytes; nullptr, with the
    // failure said, when the chunk holds fewer.
    const std::uint8_t* takeList(tChunk& chunk, std::size_t recordSize, std::size_t& count, const char* what,
                                 const t3DObject& object);
    bool checkFaces(const t3DObject& object);
    bool fail(const std::string& why);
    void say(const char* text);

    ByteReader file{nullptr, 0};
    std::string fileName;
    bool swapYZ = false;
    int depth = 0;
    std::FILE* console;
};
