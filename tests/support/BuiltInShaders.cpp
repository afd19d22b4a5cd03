#include "support/BuiltInShaders.h"

#include <gtest/gtest.h>

#include <memory>

#include "graphics/CShaderManager.h"

namespace BuiltInShaders {

CShaderManager* get() {
    static std::unique_ptr<CShaderManager> manager;
    if (!manager) {
        manager = std::make_unique<CShaderManager>();
        testing::internal::CaptureStdout();
        manager->loadBuiltInShaders();
        testing::internal::GetCapturedStdout();
    }
    return manager.get();
}

}  // namespace BuiltInShaders
