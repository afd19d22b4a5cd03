// File to OpenGL texture, 4096 x 4096 TGA, BMP and PCX files: the engine's
// loaders (CTGALoader::load for TGA, the utilities' loadTexture for BMP and
// PCX) against SDL_image's IMG_Load followed by the same TextureUpload call
// with the same settings. Each iteration loads the file once each way, the
// order alternating; the counters and the closing table give the median
// times and the median of the paired ratios (below 1: the engine is faster).
// Needs an OpenGL window: bench/run-texture-bench.sh runs it on a virtual X
// server. --pairs=N sets the number of paired loads (default 9). The engine's loaders print their console trace on
// standard output; the report goes to standard error.
#include <GL/glew.h>
#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "ImageSamples.h"
#include "graphics/CTGALoader.h"
#include "graphics/ImageLoading.h"
#include "graphics/SurfacePixels.h"
#include "graphics/TextureUpload.h"

namespace {
using Sample = ImageSamples::Sample;

bool isTga(const Sample& s) { return s.kind[0] == 't'; }

// The settings of the engine loader the peer stands beside.
TextureUpload::Options uploadOptions(const Sample& s) {
    return isTga(s) ? TextureUpload::Options{} : TextureUpload::mipmapped(false);
}

GLuint sdlTexture(const Sample& s) {
    SDL_Surface* surface = IMG_Load(s.path.c_str());
    if (!surface)
        return 0;
    PixelLayout layout;
    PixelConvert::Palette32 palette;
    const GLuint name =
        SurfacePixels::layoutOf(surface, layout, palette)
            ? TextureUpload::create(static_cast<const std::uint8_t*>(surface->pixels), std::size_t(surface->pitch),
                                    surface->w, surface->h, layout, &palette, uploadOptions(s))
            : 0;
    SDL_FreeSurface(surface);
    return name;
}

GLuint engineTexture(const Sample& s) {
    if (!isTga(s))
        return ImageLoading::loadTexture(s.path);
    CTGALoader loader;
    return loader.load(s.path) ? loader.textureId : 0;
}

// Seconds for one load, the texture deleted afterwards; negative on failure.
double timed(GLuint (*load)(const Sample&), const Sample& s) {
    const auto start = std::chrono::steady_clock::now();
    GLuint name = load(s);
    glFinish();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    glDeleteTextures(1, &name);
    return name ? elapsed.count() : -1.0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Result {
    double engine, sdl, ratio;
};
std::map<std::string, Result> gResults;

void BM_FileToTexture(benchmark::State& state, const Sample* s) {
    std::vector<double> engine, sdl, ratios;
    for (auto _ : state) {
        const bool engineFirst = engine.size() % 2 == 0;
        const double first = timed(engineFirst ? engineTexture : sdlTexture, *s);
        const double second = timed(engineFirst ? sdlTexture : engineTexture, *s);
        if (first < 0 || second < 0) {
            state.SkipWithError("a load failed");
            return;
        }
        engine.push_back(engineFirst ? first : second);
        sdl.push_back(engineFirst ? second : first);
        ratios.push_back(engine.back() / sdl.back());
    }
    const Result result{median(engine), median(sdl), median(ratios)};
    gResults[s->name] = result;
    state.counters["engine_ms"] = result.engine * 1e3;
    state.counters["sdl_ms"] = result.sdl * 1e3;
    state.counters["ratio"] = result.ratio;
}

bool openWindow() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || !SDL_SetVideoMode(64, 64, 32, SDL_OPENGL))
        return false;
    glewExperimental = GL_TRUE;
    return glewInit() == GLEW_OK;
}

// Takes --pairs=N out of the arguments.
int takePairs(int& argc, char** argv) {
    int pairs = 9;
    for (int i = 1; i < argc; ++i)
        if (std::sscanf(argv[i], "--pairs=%d", &pairs) == 1) {
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            break;
        }
    return pairs;
}
}  // namespace

int main(int argc, char** argv) {
    const int pairs = takePairs(argc, argv);
    ImageSamples files;
    if (!openWindow() || !files.write()) {
        std::fprintf(stderr, "needs an OpenGL window (run it on an X display) and ImageMagick\n");
        return 1;
    }
    for (const Sample& s : files.samples)
        benchmark::RegisterBenchmark((std::string("BM_FileToTexture/") + s.name).c_str(), BM_FileToTexture, &s)
            ->Iterations(pairs)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::fprintf(stderr, "\nfile to texture, engine / SDL_image + the same upload (median of paired runs)\n");
    std::fprintf(stderr, "  %-10s %10s %10s %8s\n", "file", "engine ms", "SDL ms", "ratio");
    for (const auto& [name, r] : gResults)
        std::fprintf(stderr, "  %-10s %10.1f %10.1f %8.2f\n", name.c_str(), r.engine * 1e3, r.sdl * 1e3, r.ratio);
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
