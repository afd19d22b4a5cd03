#pragma once
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Basic/CVector3.h"
#include "Models/loaders/Structures.h"
#include "support/ByteWriter.h"

// Model files made by hand for the model tests: 3DS chunks, MD2 files from
// a table of fields, boxes in every format, and assimp's command-line tool
// as the independent converter and reader.
namespace ModelFiles {
using Writer = ByteWriter;  // the name the model tests use

// A 3DS chunk: id, length (header included), payload.
std::vector<std::uint8_t> chunk(std::uint16_t id, const std::vector<std::uint8_t>& payload);
std::vector<std::uint8_t> join(const std::vector<std::vector<std::uint8_t>>& parts);

struct Md2Frame {
    std::string name;
    float scale[3] = {1, 1, 1};
    float translate[3] = {0, 0, 0};
    std::vector<std::array<std::uint8_t, 3>> vertices;  // packed x, y, z
};
struct Md2File {
    std::int32_t version = 8;
    std::int32_t skinWidth = 64, skinHeight = 64;
    std::vector<std::string> skins;
    std::vector<std::array<std::int16_t, 2>> texCoords;  // s, t
    std::vector<std::array<std::int16_t, 6>> triangles;  // 3 vertex, 3 texture indices
    std::vector<Md2Frame> frames;
};
// The file with its sections in order after the header, offsets filled in,
// and an empty list of GL commands at the end as real files have.
std::vector<std::uint8_t> md2(const Md2File& file);

// Corners of the box from lo to hi: corner i takes hi on x, y, z where bit
// 0, 1, 2 of i is set. Its six sides as corner quads, counter-clockwise
// seen from outside.
std::array<CVector3, 8> boxCorners(const CVector3& lo, const CVector3& hi);
extern const int kBoxSides[6][4];
std::string objBox(const CVector3& lo, const CVector3& hi);
std::vector<std::uint8_t> box3ds(const CVector3& lo, const CVector3& hi);
// Two identical key frames of the box (x, y, z decode exactly).
std::vector<std::uint8_t> boxMd2(const CVector3& lo, const CVector3& hi);
// The box as a native XML model named name, one white material, each side
// one quad; written to name + ".xml" in the test's temp directory, whose
// path it returns.
std::string nativeBox(const std::string& name, const CVector3& lo, const CVector3& hi);

// A loader's result: whether it loaded, the model, and its console lines.
struct Loaded {
    bool ok = false;
    tMeshModel model;
    std::string console;
};
// What run writes to the console stream it is handed (a loader's lines).
std::string console(const std::function<void(std::FILE*)>& run);

// Writes text to name in the test's temp directory and returns the path.
std::string writeText(const std::string& name, const std::string& text);
// `assimp export from to`; true when it wrote the file.
bool assimpExport(const std::string& from, const std::string& to);
// What `assimp info` reports of a file.
struct AssimpInfo {
    int meshes = -1, vertices = -1, faces = -1;
    CVector3 min, max;
};
bool assimpInfo(const std::string& path, AssimpInfo& out);
}  // namespace ModelFiles
