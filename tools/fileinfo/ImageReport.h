#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FileReport.h"

struct TextureImage;

// A decoded image as the screen shows it: rows top first, channels bytes per
// pixel (R, G, B and possibly A). Dumps as a binary P6 PPM of its RGB bytes.
class ImageReport : public FileReport {
public:
    ImageReport(std::string reader, int width, int height, int channels, std::vector<std::uint8_t> pixels);

    std::string json() const override;
    bool dump(const std::string& path, std::string& error) const override;

    // Readers for each image kind; on failure they return null and set error.
    static std::unique_ptr<FileReport> tga(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> bmp(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> pcx(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> sdlImage(const std::string& path, std::string& error);

private:
    using Decoder = bool (*)(const std::uint8_t*, std::size_t, const std::string&, TextureImage&, std::string&);

    static std::unique_ptr<FileReport> fromEngineImage(const char* reader, TextureImage&& image);
    static std::unique_ptr<FileReport> decodeWith(Decoder decoder, const char* reader, const std::string& path,
                                                  std::string& error);

    std::string reader_;
    int width_;
    int height_;
    int channels_;
    std::vector<std::uint8_t> pixels_;
};
