#include "ImageReport.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <memory>

#include "bytes/FileBytes.h"
#include "bytes/PixelConvert.h"
#include "bytes/TextFormat.h"
#include "graphics/CTGALoader.h"
#include "graphics/SurfacePixels.h"
#include "graphics/TextureImage.h"
#include "graphics/bmp.h"
#include "graphics/pcx.h"

namespace {
bool readFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    if (FileBytes::read(path, bytes))
        return true;
    error = "cannot read " + path;
    return false;
}

// Messages of the engine's readers may start or end with line breaks; the
// inspector reports them on one line.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}
}  // namespace

ImageReport::ImageReport(std::string reader, int width, int height, int channels, std::vector<std::uint8_t> pixels)
    : reader_(std::move(reader)), width_(width), height_(height), channels_(channels), pixels_(std::move(pixels)) {}

std::string ImageReport::json() const {
    return TextFormat::format("{\"kind\":\"image\",\"reader\":\"%s\",\"width\":%d,\"height\":%d,\"channels\":%d}",
                              reader_.c_str(), width_, height_, channels_);
}

bool ImageReport::dump(const std::string& path, std::string& error) const {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    std::vector<std::uint8_t> rgb(std::size_t(width_) * height_ * 3);
    for (std::size_t i = 0, n = std::size_t(width_) * height_; i < n; ++i)
        for (int c = 0; c < 3; ++c)
            rgb[i * 3 + c] = pixels_[i * channels_ + c];
    std::fprintf(file.get(), "P6\n%d %d\n255\n", width_, height_);
    if (std::fwrite(rgb.data(), 1, rgb.size(), file.get()) != rgb.size() || std::fflush(file.get()) != 0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

std::unique_ptr<FileReport> ImageReport::fromEngineImage(const char* reader, TextureImage&& image) {
    // The engine keeps the bottom row first, as OpenGL wants it.
    PixelConvert::flipRows(image.texels.data(), std::size_t(image.width) * image.components, image.height);
    return std::make_unique<ImageReport>(reader, image.width, image.height, image.components,
                                         std::vector<std::uint8_t>(image.texels.begin(), image.texels.end()));
}

std::unique_ptr<FileReport> ImageReport::decodeWith(Decoder decoder, const char* reader, const std::string& path,
                                                    std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes, error))
        return nullptr;
    TextureImage image;
    std::string message;
    if (!decoder(bytes.data(), bytes.size(), path, image, message)) {
        error = oneLine(message);
        return nullptr;
    }
    return fromEngineImage(reader, std::move(image));
}

std::unique_ptr<FileReport> ImageReport::tga(const std::string& path, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes, error))
        return nullptr;
    CTGALoader loader;
    if (!loader.decode(bytes.data(), bytes.size(), path)) {
        error = oneLine(loader.message());
        return nullptr;
    }
    TextureImage image;
    image.width = static_cast<int>(loader.width);
    image.height = static_cast<int>(loader.height);
    image.components = static_cast<int>(loader.bytesPerPixel);
    image.texels = std::move(loader.imageData);
    return fromEngineImage("tga", std::move(image));
}

std::unique_ptr<FileReport> ImageReport::bmp(const std::string& path, std::string& error) {
    return decodeWith([](const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
                         std::string& message) { return decodeBmp(data, size, name, image, message); },
                      "bmp", path, error);
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
    const bool alpha = SurfacePixels::hasAlpha(surface.get());
    std::vector<std::uint8_t> pixels;
    if (!SurfacePixels::extract(surface.get(), alpha, pixels)) {
        error = oneLine(TextFormat::format("cannot convert %s: %s", path.c_str(), SDL_GetError()));
        return nullptr;
    }
    return std::make_unique<ImageReport>("sdl_image", surface->w, surface->h, alpha ? 4 : 3, std::move(pixels));
}
