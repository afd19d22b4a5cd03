#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Models/loaders/Structures.h"
#include "bytes/ByteReader.h"

// The records of an MD2 file (the Quake II model format) as it stores them.
struct tMd2Header {
    std::int32_t ident, version;
    std::int32_t skinWidth, skinHeight;
    std::int32_t frameSize;
    std::int32_t numSkins, numVertices, numTexCoords, numTriangles, numGlCommands, numFrames;
    std::int32_t offsetSkins, offsetTexCoords, offsetTriangles, offsetFrames, offsetGlCommands, offsetEnd;
};
struct tMd2Skin {
    char name[64];
};
struct tMd2TexCoord {
    std::int16_t u, v;  // texels
};
struct tMd2Face {
    std::int16_t vertexIndices[3];
    std::int16_t textureIndices[3];
};
// A frame's name; its vertices are decoded straight into the model.
struct tMd2Frame {
    char strName[16];
};

// Reads MD2 models into a mesh model with one object per key frame: every
// frame holds its positions and normals, the first also the faces and
// texture coordinates all frames share. Frames named alike (stand01,
// stand02, ...) are grouped into named animations. Parsing makes no OpenGL
// call.
//
// The header's counts and offsets are checked against the file before
// anything is allocated, and every index of a triangle against the lists it
// names; a file that breaks one is refused with a console line saying why,
// and import answers false.
class CMD2Loader {
public:
    explicit CMD2Loader(std::FILE* console = stdout);
    virtual ~CMD2Loader() = default;

    // skinName, when not empty, becomes the model's one material.
    virtual bool import(tMeshModel& model, const std::string& fileName, const std::string& skinName);

    // import on a file already in memory; name is used in messages.
    bool importBytes(const std::uint8_t* data, std::size_t size, tMeshModel& model, const std::string& name,
                     const std::string& skinName);

private:
    bool readHeader();
    bool checkHeader();
    bool readMD2Data(tMeshModel& model);
    bool checkTriangles();
    void parseAnimations(tMeshModel& model);
    void convertDataStructures(tMeshModel& model);
    void computeNormals(tMeshModel& model);
    void computeBoundingBoxes(tMeshModel& model);
    void addSkin(tMeshModel& model, const std::string& skinName);
    bool fail(const std::string& why);

    ByteReader file{nullptr, 0};
    std::string fileName;
    tMd2Header header{};
    std::vector<tMd2TexCoord> texCoords;
    std::vector<tMd2Face> triangles;
    std::vector<tMd2Frame> frames;
    std::FILE* console;
};
