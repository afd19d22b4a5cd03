#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "Models/C3DSObject.h"
#include "Models/loaders/C3DSLoader.h"
#include "support/ImageMagick.h"
#include "support/ModelFiles.h"

using ModelFiles::chunk;
using ModelFiles::join;
using ModelFiles::Writer;
using Bytes = std::vector<std::uint8_t>;

using ModelFiles::Loaded;

namespace {
Loaded importBytes(const Bytes& file, bool swapYZ = false) {
    Loaded out;
    out.console = ModelFiles::console([&](std::FILE* sink) {
        out.ok = CLoad3DS(sink).importBytes(file.data(), file.size(), "test.3ds", swapYZ, out.model);
    });
    return out;
}

Loaded importFile(const std::string& path, bool swapYZ) {
    std::vector<std::uint8_t> bytes = ImageMagick::readFile(path);
    return importBytes(bytes, swapYZ);
}

Bytes material(const std::string& name, const std::string& texture, Bytes color) {
    Bytes parts = join({chunk(0xA000, Writer().text(name).data), chunk(0xA020, chunk(0x0011, color))});
    if (!texture.empty())
        parts = join({parts, chunk(0xA200, chunk(0xA300, Writer().text(texture).data))});
    return chunk(0xAFFF, parts);
}

// One triangle (1, 2, 3), (4, 5, 6), (7, 8, 9) with texture coordinates,
// assigned to materialName inside its face chunk as 3D Studio writes it.
Bytes triangleObject(const std::string& materialName) {
    Writer vertices, uv, faces;
    vertices.u16(3);
    for (int i = 1; i <= 9; ++i)
        vertices.f32(static_cast<float>(i));
    uv.u16(3).f32(0).f32(0).f32(1).f32(0).f32(0).f32(1);
    faces.u16(1).u16(0).u16(1).u16(2).u16(0);
    faces.raw(chunk(0x4130, Writer().text(materialName).u16(1).u16(0).data));
    const Bytes mesh =
        chunk(0x4100, join({chunk(0x4110, vertices.data), chunk(0x4140, uv.data), chunk(0x4120, faces.data)}));
    return chunk(0x4000, join({Writer().text("tri").data, mesh}));
}

Bytes model3ds(const Bytes& objectInfo, std::uint32_t version = 3) {
    return chunk(0x4D4D, join({chunk(0x0002, Writer().u32(version).data), chunk(0x3D3D, objectInfo)}));
}

const char* kShapes = R"(mtllib shapes.mtl
o cube
usemtl wood
v -1 -1 -1
v 1 -1 -1
v -1 1 -1
v 1 1 -1
v -1 -1 1
v 1 -1 1
v -1 1 1
v 1 1 1
vt 0 0
vt 1 0
vt 1 1
vt 0 1
f 3/1 7/2 8/3 4/4
f 1/1 2/2 6/3 5/4
f 5/1 6/2 8/3 7/4
f 1/1 3/2 4/3 2/4
f 2/1 4/2 8/3 6/4
f 1/1 5/2 7/3 3/4
o roof
usemtl red
v -1 1 -1
v 1 1 -1
v 0 3 0
f 9 11 10
o flag
usemtl wood
v 2 0 0
v 4 0 0
v 4 5 -2
f 12/1 13/2 14/4
)";

void expectVector(const CVector3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}
}  // namespace

TEST(Model3dsLoader, ReadsMaterialsObjectsAndTheirAssignment) {
    const Bytes file = model3ds(join({chunk(0x3D3E, Writer().u32(3).data), material("plain", "", {10, 20, 30}),
                                      material("wood", "WOOD.JPG", {1, 2, 3}), triangleObject("wood")}));
    const Loaded loaded = importBytes(file);
    ASSERT_TRUE(loaded.ok) << loaded.console;
    const tMeshModel& m = loaded.model;
    ASSERT_EQ(m.numOfMaterials, 2);
    EXPECT_STREQ(m.materials[0].strName, "plain");
    EXPECT_EQ(m.materials[0].color[2], 30);
    EXPECT_STREQ(m.materials[1].strFile, "WOOD.JPG");
    ASSERT_EQ(m.numOfObjects, 1);
    const t3DObject& tri = m.objects[0];
    EXPECT_STREQ(tri.strName, "tri");
    EXPECT_EQ(tri.materialID, 1);
    EXPECT_TRUE(tri.bHasTexture);
    EXPECT_EQ(tri.numTexVertex, 3);
    expectVector(tri.pVerts[2], 7, 8, 9);
    EXPECT_EQ(m.totalVertices, 3u);
    expectVector(m.boundsMin, 1, 2, 3);
    expectVector(m.boundsMax, 7, 8, 9);
    expectVector(m.center, 4, 5, 6);
    // The material assignment inside the face chunk is read by the object
    // walk after the faces.
    EXPECT_NE(loaded.console.find("\nVertex beolvasás után: OBJECT FACES...\nVertex beolvasás után: OBJECT FACES..."
                                  "\nChunk add...\nChunk prev...82\nChunk prev...82\nChunk add...16"),
              std::string::npos)
        << loaded.console;
    EXPECT_NE(loaded.console.find("\nOBJ MATERIAL...\nOBJ MATERIAL...\nOBJ MATERIAL...END"), std::string::npos);
    EXPECT_EQ(loaded.console.find("over version 3"), std::string::npos);
}

TEST(Model3dsLoader, SwapsYAndZAndWarnsAboutNewerVersions) {
    const Loaded loaded = importBytes(model3ds(triangleObject("none"), 4), true);
    ASSERT_TRUE(loaded.ok);
    expectVector(loaded.model.objects[0].pVerts[0], 1, 3, -2);
    EXPECT_NE(loaded.console.find("This 3DS file is over version 3 so it may load incorrectly"), std::string::npos);
    EXPECT_EQ(loaded.model.objects[0].materialID, -1);  // no such material
    EXPECT_FALSE(loaded.model.objects[0].bHasTexture);
}

TEST(Model3dsLoader, JpegTexturesAreLoadedAsTga) {
    EXPECT_EQ(CLoad3DS::texturePath("Data/", "WOOD.JPG"), "Data/WOOD.tga");
    EXPECT_EQ(CLoad3DS::texturePath("", "a.jpeg"), "a.tga");
    EXPECT_EQ(CLoad3DS::texturePath("m/", "b.Jpeg"), "m/b.tga");
    EXPECT_EQ(CLoad3DS::texturePath("m/", "c.bmp"), "m/c.bmp");
    EXPECT_EQ(CLoad3DS::texturePath("Data/Models", "STONE.JPG"), "Data/Models/STONE.tga");
}

// Every damaged file is refused with a message, never read past its end.
TEST(Model3dsLoader, DamagedFilesAreRefused) {
    const Bytes good = model3ds(triangleObject("none"));
    const Bytes longPrimary(good.begin(), good.end() - 1);  // the main chunk reaches one byte past the end
    Bytes shortChild = good;
    shortChild[18] = 3;  // the object-info chunk (after main and version) shorter than its header
    Writer badFace;
    badFace.u16(1).u16(0).u16(1).u16(7).u16(0);
    const Bytes badIndex =
        model3ds(chunk(0x4000, join({Writer().text("t").data, chunk(0x4110, Writer().u16(3).raw(Bytes(36, 0)).data),
                                     chunk(0x4120, badFace.data)})));
    Bytes nested = chunk(0x4100, {});
    for (int i = 0; i < 100; ++i)
        nested = chunk(0x4100, nested);
    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } cases[] = {
        {"main chunk past the end", longPrimary, "main chunk"},
        {"chunk shorter than its header", shortChild, "bytes long"},
        {"child overruns its parent", model3ds(join({chunk(0x3D3E, Bytes(2, 0)), Bytes{0x10, 0x41, 0xFF, 0, 0, 0}})),
         "bytes long, but its parent"},
        {"face beyond the vertices", badIndex, "uses vertex 7 of 3"},
        {"vertex count beyond the chunk",
         model3ds(chunk(0x4000, join({Writer().text("t").data, chunk(0x4110, Writer().u16(900).data)}))),
         "vertices of object t overrun"},
        {"name without its end", model3ds(chunk(0x4000, Writer().text("abc", 3).data)), "name has no end"},
        {"chunks nested without end", model3ds(chunk(0x4000, join({Writer().text("t").data, nested}))),
         "nested more than"},
    };
    for (const auto& c : cases) {
        const Loaded loaded = importBytes(c.file);
        EXPECT_FALSE(loaded.ok) << c.name;
        EXPECT_NE(loaded.console.find(c.message), std::string::npos) << c.name << ": " << loaded.console;
    }
    EXPECT_NE(importBytes(Bytes{0x4D}).console.find("Unable to find the file: test.3ds!"), std::string::npos);
    EXPECT_NE(importBytes(chunk(0x3D3D, {})).console.find("Unable to find the file"), std::string::npos);
}

// The object keeps one texture per material in a table of 100.
TEST(Model3dsLoader, MoreMaterialsThanTheTextureTableAreRefused) {
    Bytes materials;
    for (int i = 0; i <= 100; ++i)
        materials = join({materials, material("m" + std::to_string(i), "", {0, 0, 0})});
    const std::string path = ImageMagick::writeFile("many.3ds", model3ds(materials));
    C3DSObject object([](const std::string&) { return 1; });
    testing::internal::CaptureStdout();
    EXPECT_FALSE(object.load(path, "", false));  // refused before anything reaches OpenGL
    EXPECT_NE(testing::internal::GetCapturedStdout().find("has 101 materials; a model holds at most 100"),
              std::string::npos);
    EXPECT_EQ(object.getModel().numOfMaterials, 0);
}

// A model of three objects written as OBJ, converted by assimp: the counts
// match what assimp itself reads back, the positions are the OBJ file's, and
// with swapYZ the box is the one assimp reads (it turns 3DS files from z up
// to y up the same way).
TEST(Model3dsLoader, ReadsFilesAssimpWrote) {
    const std::string dir = ImageMagick::tempDir();
    ModelFiles::writeText("shapes.mtl", "newmtl wood\nKd 1 1 1\nmap_Kd wood.jpg\nnewmtl red\nKd 1 0 0\n");
    const std::string objPath = ModelFiles::writeText("shapes.obj", kShapes);
    ASSERT_TRUE(ModelFiles::assimpExport(objPath, dir + "/shapes.3ds"));
    ModelFiles::AssimpInfo info;
    ASSERT_TRUE(ModelFiles::assimpInfo(dir + "/shapes.3ds", info));

    const Loaded loaded = importFile(dir + "/shapes.3ds", false);
    ASSERT_TRUE(loaded.ok) << loaded.console;
    const tMeshModel& m = loaded.model;
    int faces = 0, textured = 0;
    for (const t3DObject& object : m.objects) {
        faces += object.numOfFaces;
        ASSERT_GE(object.materialID, 0);
        const tMaterialInfo& material = m.materials[static_cast<std::size_t>(object.materialID)];
        textured += object.bHasTexture;
        EXPECT_STREQ(material.strFile, object.bHasTexture ? "wood.jpg" : "");
        EXPECT_EQ(material.color[1], object.bHasTexture ? 255 : 0);  // the red roof; floats in the file
        EXPECT_EQ(object.numTexVertex, object.bHasTexture ? object.numOfVerts : 0);
    }
    EXPECT_EQ(textured, 2);
    EXPECT_EQ(m.numOfObjects, info.meshes);
    EXPECT_EQ(faces, info.faces);
    EXPECT_EQ(faces, 12 + 1 + 1);
    EXPECT_EQ(m.totalVertices, 3u * faces);
    expectVector(m.boundsMin, -1, -1, -2);
    expectVector(m.boundsMax, 4, 5, 1);

    const Loaded swapped = importFile(dir + "/shapes.3ds", true);
    expectVector(swapped.model.boundsMin, info.min.x, info.min.y, info.min.z);
    expectVector(swapped.model.boundsMax, info.max.x, info.max.y, info.max.z);
}
