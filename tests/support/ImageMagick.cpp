#include "support/ImageMagick.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace ImageMagick {
namespace {
struct TempDir {
    std::string path;
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kavor-images-XXXXXX").string();
        if (mkdtemp(&pattern[0]))
            path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
};

bool runCapture(const std::string& command, std::string& output) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe)
        return false;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        output.append(buffer, got);
    return pclose(pipe.release()) == 0;
}
}  // namespace

const std::string& tempDir() {
    static TempDir dir;
    return dir.path;
}

bool convert(const std::string& args) { return std::system(("convert " + args + " 2>/dev/null").c_str()) == 0; }

bool reference(const std::string& path, Reference& out) {
    std::string size;
    if (!runCapture("identify -format '%w %h' '" + path + "' 2>/dev/null", size) ||
        std::sscanf(size.c_str(), "%d %d", &out.width, &out.height) != 2)
        return false;
    std::string pixels;
    if (!runCapture("convert '" + path + "' -auto-orient -depth 8 rgba:- 2>/dev/null", pixels))
        return false;
    out.rgba.assign(pixels.begin(), pixels.end());
    return out.rgba.size() == std::size_t(out.width) * out.height * 4;
}

std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = tempDir() + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace ImageMagick
