#include <gtest/gtest.h>

#include <GL/glew.h>
#include <stdlib.h>  // mkdtemp

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "runtime/EngineGlobals.h"

namespace fs = std::filesystem;

namespace {

// Each test runs in a fresh empty working directory.
class ShaderFiles : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kavor-shaders-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        fs::current_path(dir = pattern);
    }
    void TearDown() override {
        fs::current_path(previous);
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    static void writeFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    template <typename Call>
    static std::string stdoutOf(Call call) {
        testing::internal::CaptureStdout();
        call();
        std::fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }

    const fs::path previous = fs::current_path();
    fs::path dir;
};

}  // namespace

// Empty paths, missing files, empty files and directories give nothing; any
// other file comes back byte for byte.
TEST_F(ShaderFiles, ReadFileReturnsWholeFileOrNothing) {
    CShader shader;
    writeFile("empty.vert", "");
    fs::create_directory("folder");
    for (const char* path : {"", "missing.vert", "empty.vert", "folder"})
        EXPECT_FALSE(shader.readFile(path).has_value()) << '"' << path << '"';

    const std::string source("void main()\n{\n}\n\0tail", 21);
    writeFile("main.vert", source);
    EXPECT_EQ(shader.readFile("main.vert").value_or(""), source);
}

// Start-up in a directory without shaders/: every pair reports both files,
// vertex first, right after its own progress line, and still takes its slot
// so the ids keep their meaning. Ids outside the list give no shader.
TEST_F(ShaderFiles, ManagerKeepsEveryIdAndReportsEachMissingFile) {
    CShaderManager manager;
    std::istringstream out(stdoutOf([&] { manager.loadBuiltInShaders(); }));
    std::vector<std::string> lines;
    for (std::string line; std::getline(out, line);)
        if (!line.empty())
            lines.push_back(line);

    const char* const baseNames[BUILT_IN_SHADER_COUNT] = {
        "simpleTexture",  "color",         "colorWithTex",     "hfield",   "dirPerPixel",
        "dirPerVertex",   "pointlight",    "spotlight",        "toonf2",   "dirPerVertexTEX",
        "dirPerPixelTEX", "ShadowMapping", "ShadowMappingPCF", "parallax3"};
    ASSERT_EQ(lines.size(), 1u + 3 * BUILT_IN_SHADER_COUNT);
    EXPECT_NE(lines[0].find("Loading built in shaders"), std::string::npos) << lines[0];
    for (int id = 0; id < BUILT_IN_SHADER_COUNT; ++id) {
        const std::string base = std::string("shaders/") + baseNames[id];
        EXPECT_EQ(lines[1 + 3 * id].rfind("Loading ", 0), 0u) << lines[1 + 3 * id];
        EXPECT_EQ(lines[2 + 3 * id], "Cannot Load vertex shader: " + base + ".vert");
        EXPECT_EQ(lines[3 + 3 * id], "Cannot Load fragment shader: " + base + ".frag");
    }

    ASSERT_EQ(manager.getCount(), BUILT_IN_SHADER_COUNT);
    for (int id = 0; id < manager.getCount(); ++id) {
        ASSERT_NE(manager.getShader(id), nullptr) << id;
        EXPECT_EQ(manager.getShader(id)->getProgram(), 0u) << id;
    }
    EXPECT_NE(manager.getShader(PARALLAX_MAP), manager.getShader(SHADOW_MAP_PCF));
    EXPECT_EQ(manager.getShader(BUILT_IN_SHADER_COUNT), nullptr);
    EXPECT_EQ(manager.getShader(-1), nullptr);
}

// Without a context offering shader objects, readable files must not lead to
// calls through missing entry points; the shader stays the fixed-function
// fallback and can still be bound and unbound.
TEST_F(ShaderFiles, WithoutContextReadableFilesFailCleanly) {
    if (glCreateShaderObjectARB)
        GTEST_SKIP() << "shader-object entry points are loaded in this process";
    writeFile("a.vert", "void main() {}\n");
    writeFile("a.frag", "void main() {}\n");
    CShader shader;
    bool loaded = true;
    const std::string out = stdoutOf([&] { loaded = shader.load("a.frag", "a.vert"); });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(out.find("Cannot Load"), std::string::npos);
    EXPECT_NE(out.find("shader objects are not available"), std::string::npos);
    EXPECT_EQ(shader.getProgram(), 0u);
    shader.bind();
    shader.setUniform1i("anything", 1);
    shader.unbind();
}
