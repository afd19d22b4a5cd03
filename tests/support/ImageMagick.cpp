#include "support/ImageMagick.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ImageMagick {
std::string readAll(std::FILE* stream) {
    std::string text;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stream)) > 0;)
        text.append(buffer, got);
    return text;
}

bool capture(const std::string& command, std::string& output) {
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return false;
    output += readAll(pipe);
    return pclose(pipe) == 0;
}

const std::string& tempDir() {
    struct Dir {
        std::string path = (std::filesystem::temp_directory_path() / "kavor-images-XXXXXX").string();
        Dir() {
            if (!mkdtemp(&path[0]))
                path.clear();  // every file written below then fails
        }
        ~Dir() {
            std::error_code ignored;
            if (!path.empty())
                std::filesystem::remove_all(path, ignored);
        }
    };
    static Dir dir;
    return dir.path;
}

bool convert(const std::string& args) { return std::system(("convert " + args + " 2>/dev/null").c_str()) == 0; }

bool reference(const std::string& path, Reference& out) {
    std::string size, pixels;
    if (!capture("identify -format '%w %h' '" + path + "'", size) ||
        std::sscanf(size.c_str(), "%d %d", &out.width, &out.height) != 2 ||
        !capture("convert '" + path + "' -auto-orient -depth 8 rgba:-", pixels))
        return false;
    out.rgba.assign(pixels.begin(), pixels.end());
    return out.rgba.size() == std::size_t(out.width) * out.height * 4;
}

std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = tempDir() + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace ImageMagick
