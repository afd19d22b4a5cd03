// Decode speed of the engine's TGA, BMP and PCX readers against SDL_image
// decoding the same 4096 x 4096 file from memory. The files are written by
// ImageMagick at start-up from one smooth picture; the closing table gives
// engine time / SDL_image time per file (below 1 means the engine is faster).
#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "graphics/CTGALoader.h"
#include "graphics/TextureImage.h"
#include "graphics/bmp.h"
#include "graphics/pcx.h"

namespace {
struct Sample {
    const char* name;
    const char* options;  // convert options and output prefix
    const char* kind;
    std::vector<std::uint8_t> bytes;
};

std::vector<Sample> gSamples = {
    {"tga24", "-type TrueColor TGA:", "tga", {}},
    {"tga24rle", "-type TrueColor -compress RLE TGA:", "tga", {}},
    {"tga32rle", "-alpha copy -compress RLE TGA:", "tga", {}},
    {"bmp24", "-type TrueColor BMP3:", "bmp", {}},
    {"bmp8", "-colors 200 -type palette -compress None BMP3:", "bmp", {}},
    {"bmp8rle", "-colors 200 -type palette -compress RLE BMP3:", "bmp", {}},
    {"pcx8", "-colors 200 -type palette PCX:", "pcx", {}},
    {"pcx24", "-type TrueColor PCX:", "pcx", {}},
};

bool makeSamples() {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kavor-image-bench";
    std::filesystem::create_directories(dir);
    const std::string base = (dir / "base.miff").string();
    if (std::system(("convert rose: -resize 4096x4096! " + base).c_str()) != 0)
        return false;
    for (Sample& s : gSamples) {
        const std::string path = (dir / (std::string(s.name) + "." + s.kind)).string();
        if (std::system(("convert " + base + " " + s.options + path).c_str()) != 0)
            return false;
        std::ifstream in(path, std::ios::binary);
        s.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::filesystem::remove_all(dir);
    return true;
}

bool engineDecode(const Sample& s) {
    std::string error;
    TextureImage image;
    if (s.kind[0] == 't')
        return CTGALoader().decode(s.bytes.data(), s.bytes.size(), s.name);
    if (s.kind[0] == 'b')
        return decodeBmp(s.bytes.data(), s.bytes.size(), s.name, image, error);
    return decodePcx(s.bytes.data(), s.bytes.size(), s.name, image, error);
}

bool sdlDecode(const Sample& s) {
    SDL_RWops* rw = SDL_RWFromConstMem(s.bytes.data(), static_cast<int>(s.bytes.size()));
    SDL_Surface* surface = s.kind[0] == 't'   ? IMG_LoadTGA_RW(rw)
                           : s.kind[0] == 'b' ? IMG_LoadBMP_RW(rw)
                                              : IMG_LoadPCX_RW(rw);
    SDL_RWclose(rw);
    if (!surface)
        return false;
    SDL_FreeSurface(surface);
    return true;
}

void BM_Engine(benchmark::State& state, const Sample* s) {
    for (auto _ : state)
        if (!engineDecode(*s))
            state.SkipWithError("engine reader failed");
    state.SetBytesProcessed(state.iterations() * 4096 * 4096);
}

void BM_SdlImage(benchmark::State& state, const Sample* s) {
    for (auto _ : state)
        if (!sdlDecode(*s))
            state.SkipWithError(IMG_GetError());
    state.SetBytesProcessed(state.iterations() * 4096 * 4096);
}

// Console output plus a closing table of engine / SDL_image time ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nengine / SDL_image decode time (below 1: engine faster)\n");
        for (const Sample& s : gSamples) {
            const auto engine = times_.find(std::string("BM_Engine/") + s.name);
            const auto sdl = times_.find(std::string("BM_SdlImage/") + s.name);
            if (engine != times_.end() && sdl != times_.end())
                std::printf("  %-10s %.2f\n", s.name, engine->second / sdl->second);
        }
    }

private:
    std::map<std::string, double> times_;
};
}  // namespace

int main(int argc, char** argv) {
    if (!makeSamples()) {
        std::fprintf(stderr, "ImageMagick could not write the sample images\n");
        return 1;
    }
    for (const Sample& s : gSamples) {
        benchmark::RegisterBenchmark((std::string("BM_Engine/") + s.name).c_str(), BM_Engine, &s)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_SdlImage/") + s.name).c_str(), BM_SdlImage, &s)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
