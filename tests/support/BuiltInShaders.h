#pragma once

class CShaderManager;

// The engine's built-in programs, loaded once per test process (quietly)
// into a manager that lives until exit. Needs an open TestWindow.
namespace BuiltInShaders {
CShaderManager* get();
}  // namespace BuiltInShaders
