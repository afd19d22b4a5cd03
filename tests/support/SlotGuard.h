#pragma once

// Installs a manager in one of the engine's slots for the life of the guard
// and puts back whatever the slot held before:
//   SlotGuard shaders(EngineGlobals::shaderManager, BuiltInShaders::get());
template <typename T>
class SlotGuard {
public:
    SlotGuard(T*& slot, T* value) : slot_(slot), previous_(slot) { slot_ = value; }
    ~SlotGuard() { slot_ = previous_; }
    SlotGuard(const SlotGuard&) = delete;
    SlotGuard& operator=(const SlotGuard&) = delete;

private:
    T*& slot_;
    T* previous_;
};
