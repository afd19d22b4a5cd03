// libFuzzer target: the MD2 loader on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "MeshInvariants.h"
#include "Models/loaders/CMD2Loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMD2Loader loader(quietConsole());
    tMeshModel model;
    if (loader.importBytes(data, size, model, "fuzz.md2", "skin.pcx"))
        checkMesh(model, true);
    return 0;
}
