// Fuzz target: the checked cursor over a file against the same bytes in
// memory. The input is a buffer size, a count of operations, the operations
// (two bytes each: kind, amount) and the bytes themselves, which are written
// to a scratch file. Both readers run the operations and must agree on every
// result and position, wherever the small buffer has to be refilled.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "bytes/ByteReader.h"

namespace {
void agree(bool same) {
    if (!same)
        std::abort();
}

// One operation on both readers; amounts reach a few buffers past the end.
void step(ByteReader& file, ByteReader& memory, std::uint8_t kind, std::size_t amount, std::size_t buffer) {
    std::uint32_t a32 = 0, b32 = 0;
    std::uint8_t a8 = 0, b8 = 0;
    std::vector<std::uint8_t> a(amount), b(amount);
    switch (kind % 7) {
    case 0:
        agree(file.read_u8(a8) == memory.read_u8(b8) && a8 == b8);
        break;
    case 1:
        agree(file.read_u32(a32) == memory.read_u32(b32) && a32 == b32);
        break;
    case 2:
        agree(file.read_bytes(a.data(), amount) == memory.read_bytes(b.data(), amount) && a == b);
        break;
    case 3: {
        const std::size_t n = amount % (buffer + 1);
        const std::uint8_t* p = file.take(n);
        const std::uint8_t* q = memory.take(n);
        agree((p == nullptr) == (q == nullptr) && (!p || std::memcmp(p, q, n) == 0));
        break;
    }
    case 4:
        agree(file.skip(amount) == memory.skip(amount));
        break;
    case 5:
        agree(file.seek(amount) == memory.seek(amount));
        break;
    default:
        agree(file.fence(amount) == memory.fence(amount));
    }
    agree(file.position() == memory.position() && file.remaining() == memory.remaining() &&
          file.atEnd() == memory.atEnd());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t buffer = ByteReader::kMinBufferSize + data[0] % 48;
    const std::size_t ops = std::min<std::size_t>(data[1], (size - 2) / 2);
    const std::uint8_t* bytes = data + 2 + 2 * ops;
    const std::size_t length = size - 2 - 2 * ops;
    static const struct Scratch {
        // One file per process, so parallel fuzzing jobs keep apart.
        std::string path = "fuzz_byte_reader." + std::to_string(getpid()) + ".bin";
        ~Scratch() { std::remove(path.c_str()); }
    } scratch;
    const std::string& path = scratch.path;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out || std::fwrite(bytes, 1, length, out) != length || std::fclose(out) != 0)
        std::abort();
    ByteReader file, memory(bytes, length);
    agree(file.open(path, buffer));
    for (std::size_t i = 0; i < ops; ++i)
        step(file, memory, data[2 + 2 * i], data[3 + 2 * i] * buffer / 16, buffer);
    return 0;
}
