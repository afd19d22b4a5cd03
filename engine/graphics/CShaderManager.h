#pragma once
#include <memory>
#include <vector>

#include "graphics/CShader.h"

// Registry of the engine's GLSL programs. The built-in programs are loaded
// once at start-up and handed out by their Default_Shader_Types id.
class CShaderManager {
public:
    CShaderManager() = default;
    virtual ~CShaderManager() = default;
    CShaderManager(const CShaderManager&) = delete;
    CShaderManager& operator=(const CShaderManager&) = delete;

    virtual void addShader(std::unique_ptr<CShader> shader);
    // Loads the fourteen built-in programs from shaders/ in id order. A pair
    // that fails to load still takes its slot, so ids never shift.
    virtual void loadBuiltInShaders();
    // The shader stored at index id; nullptr when id is not 0..count-1, so a
    // bad id can never read outside the list.
    virtual CShader* getShader(int id) const;

    int getCount() const { return static_cast<int>(shaders.size()); }

private:
    std::vector<std::unique_ptr<CShader>> shaders;
};
