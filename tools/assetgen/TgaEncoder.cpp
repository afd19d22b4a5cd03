#include "TgaEncoder.h"

#include <stdexcept>

namespace {

void putLittle16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

}  // namespace

std::vector<std::uint8_t> encodeTga(const Image& image) {
    if (image.width() > 0xffff || image.height() > 0xffff)
        throw std::invalid_argument("image too large for TGA");
    std::vector<std::uint8_t> out = {
        0,              // no image ID
        0,              // no colour map
        2,              // uncompressed true colour
        0, 0, 0, 0, 0,  // colour map start, length and entry size
        0, 0, 0, 0,     // x and y origin
    };
    putLittle16(out, image.width());
    putLittle16(out, image.height());
    out.push_back(32);    // bits per pixel
    out.push_back(0x08);  // 8 alpha bits, bottom-left origin
    const std::vector<std::uint8_t> rgba = image.toRgba8();
    const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::uint8_t* row = rgba.data() + static_cast<std::size_t>(y) * rowBytes;
        for (std::size_t i = 0; i < rowBytes; i += 4) {
            out.push_back(row[i + 2]);
            out.push_back(row[i + 1]);
            out.push_back(row[i]);
            out.push_back(row[i + 3]);
        }
    }
    return out;
}
