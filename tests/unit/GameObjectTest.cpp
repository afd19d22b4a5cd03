#include <gtest/gtest.h>

#include <functional>

#include "objects3d/C3DGameObject.h"
#include "objects3d/C3DGameObjectManager.h"
#include "support/ImageMagick.h"
#include "support/ModelFiles.h"

using ModelFiles::writeText;

// A model that cannot be loaded leaves the object empty: it says why, counts
// no vertices and has nothing to draw or shadow.
TEST(GameObject3D, FailedLoadsLeaveTheObjectEmpty) {
    const std::string broken = writeText("broken.xml", "<model>\n<data></model>");
    const std::string notANumber =
        writeText("nan.xml", R"(<m name="m" numsubobjects="one" nummaterials="0" numofparallaxmap="0"><d/></m>)");
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
}

// The other formats fail alike on a missing or a damaged file.
TEST(GameObject3D, FailedFormatLoadsLeaveTheObjectEmpty) {
    const std::string damaged = writeText("damaged.bin", std::string("MM\xFF\0\0\0IDP2\x08", 11));
    const std::string badFace = writeText("bad-face.obj", "v 0 0 0\nf 1 2 3\n");
    const std::string missing = ImageMagick::tempDir() + "/missing";
    using Load = std::function<bool(C3DGameObject&, const std::string&)>;
    const std::pair<Load, std::string> loads[] = {
        {[](C3DGameObject& o, const std::string& path) { return o.loadMD2(path, "skin.bmp"); }, damaged},
        {[](C3DGameObject& o, const std::string& path) { return o.load3DS("Data/", path, 1); }, damaged},
        {[](C3DGameObject& o, const std::string& path) { return o.loadOBJ(path, "skin.bmp"); }, badFace}};
    for (const auto& [load, bad] : loads)
        for (const std::string& path : {bad, missing}) {
            C3DGameObject object;
            testing::internal::CaptureStdout();
            EXPECT_FALSE(load(object, path));
            const std::string console = testing::internal::GetCapturedStdout();
            EXPECT_NE(console.find("\nCould not load the model " + path + ".\n"), std::string::npos) << console;
            EXPECT_TRUE(object.isEmpty());
        }
}
