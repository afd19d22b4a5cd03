// The engine test application's generated models, read back from the bytes
// the generator writes with readers of the published MD2 and 3DS layouts
// that share nothing with the writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AssetCatalog.h"
#include "DomeClouds.h"
#include "Vec3.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes& generated(const std::string& path) {
    static const std::vector<GeneratedFile> files = generateModels();
    for (const GeneratedFile& file : files)
        if (file.path == path)
            return file.bytes;
    static const Bytes none;
    return none;
}

#define REQUIRE_FILE(bytes, path)         \
    const Bytes& bytes = generated(path); \
    ASSERT_FALSE(bytes.empty()) << path << " is not generated"

std::uint32_t u32(const Bytes& b, std::size_t at) {
    if (at + 4 > b.size())
        throw std::out_of_range("read past the end");
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                      static_cast<std::uint32_t>(b[at + 3]) << 24);
}
int u16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
int s16(const Bytes& b, std::size_t at) { return static_cast<std::int16_t>(u16(b, at)); }
float f32(const Bytes& b, std::size_t at) {
    const std::uint32_t bits = u32(b, at);
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}
std::string text(const Bytes& b, std::size_t at, std::size_t max) {
    std::string s;
    while (s.size() < max && b.at(at + s.size()) != 0)
        s += static_cast<char>(b[at + s.size()]);
    return s;
}

// Triangles over positions, in the engine's axes.
struct Surface {
    std::vector<Vec3> positions;
    std::vector<std::array<int, 3>> triangles;

    Vec3 low() const {
        return bound([](float a, float b) { return std::min(a, b); });
    }
    Vec3 high() const {
        return bound([](float a, float b) { return std::max(a, b); });
    }
    template <typename Pick>
    Vec3 bound(Pick pick) const {
        Vec3 r = positions.at(0);
        for (Vec3 p : positions)
            r = {pick(r.x, p.x), pick(r.y, p.y), pick(r.z, p.z)};
        return r;
    }

    // Each position's representative: positions closer than a hundredth of
    // a unit are taken as one.
    std::vector<int> welded() const {
        std::vector<int> weld(positions.size());
        for (std::size_t i = 0; i < positions.size(); ++i) {
            weld[i] = static_cast<int>(i);
            for (std::size_t j = 0; j < i; ++j)
                if (length(positions[i] - positions[j]) < 0.01f) {
                    weld[i] = weld[j];
                    break;
                }
        }
        return weld;
    }

    // Edges not met exactly as often in the opposite direction: zero for
    // closed surfaces wound one way round.
    int unmatchedEdges() const {
        const std::vector<int> weld = welded();
        std::map<std::pair<int, int>, int> balance;
        for (const auto& t : triangles)
            for (int c = 0; c < 3; ++c) {
                const int a = weld.at(static_cast<std::size_t>(t[c]));
                const int b = weld.at(static_cast<std::size_t>(t[(c + 1) % 3]));
                balance[{std::min(a, b), std::max(a, b)}] += a < b ? 1 : -1;
            }
        return static_cast<int>(
            std::count_if(balance.begin(), balance.end(), [](const auto& e) { return e.second != 0; }));
    }

    // The volume of each connected solid.
    std::vector<double> solidVolumes() const {
        std::vector<int> root = welded();
        const std::function<int(int)> find = [&](int i) {
            return root[static_cast<std::size_t>(i)] == i
                       ? i
                       : root[static_cast<std::size_t>(i)] = find(root[static_cast<std::size_t>(i)]);
        };
        for (const auto& t : triangles)
            for (int c = 1; c < 3; ++c)
                root[static_cast<std::size_t>(find(t[c]))] = find(t[0]);
        std::map<int, double> volumes;
        for (const auto& t : triangles)
            volumes[find(t[0])] += volumeUnder(t);
        std::vector<double> result;
        for (const auto& v : volumes)
            result.push_back(v.second);
        return result;
    }

    double volumeUnder(const std::array<int, 3>& t) const {
        return dot(positions.at(static_cast<std::size_t>(t[0])),
                   cross(positions.at(static_cast<std::size_t>(t[1])), positions.at(static_cast<std::size_t>(t[2])))) /
               6.0;
    }
};

// ---- MD2 ----

struct Md2File {
    Bytes bytes;
    int field(int i) const { return static_cast<int>(u32(bytes, 4 * static_cast<std::size_t>(i))); }
    int frames() const { return field(10); }
    std::size_t frameAt(int f) const {
        return static_cast<std::size_t>(field(14)) + static_cast<std::size_t>(field(4)) * f;
    }
    std::string frameName(int f) const { return text(bytes, frameAt(f) + 24, 16); }

    // A key frame decoded as the engine's MD2 loader does.
    Surface frame(int f) const {
        Surface s;
        const std::size_t at = frameAt(f);
        for (int v = 0; v < field(6); ++v) {
            const std::size_t p = at + 40 + 4 * static_cast<std::size_t>(v);
            const auto axis = [&](int i) {
                return bytes.at(p + i) * f32(bytes, at + 4 * i) + f32(bytes, at + 12 + 4 * i);
            };
            s.positions.push_back({axis(0), axis(2), -axis(1)});
        }
        for (int t = 0; t < field(8); ++t) {
            const std::size_t p = static_cast<std::size_t>(field(13)) + 12 * static_cast<std::size_t>(t);
            s.triangles.push_back({s16(bytes, p), s16(bytes, p + 2), s16(bytes, p + 4)});
        }
        return s;
    }
};

struct Animation {
    std::string name;
    int start, end;
    bool operator==(const Animation& o) const { return name == o.name && start == o.start && end == o.end; }
};
std::ostream& operator<<(std::ostream& out, const Animation& a) {
    return out << a.name << " " << a.start << ".." << a.end;
}

// The engine loader's grouping of frame names into animations.
std::vector<Animation> animations(const Md2File& md2) {
    std::vector<Animation> found;
    std::string previous;
    int start = 0;
    for (int i = 0; i < md2.frames(); ++i) {
        std::string name = md2.frameName(i);
        int number = 0;
        for (std::size_t j = name.size() >= 2 ? name.size() - 2 : 0; j < name.size(); ++j)
            if (std::isdigit(static_cast<unsigned char>(name[j]))) {
                number = std::stoi(name.substr(j));
                name.resize(j);
                break;
            }
        if (name != previous || i == md2.frames() - 1) {
            if (!previous.empty())
                found.push_back({previous, start, i});
            start = number - 1 + i;
        }
        previous = name;
    }
    return found;
}

const Md2File& hobgoblin() {
    static const Md2File file{generated("Models/MD2/tris.md2")};
    return file;
}

#define REQUIRE_HOBGOBLIN()                        \
    REQUIRE_FILE(md2bytes, "Models/MD2/tris.md2"); \
    const Md2File& md2 = hobgoblin()

float largestMove(const Surface& a, const Surface& b) {
    float most = 0.0f;
    for (std::size_t i = 0; i < a.positions.size(); ++i)
        most = std::max(most, length(a.positions[i] - b.positions[i]));
    return most;
}

}  // namespace

TEST(Md2File, HeaderDescribesItsBlocksInOrderWithinTheFormatLimits) {
    REQUIRE_HOBGOBLIN();
    EXPECT_EQ(text(md2bytes, 0, 4), "IDP2");
    EXPECT_EQ(md2.field(1), 8);
    EXPECT_EQ(md2.field(2), 256);
    EXPECT_EQ(md2.field(3), 256);
    EXPECT_EQ(md2.field(4), 40 + 4 * md2.field(6)) << "frame size";
    EXPECT_EQ(md2.field(5), 1);
    EXPECT_EQ(text(md2bytes, static_cast<std::size_t>(md2.field(11)), 64), "hobgoblin.bmp");
    EXPECT_LE(md2.field(6), 2048);
    EXPECT_LE(md2.field(8), 4096);
    EXPECT_LE(md2.field(10), 512);
    // Skins, texture coordinates, triangles, frames and GL commands follow
    // each other up to the end of the file.
    EXPECT_EQ(md2.field(11), 68);
    EXPECT_EQ(md2.field(12), md2.field(11) + 64 * md2.field(5));
    EXPECT_EQ(md2.field(13), md2.field(12) + 4 * md2.field(7));
    EXPECT_EQ(md2.field(14), md2.field(13) + 12 * md2.field(8));
    EXPECT_EQ(md2.field(15), md2.field(14) + md2.field(4) * md2.field(10));
    EXPECT_EQ(md2.field(16), md2.field(15) + 4 * md2.field(9));
    EXPECT_EQ(static_cast<std::size_t>(md2.field(16)), md2bytes.size());
    EXPECT_EQ(u32(md2bytes, md2bytes.size() - 4), 0u) << "the GL command list ends with a zero count";
}

TEST(Md2File, FrameNamesGroupIntoStandRunAndWave) {
    REQUIRE_HOBGOBLIN();
    EXPECT_EQ(animations(md2), (std::vector<Animation>{{"stand", 0, 40}, {"run", 40, 46}, {"wave", 46, 53}}));
    EXPECT_EQ(md2.frameName(0), "stand01");
    EXPECT_EQ(md2.frameName(45), "run06");
    EXPECT_EQ(md2.frameName(53), "wave08");
}

TEST(Md2File, EveryFrameStandsOnTheGroundAtTheApplicationsPlacement) {
    REQUIRE_HOBGOBLIN();
    // Placed at y = 10 with scale 1.5 on the ground plane y = 0.
    for (int f = 0; f < md2.frames(); ++f) {
        const Surface s = md2.frame(f);
        EXPECT_NEAR(10.0f + 1.5f * s.low().y, 0.0f, 0.01f) << md2.frameName(f);
        EXPECT_GE(1.5f * (s.high().y - s.low().y), 45.0f) << md2.frameName(f);
        EXPECT_LE(1.5f * (s.high().y - s.low().y), 60.0f) << md2.frameName(f);
    }
    const Surface rest = md2.frame(0);
    EXPECT_GT(1.5f * (rest.high().y - rest.low().y), 50.0f);
    EXPECT_LT(std::max(-rest.low().z, rest.high().z), 10.0f) << "stands about the origin";
}

TEST(Md2File, TrianglesCloseTheBodyFacingOutwardsInEveryAnimation) {
    REQUIRE_HOBGOBLIN();
    for (int f : {0, 43, 49}) {
        const Surface s = md2.frame(f);
        EXPECT_EQ(s.unmatchedEdges(), 0) << md2.frameName(f);
        for (double v : s.solidVolumes())
            EXPECT_GT(v, 0.0) << md2.frameName(f);
    }
}

TEST(Md2File, AnimationsMoveTheLimbs) {
    REQUIRE_HOBGOBLIN();
    EXPECT_GT(largestMove(md2.frame(0), md2.frame(10)), 1.0f) << "the idle turns the head";
    for (int f = 40; f < 45; ++f)
        EXPECT_GT(largestMove(md2.frame(f), md2.frame(f + 1)), 3.0f) << "run, frame " << f;
    // Waving: the right hand rises from beside the thigh to beside the head.
    EXPECT_GT(largestMove(md2.frame(46), md2.frame(49)), 15.0f);
    EXPECT_GT(largestMove(md2.frame(49), md2.frame(50)), 1.5f) << "and waves";
    // The loader ends the last animation a frame early, so wave08 repeats
    // wave01 and the wave still comes back down.
    const std::size_t frameBytes = static_cast<std::size_t>(md2.field(4));
    EXPECT_TRUE(std::equal(md2bytes.begin() + static_cast<long>(md2.frameAt(46) + 40),
                           md2bytes.begin() + static_cast<long>(md2.frameAt(46) + frameBytes),
                           md2bytes.begin() + static_cast<long>(md2.frameAt(53) + 40)));
}

TEST(Md2File, TextureCoordinatesLieOnTheSkinWhichIsA24BitBmp) {
    REQUIRE_HOBGOBLIN();
    for (int i = 0; i < md2.field(7); ++i) {
        const std::size_t at = static_cast<std::size_t>(md2.field(12)) + 4 * static_cast<std::size_t>(i);
        EXPECT_TRUE(s16(md2bytes, at) >= 0 && s16(md2bytes, at) <= 256 && s16(md2bytes, at + 2) >= 0 &&
                    s16(md2bytes, at + 2) <= 256)
            << "texture coordinate " << i;
    }
    REQUIRE_FILE(bmp, "Models/MD2/hobgoblin.bmp");
    EXPECT_EQ(text(bmp, 0, 2), "BM");
    EXPECT_EQ(u32(bmp, 14), 40u);
    EXPECT_EQ(u32(bmp, 18), 256u);
    EXPECT_EQ(u32(bmp, 22), 256u);
    EXPECT_EQ(u16(bmp, 28), 24);
    EXPECT_EQ(u32(bmp, 30), 0u);
    EXPECT_EQ(bmp.size(), 54u + 256u * 256u * 3u);
    EXPECT_EQ(u32(bmp, 2), bmp.size());
}

// ---- 3DS ----

namespace {

struct Chunk {
    int id;
    std::size_t begin, end;  // payload
};

// The chunks laid end to end over [from, to); fails the test on a length
// that does not fit.
std::vector<Chunk> chunksIn(const Bytes& b, std::size_t from, std::size_t to) {
    std::vector<Chunk> chunks;
    while (from < to) {
        const std::size_t length = u32(b, from + 2);
        EXPECT_TRUE(length >= 6 && from + length <= to) << "chunk at " << from;
        if (length < 6 || from + length > to)
            break;
        chunks.push_back({u16(b, from), from + 6, from + length});
        from += length;
    }
    return chunks;
}

std::vector<Chunk> childrenOf(const Bytes& b, const Chunk& c, std::size_t skip = 0) {
    return chunksIn(b, c.begin + skip, c.end);
}

std::optional<Chunk> find(const std::vector<Chunk>& chunks, int id) {
    const auto it = std::find_if(chunks.begin(), chunks.end(), [id](const Chunk& c) { return c.id == id; });
    return it == chunks.end() ? std::nullopt : std::optional<Chunk>(*it);
}

struct Material {
    std::string name, texture;
    int colourChunks = 0;
};

struct Object {
    std::string name, material;
    Surface surface;
    int uvCount = -1;
};

struct ThreeDsFile {
    std::vector<Material> materials;
    std::vector<Object> objects;
    int version = 0, meshVersionPosition = -1;
};

ThreeDsFile readThreeDs(const Bytes& b) {
    ThreeDsFile file;
    const std::vector<Chunk> top = chunksIn(b, 0, b.size());
    if (top.size() != 1 || top[0].id != 0x4D4D)
        return file;
    const std::vector<Chunk> main = childrenOf(b, top[0]);
    if (const auto version = find(main, 0x0002))
        file.version = static_cast<int>(u32(b, version->begin));
    const auto editor = find(main, 0x3D3D);
    if (!editor)
        return file;
    const std::vector<Chunk> parts = childrenOf(b, *editor);
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i].id == 0x3D3E && file.meshVersionPosition < 0)
            file.meshVersionPosition = static_cast<int>(i);
    for (const Chunk& part : parts)
        if (part.id == 0xAFFF) {
            Material m;
            for (const Chunk& c : childrenOf(b, part)) {
                if (c.id == 0xA000)
                    m.name = text(b, c.begin, 255);
                if (c.id == 0xA020)
                    for (const Chunk& colour : childrenOf(b, c))
                        m.colourChunks += colour.id == 0x0011 && colour.end - colour.begin == 3;
                if (c.id == 0xA200)
                    if (const auto map = find(childrenOf(b, c), 0xA300))
                        m.texture = text(b, map->begin, 255);
            }
            file.materials.push_back(m);
        } else if (part.id == 0x4000) {
            Object o;
            o.name = text(b, part.begin, 255);
            const auto mesh = find(childrenOf(b, part, o.name.size() + 1), 0x4100);
            for (const Chunk& c : mesh ? childrenOf(b, *mesh) : std::vector<Chunk>{}) {
                if (c.id == 0x4110)
                    for (int i = 0; i < u16(b, c.begin); ++i) {
                        const std::size_t at = c.begin + 2 + 12 * static_cast<std::size_t>(i);
                        // The engine loads with y and z swapped: (x, y, z) -> (x, z, -y).
                        o.surface.positions.push_back({f32(b, at), f32(b, at + 8), -f32(b, at + 4)});
                    }
                if (c.id == 0x4140)
                    o.uvCount = u16(b, c.begin);
                if (c.id == 0x4120) {
                    const int faces = u16(b, c.begin);
                    for (int i = 0; i < faces; ++i) {
                        const std::size_t at = c.begin + 2 + 8 * static_cast<std::size_t>(i);
                        o.surface.triangles.push_back({u16(b, at), u16(b, at + 2), u16(b, at + 4)});
                    }
                    const auto groups = childrenOf(b, c, 2 + 8 * static_cast<std::size_t>(faces));
                    if (const auto group = find(groups, 0x4130))
                        o.material = text(b, group->begin, 255);
                }
            }
            file.objects.push_back(o);
        }
    return file;
}

const ThreeDsFile& crusader() {
    static const ThreeDsFile file = readThreeDs(generated("Models/crusader.3ds"));
    return file;
}

#define REQUIRE_CRUSADER()                             \
    REQUIRE_FILE(threeDsBytes, "Models/crusader.3ds"); \
    const ThreeDsFile& model = crusader()

// The statue as one surface, every object's triangles over its own vertices.
Surface whole(const ThreeDsFile& model) {
    Surface all;
    for (const Object& o : model.objects) {
        const int offset = static_cast<int>(all.positions.size());
        all.positions.insert(all.positions.end(), o.surface.positions.begin(), o.surface.positions.end());
        for (auto t : o.surface.triangles)
            all.triangles.push_back({t[0] + offset, t[1] + offset, t[2] + offset});
    }
    return all;
}

}  // namespace

TEST(ThreeDsFile, ChunksNestWithTheMeshVersionFirstInTheEditor) {
    REQUIRE_CRUSADER();
    EXPECT_EQ(u16(threeDsBytes, 0), 0x4D4D);
    EXPECT_EQ(u32(threeDsBytes, 2), threeDsBytes.size());
    EXPECT_EQ(model.version, 3);
    EXPECT_EQ(model.meshVersionPosition, 0);
}

TEST(ThreeDsFile, SeveralColouredMaterialsAndTheTexturedOnesNameJpgFilesWhoseTgaIsGenerated) {
    REQUIRE_CRUSADER();
    ASSERT_GE(model.materials.size(), 5u);
    int textured = 0;
    for (const Material& m : model.materials) {
        EXPECT_FALSE(m.name.empty());
        EXPECT_EQ(m.colourChunks, 1) << m.name;
        if (m.texture.empty())
            continue;
        ++textured;
        // The engine lower-cases the path to find ".jpg" and writes ".tga"
        // over those four characters, keeping the rest as it is.
        std::string lower = m.texture;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        const std::size_t dot = lower.find(".jpg");
        ASSERT_NE(dot, std::string::npos) << m.texture;
        const std::string loaded = "Models/" + m.texture.substr(0, dot) + ".tga" + m.texture.substr(dot + 4);
        const Bytes& tga = generated(loaded);
        ASSERT_FALSE(tga.empty()) << loaded << " is not generated";
        EXPECT_EQ(tga.at(2), 2) << "uncompressed true-colour TGA";
    }
    EXPECT_GE(textured, 1);
}

TEST(ThreeDsFile, ObjectsNameTheirMaterialAndTexturedOnesCarryOneUvPerVertex) {
    REQUIRE_CRUSADER();
    ASSERT_GE(model.objects.size(), 5u);
    for (const Object& o : model.objects) {
        const auto m = std::find_if(model.materials.begin(), model.materials.end(),
                                    [&](const Material& x) { return x.name == o.material; });
        ASSERT_NE(m, model.materials.end()) << o.name << " names material '" << o.material << "'";
        EXPECT_EQ(o.uvCount, m->texture.empty() ? -1 : static_cast<int>(o.surface.positions.size())) << o.name;
        ASSERT_FALSE(o.surface.triangles.empty()) << o.name;
        for (const auto& t : o.surface.triangles)
            for (int v : t)
                ASSERT_LT(v, static_cast<int>(o.surface.positions.size())) << o.name;
    }
}

TEST(ThreeDsFile, StatueStandsOnTheGroundAtTheApplicationsPlacement) {
    REQUIRE_CRUSADER();
    // Placed at y = 10 with scale 2 on the ground plane y = 0.
    const Surface all = whole(model);
    EXPECT_FLOAT_EQ(10.0f + 2.0f * all.low().y, 0.0f);
    const float height = 2.0f * (all.high().y - all.low().y);
    EXPECT_GE(height, 50.0f);
    EXPECT_LE(height, 80.0f);
    EXPECT_LT(std::max({-all.low().x, all.high().x, -all.low().z, all.high().z}), 10.0f) << "centred on its plinth";
}

TEST(ThreeDsFile, TrianglesCloseEverySolidFacingOutwardsAfterTheSwap) {
    REQUIRE_CRUSADER();
    // The engine culls back faces of 3DS models: a face wound the wrong way
    // would vanish.
    const Surface all = whole(model);
    EXPECT_EQ(all.unmatchedEdges(), 0);
    const std::vector<double> solids = all.solidVolumes();
    EXPECT_GE(solids.size(), 10u);
    for (std::size_t i = 0; i < solids.size(); ++i)
        EXPECT_GT(solids[i], 0.0) << "solid " << i;
}

// ---- Sky dome ----

TEST(DomeClouds, ZenithInTheMiddleIsDeeperBlueThanTheHorizonAndTheSidesMeet) {
    const Image sky = DomeClouds::texture();
    ASSERT_EQ(sky.width(), 1024);
    ASSERT_EQ(sky.height(), 512);
    const auto blueness = [&](int x, int y) { return sky.at(x, y).b - sky.at(x, y).r; };
    // The dome maps its pole to (1/2, 1/2) and its horizon to u = 1/4, 3/4
    // and to the top and bottom rows.
    float zenith = 0.0f, horizon = 0.0f;
    for (int i = -20; i <= 20; ++i) {
        zenith += blueness(512 + i, 256) + blueness(512, 256 + i);
        horizon += blueness(256, 256 + i) + blueness(768, 256 + i);
    }
    EXPECT_GT(zenith, horizon + 41 * 2 * 0.15f);
    float seam = 0.0f, inside = 0.0f;
    for (int y = 0; y < sky.height(); ++y) {
        const Color &last = sky.at(1023, y), &first = sky.at(0, y), &next = sky.at(1, y);
        seam += std::fabs(last.r - first.r) + std::fabs(last.g - first.g) + std::fabs(last.b - first.b);
        inside += std::fabs(next.r - first.r) + std::fabs(next.g - first.g) + std::fabs(next.b - first.b);
    }
    EXPECT_LE(seam, 2.0f * inside + 1.0f) << "wrapping around from u = 1 to u = 0 shows no edge";
}
