// Fuzz target: the BMP reader on arbitrary bytes.
#include "FuzzImage.h"
#include "bytes/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzImage(&decodeBmp, "fuzz.bmp", data, size);
    return 0;
}
