#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Models/loaders/CKObjectLoader.h"
#include "support/VectorNear.h"
#include "xml/XmlError.h"
#include "xml/XmlReader.h"

namespace {
// A material with a colour map, one without, a parallax map, and an object
// with a triangle and a quad.
const char* kModel = R"(<model name="demo" numsubobjects="1" nummaterials="2" numofparallaxmap="1">
  <data>
    <material name="stone" opacity="1">
      <ambient r="0.1" g="0.2" b="0.3" a="1"/><diffuse r="1" g="1" b="1" a="1"/>
      <specular r="0" g="0" b="0" a="1"/><texture colormap="Data/stone.png"/>
    </material>
    <material name="plain" opacity="0.5">
      <ambient r="1" g="1" b="1" a="1"/><diffuse r="1" g="1" b="1" a="1"/><specular r="1" g="1" b="1" a="1"/>
    </material>
    <parallaxmap name="bumps"><texture heightmap="Data/height.png"/></parallaxmap>
    <object name="quad" numvertices="4" numfaces="2">
      <position x="1" y="2" z="3"/><orientation angle="90" x="0" y="1" z="0"/>
      <vertex x="0" y="0" z="0" u0="0" v0="0"/>
      <vertex x="2" y="0" z="0" u0="1" v0="0" r="0.5"/>
      <vertex x="2" y="0" z="-4" u0="1" v0="1"/>
      <vertex x="0" y="0" z="-4"/>
      <face a="0" b="1" c="2" materialindex="0" parallaxmapindex="0"/>
      <face a="0" b="2" c="3" d="1" materialindex="1" parallaxmapindex="-1"/>
    </object>
  </data>
</model>)";

// Loads a document held in text; the console lines land in console.
struct Loaded {
    K3DModel model;
    std::string console;
    std::vector<std::string> textures;
};

Loaded load(const std::string& text) {
    Loaded out;
    std::FILE* sink = std::tmpfile();
    CKObjectLoader loader(
        [&](const std::string& path) {
            out.textures.push_back(path);
            return static_cast<std::int32_t>(10 + out.textures.size());
        },
        sink);
    try {
        out.model = loader.loadDocument(*readDocumentBytes(text), "test.xml");
        loader.buildTangentSpace(out.model);
    } catch (...) {
        std::fclose(sink);
        throw;
    }
    std::rewind(sink);
    for (int c; (c = std::fgetc(sink)) != EOF;)
        out.console += static_cast<char>(c);
    std::fclose(sink);
    return out;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}
}  // namespace

TEST(NativeModelLoader, ReadsMaterialsMapsAndObjects) {
    const Loaded loaded = load(kModel);
    const K3DModel& m = loaded.model;
    EXPECT_EQ(m.name, "demo");
    ASSERT_EQ(m.materials.size(), 2u);
    EXPECT_EQ(m.materials[0].textureId, 11);
    EXPECT_FLOAT_EQ(m.materials[0].ambient[2], 0.3f);
    EXPECT_EQ(m.materials[1].colorMapFile, "");
    EXPECT_EQ(m.materials[1].textureId, -1);
    ASSERT_EQ(m.parallaxMaps.size(), 1u);
    EXPECT_EQ(m.parallaxMaps[0].textureId, 12);
    EXPECT_EQ(loaded.textures, (std::vector<std::string>{"Data/stone.png", "Data/height.png"}));
    EXPECT_EQ(loaded.console,
              "\nMaterial ID: 11\nNo colormap information found.Parallax map tex Id: 12"
              "Object tomb: materialObject tomb: materialObject tomb: parallaxmapObject tomb: object"
              "Obj:NAME: quadObj vertices num: 4\nNum of faces = 2");

    ASSERT_EQ(m.objects.size(), 1u);
    const K3DModelObject& quad = m.objects[0];
    expectNear(quad.position, {1, 2, 3}, 1e-5f);
    EXPECT_FLOAT_EQ(quad.orientationAngle, 90);
    EXPECT_FLOAT_EQ(quad.vertices[1].r, 0.5f);
    EXPECT_FLOAT_EQ(quad.vertices[1].g, 1.0f);
    EXPECT_FLOAT_EQ(quad.vertices[3].u0, -1.0f);
    ASSERT_EQ(quad.faces.size(), 2u);
    EXPECT_EQ(quad.faces[0].d, -1);
    EXPECT_EQ(quad.faces[1].d, 1);
    expectNear(quad.faces[0].normal, {0, 1, 0}, 1e-5f);  // (b - a) x (c - a), counter-clockwise from above
    expectNear(quad.boundsMin, {0, 0, -4}, 1e-5f);
    expectNear(m.boundsMax, {2, 0, 0}, 1e-5f);
    EXPECT_EQ(m.totalVertices, 4u);
}

// Over the first face u grows along +x and v along -z; the engine's
// binormal points the way v falls (the parallax program expects that).
TEST(NativeModelLoader, TangentSpaceFollowsTheTextureAxes) {
    const K3DFace face = load(kModel).model.objects[0].faces[0];
    expectNear(face.tangent, {1, 0, 0}, 1e-5f);
    expectNear(face.binormal, {0, 0, 1}, 1e-5f);
}

TEST(NativeModelLoader, MissingAttributesAreReportedAndCountsFallToZero) {
    const Loaded loaded = load(R"(<model><data/></model>)");
    EXPECT_EQ(loaded.console,
              "\nCannot found name attribute. Not a valid Kavor Engine 3D Model xml file!"
              "\nCannot found numsubobjects attribute: Not a valid Kavor Engine 3D Model xml file!"
              "\nCannot found nummaterials attribute: Not a valid Kavor Engine 3D Model xml file!"
              "\nCannot found numofparallaxmap attribute: Not a valid Kavor Engine 3D Model xml file!");
    EXPECT_EQ(loaded.model.numSubObjects, 0);
    EXPECT_TRUE(loaded.model.objects.empty());
    expectNear(loaded.model.boundsMin, {999999, 999999, 999999}, 1e-5f);

    const std::string noX =
        replaced(kModel, R"(<vertex x="0" y="0" z="0" u0="0" v0="0"/>)", R"(<vertex y="0" z="0"/>)");
    EXPECT_NE(
        load(noX).console.find("\nCannot found x attribute at vertex tag: Not a valid Kavor Engine 3D Model xml file!"),
        std::string::npos);
    const std::string noIndex = replaced(kModel, R"( materialindex="1")", "");
    EXPECT_NE(load(noIndex).console.find("\nWarning: No material index at faces tag!"), std::string::npos);
}

// Counts and indices are checked against what the document holds; bad faces
// are dropped with a message, nothing is read outside a list.
TEST(NativeModelLoader, BadCountsAndIndicesAreRefused) {
    const Loaded vertexOut = load(replaced(kModel, R"(a="0" b="2" c="3" d="1")", R"(a="0" b="2" c="3" d="7")"));
    ASSERT_EQ(vertexOut.model.objects[0].faces.size(), 1u);
    EXPECT_NE(vertexOut.console.find("\nFace 1 of object quad uses vertex 7 outside its 4 vertices; "
                                     "the face is skipped."),
              std::string::npos);
    const Loaded materialOut = load(replaced(kModel, R"(materialindex="1")", R"(materialindex="2")"));
    EXPECT_EQ(materialOut.model.objects[0].faces.size(), 1u);
    const Loaded mapOut = load(replaced(kModel, R"(parallaxmapindex="0")", R"(parallaxmapindex="-2")"));
    EXPECT_EQ(mapOut.model.objects[0].faces.size(), 1u);

    const Loaded tooMany = load(replaced(replaced(kModel, R"(numfaces="2")", R"(numfaces="900000000")"),
                                         R"(nummaterials="2")", R"(nummaterials="5")"));
    EXPECT_EQ(tooMany.model.objects[0].faces.size(), 2u);
    EXPECT_NE(tooMany.console.find("\nObject quad declares 900000000 faces but holds 2; 2 are read."),
              std::string::npos);
    EXPECT_NE(tooMany.console.find("\nThe model declares 5 materials but holds 4; 4 are read."), std::string::npos);
}

TEST(NativeModelLoader, UnreadableDocumentsAndNumbersThrow) {
    EXPECT_THROW(load("<model><data></model>"), XmlError);
    try {
        load(replaced(kModel, R"(x="2" y="0" z="-4")", R"(x="2" y="0" z="-4cm")"));
        FAIL() << "no conversion error";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "\"-4cm\" is not a number: attribute z at vertex tag");
    }
}

// The ground plane the engine test application stands its models on.
TEST(NativeModelLoader, GeneratedGroundPlaneLoadsCleanly) {
    std::string text;
    std::ifstream file("Data/KModel/plane_new.xml");
    text.assign(std::istreambuf_iterator<char>(file), {});
    const Loaded loaded = load(text);
    EXPECT_EQ(loaded.console.find("Cannot found"), std::string::npos);
    EXPECT_EQ(loaded.console.find("skipped"), std::string::npos);
    EXPECT_EQ(loaded.textures, (std::vector<std::string>{"Data/KModel/ground.png", "Data/KModel/ground_height.png"}));
    ASSERT_EQ(loaded.model.objects.size(), 1u);
    EXPECT_EQ(loaded.model.objects[0].faces.size(), 576u);
    EXPECT_EQ(loaded.model.totalVertices, 625u);
    expectNear(loaded.model.boundsMin, {-300, 0, -300}, 1e-5f);
    expectNear(loaded.model.boundsMax, {300, 0, 300}, 1e-5f);
    expectNear(loaded.model.objects[0].faces[0].normal, {0, 1, 0}, 1e-5f);
}
