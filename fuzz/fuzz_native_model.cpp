// libFuzzer target: the native model loader on arbitrary documents, with a
// stand-in texture loader and the console lines thrown away.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "Models/loaders/CKObjectLoader.h"
#include "xml/XmlError.h"
#include "xml/XmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::FILE* quiet = std::fopen("/dev/null", "w");
    try {
        const auto root = readDocumentBytes(std::string(reinterpret_cast<const char*>(data), size));
        CKObjectLoader loader([](const std::string&) { return 7; }, quiet);
        K3DModel model = loader.loadDocument(*root, "fuzz.xml");
        loader.buildTangentSpace(model);
    } catch (const XmlError&) {
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
