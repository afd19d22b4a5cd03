#include "bytes/FileBytes.h"

#include <cstdio>
#include <memory>

namespace FileBytes {
namespace {
// Sized from the file's length first, so the bytes are read once into
// their final place.
template <typename Container>
bool readWhole(const std::string& path, Container& out) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    // Unbuffered: the one read goes straight into out, and seeking to the
    // end reads nothing.
    if (!file || std::setvbuf(file.get(), nullptr, _IONBF, 0) != 0 || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    out.resize(static_cast<std::size_t>(size));
    out.resize(std::fread(out.data(), 1, out.size(), file.get()));
    return !std::ferror(file.get());
}
}  // namespace

bool read(const std::string& path, std::vector<std::uint8_t>& out) { return readWhole(path, out); }

bool readText(const std::string& path, std::string& out) { return readWhole(path, out); }
}  // namespace FileBytes
