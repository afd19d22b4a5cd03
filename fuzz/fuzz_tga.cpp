// Fuzz target: the TGA reader on arbitrary bytes.
#include "FuzzImage.h"
#include "bytes/TgaDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzImage(&decodeTga, "fuzz.tga", data, size);
    return 0;
}
