#include "bytes/FileBytes.h"

#include <cstdio>
#include <memory>

namespace FileBytes {

bool read(const std::string& path, std::vector<std::uint8_t>& out) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return false;
    out.clear();
    std::uint8_t chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        out.insert(out.end(), chunk, chunk + got);
        if (got < sizeof chunk)
            return !std::ferror(file.get());
    }
}

bool readText(const std::string& path, std::string& out) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    out.resize(static_cast<std::size_t>(size));
    const std::size_t got = std::fread(out.data(), 1, out.size(), file.get());
    out.resize(got);
    return !std::ferror(file.get());
}

bool readOrReport(const std::string& path, std::vector<std::uint8_t>& out) {
    if (read(path, out))
        return true;
    std::fprintf(stderr, "error: couldn't open \"%s\"!\n", path.c_str());
    return false;
}

}  // namespace FileBytes
