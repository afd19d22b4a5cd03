// Whole load of a large native model (200 000 vertices, 400 000 faces: file
// read, parse, attribute conversion) by the engine's loader against pugixml
// reading the same file and converting the same attributes with the same
// number parser. Prints engine / pugixml time and the MB/s of both.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Models/loaders/CKObjectLoader.h"
#include "TimesReporter.h"
#include "bytes/TextNumbers.h"

namespace {
constexpr int kColumns = 500;
constexpr int kRows = 400;  // 200 000 vertices, 2 x 499 x 399 = 398 202 faces

std::string gPath;
double gMegabytes = 0;

std::string writeModel() {
    const std::string path = (std::filesystem::temp_directory_path() / "kavor-large-model.xml").string();
    std::ofstream out(path);
    const int faces = 2 * (kColumns - 1) * (kRows - 1);
    out << "<model name=\"large\" numsubobjects=\"1\" nummaterials=\"1\" numofparallaxmap=\"1\">\n<data>\n"
        << "<material name=\"m\" opacity=\"1\"><ambient r=\"1\" g=\"1\" b=\"1\" a=\"1\"/>"
        << "<diffuse r=\"1\" g=\"1\" b=\"1\" a=\"1\"/><specular r=\"1\" g=\"1\" b=\"1\" a=\"1\"/>"
        << "<texture colormap=\"ground.png\"/></material>\n"
        << "<parallaxmap name=\"p\"><texture heightmap=\"height.png\"/></parallaxmap>\n"
        << "<object name=\"grid\" numvertices=\"" << kColumns * kRows << "\" numfaces=\"" << faces << "\">\n"
        << "<position x=\"0\" y=\"0\" z=\"0\"/><orientation angle=\"0\" x=\"0\" y=\"1\" z=\"0\"/>\n";
    char line[256];
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            std::snprintf(line, sizeof line, "<vertex x=\"%.4f\" y=\"%.4f\" z=\"%.4f\" u0=\"%.5f\" v0=\"%.5f\"/>\n",
                          c * 0.25, (r * 7 + c * 3) % 11 * 0.01, -r * 0.25, c / double(kColumns - 1),
                          r / double(kRows - 1));
            out << line;
        }
    for (int r = 0; r + 1 < kRows; ++r)
        for (int c = 0; c + 1 < kColumns; ++c) {
            const int v = r * kColumns + c;
            for (auto [a, b, cc] :
                 {std::array{v, v + 1, v + kColumns + 1}, std::array{v, v + kColumns + 1, v + kColumns}}) {
                std::snprintf(line, sizeof line,
                              "<face a=\"%d\" b=\"%d\" c=\"%d\" materialindex=\"0\" parallaxmapindex=\"0\"/>\n", a, b,
                              cc);
                out << line;
            }
        }
    out << "</object>\n</data>\n</model>\n";
    return path;
}

void BM_EngineLoader(benchmark::State& state) {
    std::FILE* quiet = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        CKObjectLoader loader([](const std::string&) { return 1; }, quiet);
        const K3DModel model = loader.load(gPath);
        benchmark::DoNotOptimize(model.objects.data());
    }
    std::fclose(quiet);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(gMegabytes * 1e6));
}
BENCHMARK(BM_EngineLoader)->Unit(benchmark::kMillisecond);

template <typename T>
T number(const pugi::xml_node& node, const char* name) {
    T value{};
    const char* text = node.attribute(name).value();
    if constexpr (std::is_same_v<T, float>)
        TextNumbers::parseFloat(text, value);
    else
        TextNumbers::parseInt(text, value);
    return value;
}

// The same walk as the engine's loader: attributes by position, numbers
// converted, records filled.
void BM_Pugixml(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(gPath.c_str()))
            state.SkipWithError("pugixml failed");
        std::vector<CKObjectLoader::vertex> vertices;
        std::vector<K3DFace> faces;
        const pugi::xml_node object = document.first_child().first_child().child("object");
        for (const pugi::xml_node& child : object.children()) {
            if (child.name() == std::string_view("vertex")) {
                CKObjectLoader::vertex v;
                v.x = number<float>(child, "x"), v.y = number<float>(child, "y"), v.z = number<float>(child, "z");
                v.u0 = number<float>(child, "u0"), v.v0 = number<float>(child, "v0");
                vertices.push_back(v);
            } else if (child.name() == std::string_view("face")) {
                K3DFace f;
                f.a = number<std::int32_t>(child, "a"), f.b = number<std::int32_t>(child, "b");
                f.c = number<std::int32_t>(child, "c");
                f.materialindex = number<std::int32_t>(child, "materialindex");
                f.parallaxmapindex = number<std::int32_t>(child, "parallaxmapindex");
                faces.push_back(f);
            }
        }
        benchmark::DoNotOptimize(faces.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(gMegabytes * 1e6));
}
BENCHMARK(BM_Pugixml)->Unit(benchmark::kMillisecond);

// Ratio and MB/s of both once the runs are done.
void printRatio(const TimesReporter::Times& times) {
    if (!times.count("BM_EngineLoader") || !times.count("BM_Pugixml"))
        return;
    const double engine = times.at("BM_EngineLoader"), peer = times.at("BM_Pugixml");
    std::printf("\n%.1f MB file: engine %.0f MB/s, pugixml %.0f MB/s, engine / pugixml time %.2f\n", gMegabytes,
                gMegabytes / (engine / 1e3), gMegabytes / (peer / 1e3), engine / peer);
}
}  // namespace

int main(int argc, char** argv) {
    gPath = writeModel();
    gMegabytes = static_cast<double>(std::filesystem::file_size(gPath)) / 1e6;
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter(printRatio);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove(gPath);
    return 0;
}
