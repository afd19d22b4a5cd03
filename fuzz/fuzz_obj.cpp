// libFuzzer target: the OBJ loader on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "MeshInvariants.h"
#include "Models/loaders/CObjLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CObjLoader loader(quietConsole());
    tMeshModel model;
    if (loader.importText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.obj", model))
        checkMesh(model, false);
    return 0;
}
