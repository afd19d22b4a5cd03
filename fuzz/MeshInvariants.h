#pragma once
#include <cstdio>

#include "Models/loaders/Structures.h"

// What every loaded mesh model must hold, whatever bytes it came from:
// faces index inside their object's lists (the first object's, for the key
// frames of an animated model), and every position has a normal. A broken
// rule stops the fuzzer.
inline void checkMesh(const tMeshModel& model, bool framesShareFaces) {
    if (model.objects.size() != static_cast<std::size_t>(model.numOfObjects) ||
        model.materials.size() != static_cast<std::size_t>(model.numOfMaterials))
        __builtin_trap();
    for (const t3DObject& object : model.objects) {
        const t3DObject& shape = framesShareFaces ? model.objects.front() : object;
        for (const tFace& face : shape.pFaces)
            for (std::int32_t v : face.vertIndex)
                if (v < 0 || static_cast<std::size_t>(v) >= object.pVerts.size())
                    __builtin_trap();
        if (object.pNormals.size() != object.pVerts.size())
            __builtin_trap();
    }
    for (const tAnimationInfo& animation : model.animations)
        if (animation.startFrame < 0 || animation.startFrame > animation.endFrame ||
            animation.endFrame >= model.numOfObjects)
            __builtin_trap();
}

// Loader lines would slow the fuzzer down; they go nowhere.
inline std::FILE* quietConsole() {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}
