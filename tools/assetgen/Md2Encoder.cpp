#include "Md2Encoder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ByteSink.h"

namespace {

constexpr std::size_t maxVertices = 2048, maxTriangles = 4096, maxFrames = 512;
constexpr std::size_t headerBytes = 68, skinNameBytes = 64, frameNameBytes = 16;

int nearest(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

// A texture coordinate as the whole skin texel it is stored as.
int texel(float fraction, int skinSize) { return nearest(fraction * static_cast<float>(skinSize)); }

void checkLimits(const Md2Model& model) {
    const std::size_t vertices = model.mesh.positions.size();
    if (vertices == 0 || vertices > maxVertices || model.mesh.triangles.size() > maxTriangles || model.frames.empty() ||
        model.frames.size() > maxFrames || model.mesh.texcoords.size() > 0x7fff)
        throw std::invalid_argument("model exceeds the MD2 limits");
    for (const Md2Frame& frame : model.frames)
        if (frame.positions.size() != vertices)
            throw std::invalid_argument("frame " + frame.name + " has the wrong number of positions");
}

float axis(Vec3 p, int i) { return i == 0 ? p.x : (i == 1 ? p.y : p.z); }

void writeFrame(ByteSink& out, const Md2Frame& frame) {
    std::vector<Vec3> stored;
    for (Vec3 p : frame.positions)
        stored.push_back(storedZUp(p));
    float low[3], scale[3];
    for (int i = 0; i < 3; ++i) {
        low[i] = axis(stored[0], i);
        float high = low[i];
        for (Vec3 p : stored) {
            low[i] = std::min(low[i], axis(p, i));
            high = std::max(high, axis(p, i));
        }
        scale[i] = high > low[i] ? (high - low[i]) / 255.0f : 1.0f;
    }
    for (float s : scale)
        out.f32(s);
    for (float l : low)
        out.f32(l);
    out.field(frame.name, frameNameBytes);
    for (Vec3 p : stored) {
        for (int i = 0; i < 3; ++i)
            out.u8(static_cast<std::uint8_t>(std::clamp(nearest((axis(p, i) - low[i]) / scale[i]), 0, 255)));
        out.u8(0);  // normal index
    }
}

// The GL command list Quake II draws from: here each triangle as a strip
// of its three corners (texture point as a fraction of the skin, then the
// vertex), ended by a zero count.
void writeCommands(ByteSink& out, const Md2Model& model) {
    for (const MeshTriangle& triangle : model.mesh.triangles) {
        out.i32(3);
        for (std::size_t c = 0; c < 3; ++c) {
            const TexCoord& t = model.mesh.texcoords[static_cast<std::size_t>(triangle.texcoord[c])];
            out.f32(static_cast<float>(texel(t.u, model.skinWidth)) / static_cast<float>(model.skinWidth));
            out.f32(static_cast<float>(texel(t.v, model.skinHeight)) / static_cast<float>(model.skinHeight));
            out.i32(triangle.position[c]);
        }
    }
    out.i32(0);
}

}  // namespace

std::vector<std::uint8_t> encodeMd2(const Md2Model& model) {
    checkLimits(model);
    const Mesh& mesh = model.mesh;
    const std::uint32_t vertices = static_cast<std::uint32_t>(mesh.positions.size());
    const std::uint32_t frameBytes = 40 + 4 * vertices;
    const std::uint32_t texcoordsAt = headerBytes + skinNameBytes;
    const std::uint32_t trianglesAt = texcoordsAt + 4 * static_cast<std::uint32_t>(mesh.texcoords.size());
    const std::uint32_t framesAt = trianglesAt + 12 * static_cast<std::uint32_t>(mesh.triangles.size());
    const std::uint32_t commandsAt = framesAt + frameBytes * static_cast<std::uint32_t>(model.frames.size());
    // One three-vertex strip per triangle (ten words each) and the closing zero.
    const std::uint32_t commandWords = 10 * static_cast<std::uint32_t>(mesh.triangles.size()) + 1;
    const std::uint32_t end = commandsAt + 4 * commandWords;

    ByteSink out;
    const std::uint32_t header[17] = {0x32504449,  // "IDP2"
                                      8,
                                      static_cast<std::uint32_t>(model.skinWidth),
                                      static_cast<std::uint32_t>(model.skinHeight),
                                      frameBytes,
                                      1,
                                      vertices,
                                      static_cast<std::uint32_t>(mesh.texcoords.size()),
                                      static_cast<std::uint32_t>(mesh.triangles.size()),
                                      commandWords,
                                      static_cast<std::uint32_t>(model.frames.size()),
                                      headerBytes,
                                      texcoordsAt,
                                      trianglesAt,
                                      framesAt,
                                      commandsAt,
                                      end};
    for (std::uint32_t field : header)
        out.u32(field);
    out.field(model.skinName, skinNameBytes);
    for (const TexCoord& t : mesh.texcoords) {
        out.i16(static_cast<std::int16_t>(texel(t.u, model.skinWidth)));
        out.i16(static_cast<std::int16_t>(texel(t.v, model.skinHeight)));
    }
    for (const MeshTriangle& triangle : mesh.triangles) {
        for (int index : triangle.position)
            out.i16(static_cast<std::int16_t>(index));
        for (int index : triangle.texcoord)
            out.i16(static_cast<std::int16_t>(index));
    }
    for (const Md2Frame& frame : model.frames)
        writeFrame(out, frame);
    writeCommands(out, model);
    return out.bytes();
}
