// Fuzz target: the PCX reader on arbitrary bytes.
#include "FuzzImage.h"
#include "bytes/PcxDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzImage(&decodePcx, "fuzz.pcx", data, size);
    return 0;
}
