#include <gtest/gtest.h>

#include <cstdio>

#include "Models/loaders/CObjLoader.h"
#include "Models/loaders/MeshSteps.h"
#include "support/ImageMagick.h"
#include "support/ModelFiles.h"

using ModelFiles::Loaded;

namespace {
Loaded importText(const std::string& text) {
    Loaded out;
    out.console = ModelFiles::console(
        [&](std::FILE* sink) { out.ok = CObjLoader(sink).importText(text, "test.obj", out.model); });
    return out;
}

// The vertex indices of an object's faces, in order.
std::vector<int> corners(const t3DObject& object) {
    std::vector<int> out;
    for (const tFace& face : object.pFaces)
        out.insert(out.end(), face.vertIndex, face.vertIndex + 3);
    return out;
}

std::vector<int> coords(const t3DObject& object) {
    std::vector<int> out;
    for (const tFace& face : object.pFaces)
        out.insert(out.end(), face.coordIndex, face.coordIndex + 3);
    return out;
}

const char* kQuad = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n";
}  // namespace

TEST(ObjLoader, ReadsEveryCornerFormAndPrintsItsProgress) {
    const Loaded loaded = importText(
        std::string(kQuad) + "vn 0 0 1\n# corners\nf 1 2 3\nf 1/1 2/2 3/3\nf 1//1 2//1 3//1\nf 1/1/1 2/2/1 3/3/1\n");
    ASSERT_TRUE(loaded.ok) << loaded.console;
    ASSERT_EQ(loaded.model.numOfObjects, 1);
    const t3DObject& quad = loaded.model.objects[0];
    EXPECT_EQ(corners(quad), (std::vector<int>{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2}));
    EXPECT_EQ(coords(quad), (std::vector<int>{-1, -1, -1, 0, 1, 2, -1, -1, -1, 0, 1, 2}));
    EXPECT_TRUE(quad.bHasTexture);
    EXPECT_EQ(quad.numTexVertex, 4);
    EXPECT_EQ(loaded.model.totalVertices, 12u);
    EXPECT_FLOAT_EQ(loaded.model.boundsMax.y, 1.0f);
    std::string expected;
    for (int i = 0; i < 9; ++i)  // positions, coordinates, the normal
        expected += "v......";
    EXPECT_EQ(loaded.console, expected + "default......f......f......f......f......vege......");
}

TEST(ObjLoader, NegativeIndicesAndPolygons) {
    const Loaded loaded = importText(std::string(kQuad) + "v 2 0 0\nf -5 -4 -3 -2\nf 1/1 2/2 3/3 4/4 5/4\n");
    ASSERT_TRUE(loaded.ok) << loaded.console;
    EXPECT_EQ(corners(loaded.model.objects[0]), (std::vector<int>{0, 1, 2, 0, 2, 3, 0, 1, 2, 0, 2, 3, 0, 3, 4}));
    EXPECT_EQ(coords(loaded.model.objects[0])[14], 3);
}

// A vertex after faces starts an object; its indices are rebased on the
// vertices read before it, whichever vertex its first face starts at.
TEST(ObjLoader, ObjectsSplitByVerticesAfterFacesAreRebased) {
    const Loaded loaded = importText(std::string(kQuad) +
                                     "f 1/1 2/2 3/3\ng second\nv 5 5 5\nv 6 5 5\nv 6 6 5\nvt 0 0\nf 7 6 5\nf 5 6 -1\n");
    ASSERT_TRUE(loaded.ok) << loaded.console;
    ASSERT_EQ(loaded.model.numOfObjects, 2);
    const t3DObject& second = loaded.model.objects[1];
    EXPECT_EQ(corners(second), (std::vector<int>{2, 1, 0, 0, 1, 2}));
    EXPECT_EQ(second.numOfVerts, 3);
    EXPECT_EQ(second.numTexVertex, 1);
    EXPECT_FLOAT_EQ(second.boundsMin.x, 5.0f);
    EXPECT_NE(loaded.console.find("v......v ben fill......"), std::string::npos);
}

TEST(ObjLoader, BadFacesFailNamingTheLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"f 1 2\n", "line 5: a face has 2 corners"},
        {"f 1 x 3\n", "line 5: the face corner \"x\" does not parse"},
        {"f 1 2/ 3\n", "corner \"2/\" does not parse"},
        {"f 1 2 -2147483648\n", "corner \"-2147483648\" does not parse"},
        {"f 1 2 3//-2147483648\n", "does not parse"},
        {"f 1 2 5\n", "a vertex outside the object's 4"},
        {"f 0 1 2\n", "a vertex outside"},
        {"f 1 2 -5\n", "a vertex outside"},
        {"f 1/5 2/1 3/1\n", "a texture coordinate outside the object's 0"},
        {"f 1 2 3\nv 3 3 3\nf 1 2 5\n", "line 7: a face names a vertex outside the object's 1"},
    };
    for (const auto& c : cases) {
        const Loaded loaded = importText(std::string("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n") + c.text);
        EXPECT_FALSE(loaded.ok) << c.text;
        EXPECT_NE(loaded.console.find(c.message), std::string::npos) << c.text << loaded.console;
        EXPECT_EQ(loaded.model.numOfObjects, 0);
    }
    // Positions read as far as their numbers go.
    const std::vector<CVector3> read = importText("v 1 2\nv a b c\nv 1 2 3 junk\n").model.objects[0].pVerts;
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].y + read[0].z + read[1].x + read[2].z, 2.0f + 0 + 0 + 3);
}

// OBJ normals weigh faces by their area, 3DS and MD2 normals count each
// face alike; both point out of counter-clockwise faces.
TEST(ObjLoader, VertexNormalsWeighFacesByArea) {
    const std::vector<CVector3> positions = {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {0, 0, 1}};
    std::vector<tFace> faces(2);
    faces[0].vertIndex[1] = 1, faces[0].vertIndex[2] = 2;  // large, facing +z
    faces[1].vertIndex[1] = 3, faces[1].vertIndex[2] = 1;  // small, facing +y
    std::vector<CVector3> unit, weighted;
    MeshSteps::vertexNormals(faces, positions, MeshSteps::NormalSum::UnitFaces, unit);
    MeshSteps::vertexNormals(faces, positions, MeshSteps::NormalSum::WeightedFaces, weighted);
    EXPECT_NEAR(unit[0].z, 0.7071f, 1e-4f);
    EXPECT_NEAR(unit[0].y, 0.7071f, 1e-4f);
    EXPECT_GT(weighted[0].z, 0.9f);
    EXPECT_NEAR(unit[2].z, 1.0f, 1e-6f);
    EXPECT_EQ(weighted[3].length(), 1.0f);
}

// Files are read in blocks: a line longer than a block, and a last line
// without its line feed, read as in memory.
TEST(ObjLoader, FilesReadInBlocksReadAsText) {
    const std::string text = "# " + std::string(3 << 20, 'x') + "\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3";
    const std::string path = ModelFiles::writeText("long-line.obj", text);
    tMeshModel model;
    const std::string console = ModelFiles::console([&](std::FILE* sink) { CObjLoader(sink).import(path, model); });
    EXPECT_EQ(console, importText(text).console);
    ASSERT_EQ(model.objects.size(), 1u);
    EXPECT_EQ(model.objects[0].numOfFaces, 1);
}

// assimp rewrites a model of two objects as one object of all vertices,
// a group per mesh, quads kept, corners v/t/n and v//n.
TEST(ObjLoader, ReadsFilesAssimpWrote) {
    const std::string dir = ImageMagick::tempDir();
    const std::string source = ModelFiles::writeText(
        "parts.obj", "o box\n" + ModelFiles::objBox({-1, 0, -1}, {1, 2, 1}) +
                         "o tri\nv 3 0 0\nv 5 0 0\nv 5 4 -3\nvt 0 0\nvt 1 0\nvt 1 1\nf 9/1 10/2 11/3\n");
    ASSERT_TRUE(ModelFiles::assimpExport(source, dir + "/parts-out.obj"));
    ModelFiles::AssimpInfo info;
    ASSERT_TRUE(ModelFiles::assimpInfo(dir + "/parts-out.obj", info));
    CObjLoader loader(std::tmpfile());
    tMeshModel model;
    ASSERT_TRUE(loader.import(dir + "/parts-out.obj", model));
    std::size_t faces = 0;
    for (const t3DObject& object : model.objects)
        faces += object.pFaces.size();
    EXPECT_EQ(faces, 6u * 2 + 1);
    EXPECT_EQ(static_cast<int>(faces), info.faces);
    EXPECT_NEAR(model.boundsMin.x, info.min.x, 1e-5f);
    EXPECT_NEAR(model.boundsMin.z, info.min.z, 1e-5f);
    EXPECT_NEAR(model.boundsMax.y, info.max.y, 1e-5f);
    EXPECT_NEAR(model.boundsMax.x, 5.0f, 1e-5f);
}
