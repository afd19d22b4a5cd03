#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The engine's three readers behind one call, their output turned into what
// ImageMagick's reference gives: rows top first, RGBA.
struct EngineDecode {
    bool ok = false;
    std::string message;
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<std::uint8_t> rgba;
};

// kind is "tga", "bmp" or "pcx".
EngineDecode engineDecode(const std::string& kind, const std::vector<std::uint8_t>& bytes);

// Decodes a hand-made file with the engine and with ImageMagick (saved as
// `name`, whose extension tells ImageMagick the format) and expects the same
// pixels.
void expectDecodesLikeImageMagick(const std::string& kind, const std::string& name,
                                  const std::vector<std::uint8_t>& file);

// Little helpers to write binary files by hand.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u8(unsigned v);
    Bytes& u16(unsigned v);
    Bytes& u32(std::uint32_t v);
    Bytes& fill(std::size_t n, unsigned v);
    Bytes& raw(const std::vector<std::uint8_t>& v);
};
