// kavor-inspect [--dump OUT] FILE
// Prints one JSON line describing what the engine's readers make of FILE (an
// image or a model) and optionally dumps a decoded image (binary P6 PPM, top
// row first). Exit status: 0 success, 1 unreadable file, reader failure or a
// model without faces, 2 wrong usage.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "ImageReport.h"
#include "ModelReport.h"

namespace {
using Reader = std::unique_ptr<FileReport> (*)(const std::string& path, std::string& error);

struct Kind {
    const char* extension;
    Reader read;
};

// File kinds by extension; anything else goes to SDL_image.
const Kind kKinds[] = {
    {".tga", &ImageReport::tga},    {".bmp", &ImageReport::bmp},     {".pcx", &ImageReport::pcx},
    {".xml", &ModelReport::native}, {".3ds", &ModelReport::threeDS}, {".md2", &ModelReport::md2},
    {".obj", &ModelReport::obj},
};

std::string lowerExtension(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string();
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

Reader readerFor(const std::string& path) {
    const std::string extension = lowerExtension(path);
    for (const Kind& kind : kKinds)
        if (extension == kind.extension)
            return kind.read;
    return &ImageReport::sdlImage;
}

int usage() {
    std::fputs("usage: kavor-inspect [--dump OUT] FILE\n", stderr);
    return 2;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "kavor-inspect: %s\n", message.c_str());
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    std::string dumpPath;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dump" && i + 1 < argc && dumpPath.empty())
            dumpPath = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && file.empty())
            file = arg;
        else
            return usage();
    }
    if (file.empty())
        return usage();
    std::string error;
    const std::unique_ptr<FileReport> report = readerFor(file)(file, error);
    if (!report)
        return failure(error);
    if (!dumpPath.empty() && !report->dump(dumpPath, error))
        return failure(error);
    std::printf("%s\n", report->json().c_str());
    return 0;
}
