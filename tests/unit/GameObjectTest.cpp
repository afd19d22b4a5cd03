#include <gtest/gtest.h>

#include <fstream>

#include "objects3d/C3DGameObject.h"
#include "objects3d/C3DGameObjectManager.h"
#include "support/ImageMagick.h"

namespace {
std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    std::ofstream(path) << text;
    return path;
}
}  // namespace

// A model that cannot be loaded leaves the object empty: it says why, counts
// no vertices and has nothing to draw or shadow.
TEST(GameObject3D, FailedLoadsLeaveTheObjectEmpty) {
    const std::string broken = writeFile("broken.xml", "<model>\n<data></model>");
    const std::string notANumber =
        writeFile("nan.xml", R"(<m name="m" numsubobjects="one" nummaterials="0" numofparallaxmap="0"><d/></m>)");
    const std::string missing = ImageMagick::tempDir() + "/missing.xml";
    for (const auto& [path, reason] :
         {std::pair<std::string, std::string>{broken, "(Line 1)</data> or opening tag expected.  Got </model>"},
          {notANumber, "\"one\" is not a number: attribute numsubobjects"},
          {missing, "cannot open \"" + missing + "\""}}) {
        C3DGameObject object;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(object.loadNative(path));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nCould not load the model " + path + ": " + reason + "\n");
        EXPECT_TRUE(object.isEmpty());
        object.updateVisibility();
        EXPECT_FALSE(object.isVisible());
        object.castShadow();  // nothing to build
    }
    C3DGameObject md2;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(md2.loadMD2("Data/Models/MD2/tris.md2", "skin.bmp"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Could not load the model"), std::string::npos);
}

TEST(GameObject3DManager, CountsTheVerticesOfWhatItHolds) {
    const std::string model =
        writeFile("three.xml", R"(<m name="m" numsubobjects="1" nummaterials="0" numofparallaxmap="0">
<d><object name="o" numvertices="3" numfaces="0"><position x="0" y="0" z="0"/><orientation angle="0" x="0" y="1" z="0"/>
<vertex x="0" y="0" z="0"/><vertex x="1" y="0" z="0"/><vertex x="0" y="1" z="0"/></object></d></m>)");
    C3DGameObjectManager manager;
    testing::internal::CaptureStdout();
    for (int i = 0; i < 2; ++i) {
        auto object = std::make_unique<C3DGameObject>();
        EXPECT_TRUE(object->loadNative(model));
        manager.addObject(std::move(object));
    }
    manager.addObject(std::make_unique<C3DGameObject>());  // empty
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(manager.getTotalVertexCount(), 6u);
    EXPECT_EQ(manager.getObjectCount(), 3u);
}
