#include "ImageReport.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bytes/BmpDecoder.h"
#include "bytes/ByteReader.h"
#include "bytes/PcxDecoder.h"
#include "bytes/TextFormat.h"
#include "bytes/TgaDecoder.h"

namespace {

// The value of the pixel of bytes bytes at p, in the surface's byte order.
Uint32 pixelValue(const Uint8* p, int bytes) {
    switch (bytes) {
    case 1:
        return *p;
    case 2: {
        Uint16 value;
        std::memcpy(&value, p, 2);
        return value;
    }
    case 3:
        return SDL_BYTEORDER == SDL_LIL_ENDIAN ? p[0] | p[1] << 8 | p[2] << 16 : p[0] << 16 | p[1] << 8 | p[2];
    default: {
        Uint32 value;
        std::memcpy(&value, p, 4);
        return value;
    }
    }
}

// Any surface as R, G, B (, A when its format has alpha), rows bottom first.
bool fromSurface(SDL_Surface* surface, DecodedImage& image) {
    const bool alpha = surface->format->Amask != 0;
    if (!image.allocate(surface->w, surface->h, alpha ? PixelLayout::Rgba : PixelLayout::Rgb, false) ||
        SDL_LockSurface(surface) != 0)
        return false;
    const int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* src = static_cast<const Uint8*>(surface->pixels) + std::size_t(y) * surface->pitch;
        Uint8* dst = image.row(std::size_t(surface->h - 1 - y));
        for (int x = 0; x < surface->w; ++x, src += bytes, dst += alpha ? 4 : 3) {
            Uint8 a;
            SDL_GetRGBA(pixelValue(src, bytes), surface->format, &dst[0], &dst[1], &dst[2], &a);
            if (alpha)
                dst[3] = a;
        }
    }
    SDL_UnlockSurface(surface);
    return true;
}
}  // namespace

ImageReport::ImageReport(std::string reader, DecodedImage&& image)
    : reader_(std::move(reader)), image_(std::move(image)) {}

std::string ImageReport::json() const {
    return TextFormat::format("{\"kind\":\"image\",\"reader\":\"%s\",\"width\":%d,\"height\":%d,\"channels\":%d}",
                              reader_.c_str(), image_.width, image_.height, image_.channels());
}

bool ImageReport::dump(const std::string& path, std::string& error) const {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (file && writePpm(file.get()) && std::fflush(file.get()) == 0)
        return true;
    error = "cannot write " + path;
    return false;
}

bool ImageReport::writePpm(std::FILE* file) const {
    std::fprintf(file, "P6\n%d %d\n255\n", image_.width, image_.height);
    // One row at a time, top row first.
    std::vector<std::uint8_t> row(std::size_t(image_.width) * 3);
    for (int y = image_.height - 1; y >= 0; --y) {
        image_.copyRow(std::size_t(y), row.data(), 3);
        if (std::fwrite(row.data(), 1, row.size(), file) != row.size())
            return false;
    }
    return true;
}

std::unique_ptr<FileReport> ImageReport::decodeWith(ImageDecoder decoder, const char* reader, const std::string& path,
                                                    std::string& error) {
    ByteReader in;
    if (!in.open(path)) {
        error = "cannot read " + path;
        return nullptr;
    }
    DecodedImage image;
    if (!decoder(in, path, image, error)) {
        error = oneLine(error);
        return nullptr;
    }
    return std::make_unique<ImageReport>(reader, std::move(image));
}

std::unique_ptr<FileReport> ImageReport::tga(const std::string& path, std::string& error) {
    return decodeWith(&decodeTga, "tga", path, error);
}

std::unique_ptr<FileReport> ImageReport::bmp(const std::string& path, std::string& error) {
    return decodeWith(&decodeBmp, "bmp", path, error);
}

std::unique_ptr<FileReport> ImageReport::pcx(const std::string& path, std::string& error) {
    return decodeWith(&decodePcx, "pcx", path, error);
}

std::unique_ptr<FileReport> ImageReport::sdlImage(const std::string& path, std::string& error) {
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(IMG_Load(path.c_str()), &SDL_FreeSurface);
    if (!surface) {
        error = oneLine(TextFormat::format("cannot load %s: %s", path.c_str(), IMG_GetError()));
        return nullptr;
    }
    DecodedImage image;
    if (!fromSurface(surface.get(), image)) {
        error = oneLine(TextFormat::format("cannot convert %s: %s", path.c_str(), SDL_GetError()));
        return nullptr;
    }
    return std::make_unique<ImageReport>("sdl_image", std::move(image));
}
