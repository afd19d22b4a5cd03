#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "FileReport.h"
#include "bytes/DecodedImage.h"

// A decoded image and the reader that made it. Dumps as a binary P6 PPM of
// its R, G, B bytes, rows top first as the screen shows them.
class ImageReport : public FileReport {
public:
    ImageReport(std::string reader, DecodedImage&& image);

    std::string json() const override;
    bool dump(const std::string& path, std::string& error) const override;

    // Readers for each image kind; on failure they return null and set error.
    static std::unique_ptr<FileReport> tga(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> bmp(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> pcx(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> sdlImage(const std::string& path, std::string& error);

private:
    bool writePpm(std::FILE* file) const;
    static std::unique_ptr<FileReport> decodeWith(ImageDecoder decoder, const char* reader, const std::string& path,
                                                  std::string& error);

    std::string reader_;
    DecodedImage image_;
};
