#include <gtest/gtest.h>

#include <GL/glew.h>
#include <stdlib.h>  // mkdtemp

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/EngineGlobals.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"

namespace fs = std::filesystem;

namespace {

// Runs a test inside a fresh empty directory and restores the previous
// working directory afterwards.
class ScopedTempWorkingDirectory {
public:
    ScopedTempWorkingDirectory() : previous(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "kavor-shaders-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path = pattern;
        fs::current_path(path);
    }
    ~ScopedTempWorkingDirectory() {
        fs::current_path(previous);
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    ScopedTempWorkingDirectory(const ScopedTempWorkingDirectory&) = delete;
    ScopedTempWorkingDirectory& operator=(const ScopedTempWorkingDirectory&) = delete;

private:
    fs::path previous;
    fs::path path;
};

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<std::string> nonEmptyLines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            result.push_back(line);
    return result;
}

struct Expected {
    const char* message;
    const char* baseName;
};

const Expected kBuiltIns[BUILT_IN_SHADER_COUNT] = {
    {"Loading simple texture shader...", "simpleTexture"},
    {"Loading simple color shader...", "color"},
    {"Loading color with texture shader...", "colorWithTex"},
    {"Loading heightmap texture shader...", "hfield"},
    {"Loading Directional Per Pixel Diffuse lightning shader...", "dirPerPixel"},
    {"Loading Directional Per Vertex Diffuse lightning shader...", "dirPerVertex"},
    {"Loading Point Per Pixel lightning shader...", "pointlight"},
    {"Loading Spot Per Pixel lightning shader...", "spotlight"},
    {"Loading Toon shader...", "toonf2"},
    {"Loading vertex diffuse light with texture shader...", "dirPerVertexTEX"},
    {"Loading pixel diffuse light with texture shader...", "dirPerPixelTEX"},
    {"Loading shadow mapping shader...", "ShadowMapping"},
    {"Loading shadow mapping pcf shader...", "ShadowMappingPCF"},
    {"Loading parallax map shader...", "parallax3"}};

}  // namespace

// Empty paths, missing files, empty files and directories give nothing; any
// other file comes back byte for byte.
TEST(ShaderReadFile, ReturnsWholeFileOrNothing) {
    ScopedTempWorkingDirectory dir;
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
// vertex first, right after its own message, and still takes its slot so the
// ids keep their meaning. Ids outside the list give no shader.
TEST(ShaderManager, MissingDirectoryKeepsEveryIdAndReportsEachFile) {
    ScopedTempWorkingDirectory dir;
    CShaderManager manager;
    testing::internal::CaptureStdout();
    manager.loadBuiltInShaders();
    std::fflush(stdout);
    const std::string out = testing::internal::GetCapturedStdout();

    const std::string header = "-------------========= Loading built in shaders ==========------------";
    EXPECT_EQ(out.rfind(header + "\n\n", 0), 0u) << "the header's own line break leaves an empty line";
    std::vector<std::string> expected{header};
    for (const Expected& builtIn : kBuiltIns) {
        expected.push_back(builtIn.message);
        expected.push_back(std::string("Cannot Load vertex shader: shaders/") + builtIn.baseName + ".vert");
        expected.push_back(std::string("Cannot Load fragment shader: shaders/") + builtIn.baseName + ".frag");
    }
    EXPECT_EQ(nonEmptyLines(out), expected);

    ASSERT_EQ(manager.getCount(), 14);
    for (int id = 0; id < manager.getCount(); ++id) {
        ASSERT_NE(manager.getShader(id), nullptr) << id;
        EXPECT_EQ(manager.getShader(id)->getProgram(), 0u) << id;
    }
    EXPECT_NE(manager.getShader(PARALLAX_MAP), manager.getShader(SHADOW_MAP_PCF));
    EXPECT_EQ(manager.getShader(14), nullptr);
    EXPECT_EQ(manager.getShader(-1), nullptr);
}

// Without a context offering shader objects, readable files must not lead to
// calls through missing entry points; the shader stays the fixed-function
// fallback and can still be bound and unbound.
TEST(ShaderWithoutContext, ReadableFilesFailCleanly) {
    if (glCreateShaderObjectARB)
        GTEST_SKIP() << "shader-object entry points are loaded in this process";
    ScopedTempWorkingDirectory dir;
    writeFile("a.vert", "void main() {}\n");
    writeFile("a.frag", "void main() {}\n");
    CShader shader;
    testing::internal::CaptureStdout();
    const bool loaded = shader.load("a.frag", "a.vert");
    std::fflush(stdout);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(out.find("Cannot Load"), std::string::npos);
    EXPECT_NE(out.find("shader objects are not available"), std::string::npos);
    EXPECT_EQ(shader.getProgram(), 0u);
    shader.bind();
    shader.setUniform1i("anything", 1);
    shader.unbind();
}
