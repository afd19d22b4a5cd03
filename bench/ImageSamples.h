#pragma once
// The 4096 x 4096 files of the image benchmarks, written by ImageMagick from
// one smooth picture into a scratch folder that lives as long as the object.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bytes/BmpDecoder.h"
#include "bytes/PcxDecoder.h"
#include "bytes/TgaDecoder.h"

class ImageSamples {
public:
    struct Sample {
        const char* name;
        const char* kind;     // file extension
        const char* options;  // convert options and output prefix
        std::string path;

        ImageDecoder decoder() const { return kind[0] == 't' ? &decodeTga : kind[0] == 'b' ? &decodeBmp : &decodePcx; }
    };

    std::vector<Sample> samples = {
        {"tga24", "tga", "-type TrueColor TGA:", {}},
        {"tga24rle", "tga", "-type TrueColor -compress RLE TGA:", {}},
        {"tga32rle", "tga", "-alpha set -type TrueColorAlpha -compress RLE TGA:", {}},
        {"bmp24", "bmp", "-type TrueColor BMP3:", {}},
        {"bmp8", "bmp", "-colors 200 -type palette -compress None BMP3:", {}},
        {"bmp8rle", "bmp", "-colors 200 -type palette -compress RLE BMP3:", {}},
        {"pcx24", "pcx", "-type TrueColor PCX:", {}},
        {"pcx8", "pcx", "-colors 200 -type palette PCX:", {}},
    };

    ImageSamples() : dir_(std::filesystem::temp_directory_path() / ("kavor-image-bench-" + std::to_string(getpid()))) {}
    ~ImageSamples() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    // False when ImageMagick could not write them.
    bool write() {
        std::filesystem::create_directories(dir_);
        const std::string base = (dir_ / "base.miff").string();
        if (std::system(("convert rose: -resize 4096x4096! " + base).c_str()) != 0)
            return false;
        for (Sample& s : samples) {
            s.path = (dir_ / (std::string(s.name) + "." + s.kind)).string();
            if (std::system(("convert " + base + " " + s.options + s.path).c_str()) != 0)
                return false;
        }
        return true;
    }

private:
    std::filesystem::path dir_;
};
