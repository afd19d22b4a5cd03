// libFuzzer target: the 3DS loader on arbitrary bytes, both axis orders.
#include <cstddef>
#include <cstdint>

#include "MeshInvariants.h"
#include "Models/loaders/C3DSLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CLoad3DS loader(quietConsole());
    tMeshModel model;
    if (loader.importBytes(data, size, "fuzz.3ds", (size & 1) != 0, model))
        checkMesh(model, false);
    return 0;
}
