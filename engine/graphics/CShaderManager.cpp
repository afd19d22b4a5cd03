#include "graphics/CShaderManager.h"

#include <array>
#include <cstdio>

#include "runtime/EngineGlobals.h"

namespace {

struct BuiltInShader {
    const char* message;
    const char* vertexFile;
    const char* fragmentFile;
};

// Indexed by Default_Shader_Types.
constexpr std::array<BuiltInShader, BUILT_IN_SHADER_COUNT> builtInShaders{{
    {"Loading simple texture shader...", "shaders/simpleTexture.vert", "shaders/simpleTexture.frag"},
    {"Loading simple color shader...", "shaders/color.vert", "shaders/color.frag"},
    {"Loading color with texture shader...", "shaders/colorWithTex.vert", "shaders/colorWithTex.frag"},
    {"Loading heightmap texture shader...", "shaders/hfield.vert", "shaders/hfield.frag"},
    {"Loading Directional Per Pixel Diffuse lightning shader...", "shaders/dirPerPixel.vert",
     "shaders/dirPerPixel.frag"},
    {"Loading Directional Per Vertex Diffuse lightning shader...", "shaders/dirPerVertex.vert",
     "shaders/dirPerVertex.frag"},
    {"Loading Point Per Pixel lightning shader...", "shaders/pointlight.vert", "shaders/pointlight.frag"},
    {"Loading Spot Per Pixel lightning shader...", "shaders/spotlight.vert", "shaders/spotlight.frag"},
    {"Loading Toon shader...", "shaders/toonf2.vert", "shaders/toonf2.frag"},
    {"Loading vertex diffuse light with texture shader...", "shaders/dirPerVertexTEX.vert",
     "shaders/dirPerVertexTEX.frag"},
    {"Loading pixel diffuse light with texture shader...", "shaders/dirPerPixelTEX.vert",
     "shaders/dirPerPixelTEX.frag"},
    {"Loading shadow mapping shader...", "shaders/ShadowMapping.vert", "shaders/ShadowMapping.frag"},
    {"Loading shadow mapping pcf shader...", "shaders/ShadowMappingPCF.vert", "shaders/ShadowMappingPCF.frag"},
    {"Loading parallax map shader...", "shaders/parallax3.vert", "shaders/parallax3.frag"},
}};

}  // namespace

void CShaderManager::addShader(std::unique_ptr<CShader> shader) { shaders.push_back(std::move(shader)); }

void CShaderManager::loadBuiltInShaders() {
    std::printf("%s\n", "-------------========= Loading built in shaders ==========------------\n");
    for (const BuiltInShader& entry : builtInShaders) {
        std::printf("%s\n", entry.message);
        auto shader = std::make_unique<CShader>();
        shader->load(entry.fragmentFile, entry.vertexFile);
        addShader(std::move(shader));
    }
}

CShader* CShaderManager::getShader(int id) const {
    if (id < 0 || id >= getCount())
        return nullptr;
    return shaders[static_cast<size_t>(id)].get();
}
