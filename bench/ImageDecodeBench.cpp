// Decode speed of the engine's TGA, BMP and PCX readers against SDL_image
// decoding the same 4096 x 4096 file from memory. The files are written by
// ImageMagick at start-up from one smooth picture. Both keep a file's own
// layout (B, G, R order, or palette indices for 8-bit files); each is also
// measured followed by the conversion to tightly packed R, G, B (, A). The
// closing table gives engine CPU time / SDL_image CPU time per file (below
// 1: the engine is faster). Whole loads, file to process exit, are measured
// by bench/run-image-load-bench.py.
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

#include "bytes/BmpDecoder.h"
#include "bytes/ByteReader.h"
#include "bytes/PcxDecoder.h"
#include "bytes/TgaDecoder.h"
#include "graphics/SurfacePixels.h"

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

bool engineDecode(const Sample& s, bool toRgb) {
    ByteReader in(s.bytes);
    DecodedImage image;
    std::string error;
    const ImageDecoder decoder = s.kind[0] == 't' ? &decodeTga : s.kind[0] == 'b' ? &decodeBmp : &decodePcx;
    if (!decoder(in, s.name, image, error))
        return false;
    if (toRgb)
        image.packRgb();
    return true;
}

bool sdlDecode(const Sample& s, bool toRgb) {
    SDL_RWops* rw = SDL_RWFromConstMem(s.bytes.data(), static_cast<int>(s.bytes.size()));
    SDL_Surface* surface = s.kind[0] == 't'   ? IMG_LoadTGA_RW(rw)
                           : s.kind[0] == 'b' ? IMG_LoadBMP_RW(rw)
                                              : IMG_LoadPCX_RW(rw);
    SDL_RWclose(rw);
    if (!surface)
        return false;
    std::vector<std::uint8_t> pixels;
    const bool ok = !toRgb || SurfacePixels::extract(surface, SurfacePixels::hasAlpha(surface), pixels);
    SDL_FreeSurface(surface);
    return ok;
}

void BM_Engine(benchmark::State& state, const Sample* s, bool toRgb) {
    for (auto _ : state)
        if (!engineDecode(*s, toRgb))
            state.SkipWithError("engine reader failed");
    state.SetBytesProcessed(state.iterations() * 4096 * 4096);
}

void BM_SdlImage(benchmark::State& state, const Sample* s, bool toRgb) {
    for (auto _ : state)
        if (!sdlDecode(*s, toRgb))
            state.SkipWithError(IMG_GetError());
    state.SetBytesProcessed(state.iterations() * 4096 * 4096);
}

// Console output plus a closing table of engine / SDL_image time ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nengine / SDL_image CPU time (below 1: engine faster)\n");
        std::printf("  %-10s %12s %16s\n", "file", "decode", "decode + to RGB");
        for (const Sample& s : gSamples)
            std::printf("  %-10s %12.2f %16.2f\n", s.name, ratio("BM_Engine/", "BM_SdlImage/", s),
                        ratio("BM_EngineRgb/", "BM_SdlImageRgb/", s));
    }
    double ratio(const std::string& ours, const std::string& peer, const Sample& s) const {
        const auto engine = times_.find(ours + s.name);
        const auto other = times_.find(peer + s.name);
        return engine != times_.end() && other != times_.end() ? engine->second / other->second : 0.0;
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
        benchmark::RegisterBenchmark((std::string("BM_Engine/") + s.name).c_str(), BM_Engine, &s, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_EngineRgb/") + s.name).c_str(), BM_Engine, &s, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_SdlImage/") + s.name).c_str(), BM_SdlImage, &s, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_SdlImageRgb/") + s.name).c_str(), BM_SdlImage, &s, true)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
