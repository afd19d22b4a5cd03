// kavor-assetgen: writes the engine's generated data files (fonts, pictures,
// GUI theme, models) into a Data directory. The output depends only on this
// program and the font files, never on the time, the locale or the machine,
// so running it twice gives the same bytes.
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "AssetCatalog.h"

namespace {

const char* const defaultFontDirectory = "/usr/share/fonts/truetype/dejavu";

int usage() {
    std::cerr << "usage: kavor-assetgen [--fonts DIR] DATA_DIR\n";
    return 2;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    std::string fontDirectory = defaultFontDirectory;
    std::string dataDirectory;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fonts") == 0 && i + 1 < argc)
            fontDirectory = argv[++i];
        else if (argv[i][0] != '-' && dataDirectory.empty())
            dataDirectory = argv[i];
        else
            return usage();
    }
    if (dataDirectory.empty())
        return usage();
    try {
        for (const GeneratedFile& file : generateAssets(fontDirectory)) {
            writeFile(std::filesystem::path(dataDirectory) / file.path, file.bytes);
            std::cout << file.path << " (" << file.bytes.size() << " bytes)\n";
        }
    } catch (const std::exception& error) {
        std::cerr << "kavor-assetgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
