// Whole load of 3DS, MD2 and OBJ files (file read, parse, normals, boxes)
// by the engine's loaders against assimp reading the same files with no
// post-processing steps. Files: the box models of the tests, and large
// generated ones (an OBJ grid of 1 000 000 triangles with texture
// coordinates, a 3DS mesh of 60 000 faces, an MD2 of 200 key frames).
// Prints engine / assimp time and the MB/s of both for every file. assimp's
// MD2 reader decodes one key frame per import, the engine all of them, so
// MD2 files are also read by assimp once per key frame ("assimp-frames").
#include <benchmark/benchmark.h>

#include <assimp/config.h>
#include <assimp/scene.h>
#include <assimp/Importer.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "Models/loaders/C3DSLoader.h"
#include "Models/loaders/CMD2Loader.h"
#include "Models/loaders/CObjLoader.h"
#include "support/ImageMagick.h"
#include "support/ModelFiles.h"
#include "TimesReporter.h"

namespace {
struct ModelFile {
    std::string name;
    std::string path;
    double megabytes = 0;
};

// A rolling grid of columns x rows quads split into triangles, with
// texture coordinates.
std::string objGrid(int columns, int rows) {
    const std::string path = ImageMagick::tempDir() + "/grid.obj";
    std::ofstream out(path);
    char line[128];
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            std::snprintf(line, sizeof line, "v %.4f %.4f %.4f\n", c * 0.1, std::sin(c * 0.05) * std::cos(r * 0.07),
                          -r * 0.1);
            out << line;
        }
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            std::snprintf(line, sizeof line, "vt %.5f %.5f\n", c / double(columns), r / double(rows));
            out << line;
        }
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int v = r * (columns + 1) + c + 1, below = v + columns + 1;
            std::snprintf(line, sizeof line, "f %d/%d %d/%d %d/%d\nf %d/%d %d/%d %d/%d\n", v, v, below + 1, below + 1,
                          v + 1, v + 1, v, v, below, below, below + 1, below + 1);
            out << line;
        }
    return path;
}

std::vector<std::uint8_t> grid3ds(int columns, int rows) {
    ModelFiles::Writer vertices, uv, faces;
    vertices.u16(static_cast<unsigned>((columns + 1) * (rows + 1)));
    uv.u16(static_cast<unsigned>((columns + 1) * (rows + 1)));
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            vertices.f32(c * 0.1f).f32(-r * 0.1f).f32(std::sin(c * 0.05f) * std::cos(r * 0.07f));
            uv.f32(c / float(columns)).f32(r / float(rows));
        }
    faces.u16(static_cast<unsigned>(2 * columns * rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const auto v = static_cast<unsigned>(r * (columns + 1) + c), below = v + static_cast<unsigned>(columns) + 1;
            faces.u16(v).u16(below + 1).u16(v + 1).u16(0).u16(v).u16(below).u16(below + 1).u16(0);
        }
    using ModelFiles::chunk;
    const auto mesh = chunk(
        0x4100, ModelFiles::join({chunk(0x4110, vertices.data), chunk(0x4140, uv.data), chunk(0x4120, faces.data)}));
    return chunk(0x4D4D,
                 chunk(0x3D3D, chunk(0x4000, ModelFiles::join({ModelFiles::Writer().text("grid").data, mesh}))));
}

// A waving grid of 546 vertices and 1000 triangles over frames key frames.
std::vector<std::uint8_t> md2Frames(int frames) {
    constexpr int kColumns = 25, kRows = 20;
    ModelFiles::Md2File file;
    for (int r = 0; r <= kRows; ++r)
        for (int c = 0; c <= kColumns; ++c)
            file.texCoords.push_back({static_cast<std::int16_t>(c * 2), static_cast<std::int16_t>(r * 3)});
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const auto v = static_cast<std::int16_t>(r * (kColumns + 1) + c);
            const auto below = static_cast<std::int16_t>(v + kColumns + 1);
            file.triangles.push_back({v, static_cast<std::int16_t>(below + 1), static_cast<std::int16_t>(v + 1), v,
                                      static_cast<std::int16_t>(below + 1), static_cast<std::int16_t>(v + 1)});
            file.triangles.push_back(
                {v, below, static_cast<std::int16_t>(below + 1), v, below, static_cast<std::int16_t>(below + 1)});
        }
    for (int f = 0; f < frames; ++f) {
        ModelFiles::Md2Frame frame;
        frame.name = (f < 100 ? "stand" : "run") + std::to_string(f % 100 / 10) + std::to_string(f % 10);
        for (int r = 0; r <= kRows; ++r)
            for (int c = 0; c <= kColumns; ++c)
                frame.vertices.push_back({static_cast<std::uint8_t>(c * 10), static_cast<std::uint8_t>(r * 12),
                                          static_cast<std::uint8_t>(128 + 100 * std::sin((c + f) * 0.3))});
        file.frames.push_back(frame);
    }
    return ModelFiles::md2(file);
}

std::vector<ModelFile> writeFiles() {
    const CVector3 lo{-1, 0, -1}, hi{1, 2, 1};
    std::vector<ModelFile> files = {
        {"box.obj", ModelFiles::writeText("box.obj", ModelFiles::objBox(lo, hi))},
        {"box.3ds", ImageMagick::writeFile("box.3ds", ModelFiles::box3ds(lo, hi))},
        {"box.md2", ImageMagick::writeFile("box.md2", ModelFiles::boxMd2(lo, hi))},
        {"grid-1M-triangles.obj", objGrid(1000, 500)},
        {"grid-60k-faces.3ds", ImageMagick::writeFile("grid.3ds", grid3ds(200, 150))},
        {"wave-200-frames.md2", ImageMagick::writeFile("wave.md2", md2Frames(200))},
    };
    const std::string exported = ImageMagick::tempDir() + "/box-assimp.3ds";
    if (ModelFiles::assimpExport(files[0].path, exported))
        files.insert(files.begin() + 2, {"box-assimp.3ds", exported});
    for (ModelFile& file : files)
        file.megabytes = static_cast<double>(std::filesystem::file_size(file.path)) / 1e6;
    return files;
}

std::FILE* quietConsole() {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

bool engineLoad(const std::string& path) {
    tMeshModel model;
    const std::string extension = std::filesystem::path(path).extension().string();
    bool loaded = false;
    if (extension == ".obj")
        loaded = CObjLoader(quietConsole()).import(path, model);
    else if (extension == ".3ds")
        loaded = CLoad3DS(quietConsole()).import(path, false, model);
    else
        loaded = CMD2Loader(quietConsole()).import(model, path, "");
    benchmark::DoNotOptimize(model.objects.data());
    return loaded;
}

bool assimpLoad(const std::string& path) {
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, 0);
    benchmark::DoNotOptimize(scene);
    return scene != nullptr;
}

// Every key frame of an MD2 file, one import each, as assimp reads them.
bool assimpLoadFrames(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::int32_t frames = 0;
    in.seekg(40);  // the header's frame count
    in.read(reinterpret_cast<char*>(&frames), sizeof frames);
    Assimp::Importer importer;
    for (std::int32_t i = 0; i < frames; ++i) {
        importer.SetPropertyInteger(AI_CONFIG_IMPORT_MD2_KEYFRAME, i);
        if (!importer.ReadFile(path, 0))
            return false;
    }
    return frames > 0;
}

void measure(benchmark::State& state, const ModelFile& file, const std::function<bool(const std::string&)>& load) {
    for (auto _ : state)
        if (!load(file.path))
            state.SkipWithError(("could not load " + file.path).c_str());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.megabytes * 1e6));
}

// With repetitions, the median stands for the file.
void printRatios(const std::vector<ModelFile>& files, const TimesReporter::Times& times) {
    std::printf("\n%-24s %9s %12s %12s %16s\n", "file", "MB", "engine MB/s", "assimp MB/s", "engine / assimp");
    for (const ModelFile& file : files)
        for (const char* peer : {"assimp/", "assimp-frames/"}) {
            const auto engine = times.find("engine/" + file.name), other = times.find(peer + file.name);
            if (engine != times.end() && other != times.end())
                std::printf("%-24s %9.3f %12.1f %12.1f %16.3f  %s\n", file.name.c_str(), file.megabytes,
                            file.megabytes / (engine->second / 1e3), file.megabytes / (other->second / 1e3),
                            engine->second / other->second, peer);
        }
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<ModelFile> files = writeFiles();
    for (const ModelFile& file : files) {
        benchmark::RegisterBenchmark(("engine/" + file.name).c_str(), measure, file, engineLoad)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("assimp/" + file.name).c_str(), measure, file, assimpLoad)
            ->Unit(benchmark::kMillisecond);
        if (file.name.find(".md2") != std::string::npos)
            benchmark::RegisterBenchmark(("assimp-frames/" + file.name).c_str(), measure, file, assimpLoadFrames)
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter([&files](const TimesReporter::Times& times) { printRatios(files, times); });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
