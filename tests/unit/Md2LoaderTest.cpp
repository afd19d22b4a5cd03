#include <gtest/gtest.h>

#include <cstdio>

#include "Models/CMD2Object.h"
#include "Models/loaders/CMD2Loader.h"
#include "support/ImageMagick.h"
#include "support/ManualClock.h"
#include "support/ModelFiles.h"

using ModelFiles::Md2File;
using ModelFiles::Md2Frame;
using Bytes = std::vector<std::uint8_t>;

using ModelFiles::Loaded;

namespace {
Loaded importBytes(const Bytes& file, const std::string& skin = "") {
    Loaded out;
    out.console = ModelFiles::console([&](std::FILE* sink) {
        out.ok = CMD2Loader(sink).importBytes(file.data(), file.size(), out.model, "test.md2", skin);
    });
    return out;
}

// A triangle of three vertices whose frames are named from the table; frame
// i moves the triangle i units along x.
Md2File animated(const std::vector<std::string>& names) {
    Md2File file;
    file.skinWidth = 64;
    file.skinHeight = 32;
    file.texCoords = {{0, 0}, {64, 0}, {32, 32}};
    file.triangles = {{0, 1, 2, 0, 1, 2}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        Md2Frame frame;
        frame.name = names[i];
        frame.scale[0] = frame.scale[1] = frame.scale[2] = 0.5f;
        frame.translate[0] = static_cast<float>(i);
        frame.translate[1] = 1;
        frame.translate[2] = 2;
        frame.vertices = {{{0, 0, 0}}, {{2, 0, 0}}, {{0, 4, 6}}};
        file.frames.push_back(frame);
    }
    return file;
}

std::vector<std::string> frameNames(const std::string& name, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back(name + (i < 10 ? "0" : "") + std::to_string(i));
    return names;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

TEST(Md2Loader, DecodesFramesFacesAndTextureCoordinates) {
    const Loaded loaded = importBytes(ModelFiles::md2(animated(frameNames("stand", 3))), "skin.pcx");
    ASSERT_TRUE(loaded.ok) << loaded.console;
    const tMeshModel& m = loaded.model;
    ASSERT_EQ(m.numOfObjects, 3);
    const t3DObject& first = m.objects[0];
    // x = b0 sx + tx, y = b2 sz + tz, z = -(b1 sy + ty)
    EXPECT_FLOAT_EQ(first.pVerts[2].x, 0.0f);
    EXPECT_FLOAT_EQ(first.pVerts[2].y, 5.0f);
    EXPECT_FLOAT_EQ(first.pVerts[2].z, -3.0f);
    EXPECT_FLOAT_EQ(m.objects[2].pVerts[1].x, 3.0f);
    ASSERT_EQ(first.pFaces.size(), 1u);
    EXPECT_TRUE(m.objects[1].pFaces.empty());  // the frames share the first one's faces
    EXPECT_EQ(m.objects[1].numOfFaces, 1);
    EXPECT_FLOAT_EQ(first.pTexVerts[1].x, 1.0f);
    EXPECT_FLOAT_EQ(first.pTexVerts[2].y, 0.0f);  // v = 1 - t / height
    EXPECT_EQ(m.totalVertices, 3u);
    EXPECT_FLOAT_EQ(m.objects[2].boundsMin.x, 2.0f);
    EXPECT_FLOAT_EQ(m.objects[2].boundsMax.y, 5.0f);
    ASSERT_EQ(m.numOfMaterials, 1);
    EXPECT_STREQ(m.materials[0].strFile, "skin.pcx");
    EXPECT_EQ(loaded.console, "STRCPY elottMaterial Name1: skin.pcx\nMaterial Name2: skin.pcx\nSTRCPY utan");
}

// Frames are grouped by name without their number; the number starts at
// the first digit among the last two characters.
TEST(Md2Loader, GroupsFramesIntoAnimations) {
    const tMeshModel m = importBytes(ModelFiles::md2(animated(frameNames("stand", 40) + frameNames("run", 6)))).model;
    ASSERT_EQ(m.numOfAnimations, 2);
    EXPECT_STREQ(m.animations[0].strName, "stand");
    EXPECT_EQ(m.animations[0].startFrame, 0);
    EXPECT_EQ(m.animations[0].endFrame, 40);
    EXPECT_STREQ(m.animations[1].strName, "run");
    EXPECT_EQ(m.animations[1].startFrame, 40);
    EXPECT_EQ(m.animations[1].endFrame, 45);

    const tMeshModel cut = importBytes(ModelFiles::md2(animated({"pain123", "pain124", "x"}))).model;
    ASSERT_EQ(cut.numOfAnimations, 1);
    EXPECT_STREQ(cut.animations[0].strName, "pain1");
    // Frame number 23 would start the animation at 22: kept inside the frames.
    EXPECT_EQ(cut.animations[0].startFrame, 2);
    EXPECT_EQ(cut.animations[0].endFrame, 2);
    const tMeshModel plain = importBytes(ModelFiles::md2(animated({"idle", "idle", "walk"}))).model;
    ASSERT_EQ(plain.numOfAnimations, 1);
    EXPECT_EQ(plain.animations[0].startFrame, 0);  // frame number 0 would start it at -1
}

TEST(Md2Loader, DamagedFilesAreRefused) {
    const Bytes good = ModelFiles::md2(animated(frameNames("a", 2)));
    const auto patched = [&](std::size_t offset, std::uint32_t value) {
        Bytes file = good;
        for (int i = 0; i < 4; ++i)
            file[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        return file;
    };
    Md2File badVertex = animated(frameNames("a", 2));
    badVertex.triangles[0][2] = 3;
    Md2File badCoord = animated(frameNames("a", 2));
    badCoord.triangles[0][4] = -1;
    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } cases[] = {
        {"version 7", patched(4, 7), "Invalid file format (Version not 8): test.md2.*!"},
        {"header cut short", Bytes(good.begin(), good.begin() + 40), "shorter than the 68-byte header"},
        {"frames past the end", patched(56, static_cast<std::uint32_t>(good.size() - 10)), "2 frames at offset"},
        {"a billion triangles", patched(32, 1000000000), "1000000000 triangles"},
        {"negative count", patched(28, 0xFFFFFFFF), "-1 texture coordinates"},
        {"frames too small", patched(16, 40), "cannot hold 3 vertices"},
        {"no frame", patched(40, 0), "no frame"},
        {"vertex index", ModelFiles::md2(badVertex), "uses vertex 3 of 3"},
        {"texture index", ModelFiles::md2(badCoord), "texture coordinate -1 of 3"},
    };
    for (const auto& c : cases) {
        const Loaded loaded = importBytes(c.file);
        EXPECT_FALSE(loaded.ok) << c.name;
        EXPECT_NE(loaded.console.find(c.message), std::string::npos) << c.name << ": " << loaded.console;
    }
}

// Frames advance on the engine clock: at 5 frames per second a key frame
// lasts 200 ms, and half way the blend factor is one half.
TEST(Md2Object, AnimationFollowsTheClockAndWrapsToItsStart) {
    const std::string path = ImageMagick::writeFile(
        "walk.md2", ModelFiles::md2(animated(frameNames("stand", 3) + frameNames("run", 3) + frameNames("jump", 1))));
    ManualClock clock(1000);
    CMD2Object model;
    ASSERT_TRUE(model.load(path, ""));
    EXPECT_FLOAT_EQ(model.returnCurrentTime(1), 5.0f);  // a first call after a pause passes 1
    EXPECT_EQ(model.getCurrentFrame(), 1);
    clock.now += 100;
    EXPECT_FLOAT_EQ(model.returnCurrentTime(2), 0.5f);
    EXPECT_EQ(model.getCurrentFrame(), 1);
    clock.now += 100;
    EXPECT_FLOAT_EQ(model.returnCurrentTime(2), 1.0f);
    EXPECT_EQ(model.getCurrentFrame(), 2);

    model.setAnimation(-1);  // counted modulo the animations: run, frames 3 to 5
    EXPECT_EQ(model.getCurrentFrame(), 3);
    EXPECT_FLOAT_EQ(model.getBoundingMin().x, 3.0f);  // the box follows the frame
    for (int expected : {4, 5, 3, 4}) {
        clock.now += 200;
        model.castShadow({0, 10, 0});
        EXPECT_EQ(model.getCurrentFrame(), expected);
    }
    model.setFramesPerSecond(10);
    clock.now += 50;
    EXPECT_FLOAT_EQ(model.returnCurrentTime(0), 0.5f);
    EXPECT_EQ(model.getVertexCount(), 3u);
}
