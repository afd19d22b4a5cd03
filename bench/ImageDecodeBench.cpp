// Decode speed of the engine's TGA, BMP and PCX readers against SDL_image
// decoding the same 4096 x 4096 file from memory. Both keep a file's own
// layout (B, G, R order, or palette indices for 8-bit files); each is also
// measured followed by the conversion to tightly packed R, G, B (, A). The
// closing table gives engine CPU time / SDL_image CPU time per file (below
// 1: the engine is faster). In a loop, memory freed by one decode serves the
// next; an engine palette image reserves room to grow into R, G, B in place,
// beyond what the allocator recycles, so its decode alone pays fresh pages
// every time (bmp8 reads in about a millisecond otherwise). Whole loads, file
// to process exit, are measured by bench/run-image-load-bench.py; file to
// texture by TextureLoadBench.
#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ImageSamples.h"
#include "TimesReporter.h"
#include "bytes/ByteReader.h"
#include "graphics/SurfacePixels.h"

namespace {
struct Sample {
    const ImageSamples::Sample* file;
    std::vector<std::uint8_t> bytes;
};

ImageSamples gFiles;
std::vector<Sample> gSamples;

bool readSamples() {
    if (!gFiles.write())
        return false;
    for (const ImageSamples::Sample& file : gFiles.samples) {
        std::ifstream in(file.path, std::ios::binary);
        gSamples.push_back({&file, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    return true;
}

bool engineDecode(const Sample& s, bool toRgb) {
    ByteReader in(s.bytes);
    DecodedImage image;
    std::string error;
    if (!s.file->decoder()(in, s.file->name, image, error))
        return false;
    if (toRgb)
        image.packRgb();
    return true;
}

bool sdlDecode(const Sample& s, bool toRgb) {
    SDL_RWops* rw = SDL_RWFromConstMem(s.bytes.data(), static_cast<int>(s.bytes.size()));
    const char kind = s.file->kind[0];
    SDL_Surface* surface = kind == 't' ? IMG_LoadTGA_RW(rw) : kind == 'b' ? IMG_LoadBMP_RW(rw) : IMG_LoadPCX_RW(rw);
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

double ratio(const TimesReporter::Times& times, const std::string& ours, const std::string& peer,
             const Sample& s) {
    const auto engine = times.find(ours + s.file->name);
    const auto other = times.find(peer + s.file->name);
    return engine != times.end() && other != times.end() ? engine->second / other->second : 0.0;
}

// The closing table of engine / SDL_image time ratios.
void printRatios(const TimesReporter::Times& times) {
    std::printf("\nengine / SDL_image CPU time (below 1: engine faster)\n");
    std::printf("  %-10s %12s %16s\n", "file", "decode", "decode + to RGB");
    for (const Sample& s : gSamples)
        std::printf("  %-10s %12.2f %16.2f\n", s.file->name, ratio(times, "BM_Engine/", "BM_SdlImage/", s),
                    ratio(times, "BM_EngineRgb/", "BM_SdlImageRgb/", s));
}
}  // namespace

int main(int argc, char** argv) {
    if (!readSamples()) {
        std::fprintf(stderr, "ImageMagick could not write the sample images\n");
        return 1;
    }
    for (const Sample& s : gSamples) {
        const std::string name = s.file->name;
        benchmark::RegisterBenchmark(("BM_Engine/" + name).c_str(), BM_Engine, &s, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_EngineRgb/" + name).c_str(), BM_Engine, &s, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SdlImage/" + name).c_str(), BM_SdlImage, &s, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SdlImageRgb/" + name).c_str(), BM_SdlImage, &s, true)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter(printRatios);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
