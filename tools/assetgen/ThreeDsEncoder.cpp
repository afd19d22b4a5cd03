#include "ThreeDsEncoder.h"

#include <map>
#include <stdexcept>
#include <utility>

#include "ByteSink.h"

namespace {

// Chunks nest: begin writes the id and a length that end fills in.
class ChunkWriter {
public:
    ByteSink& out() { return out_; }
    void begin(std::uint16_t id) {
        open_.push_back(out_.size());
        out_.u16(id);
        out_.u32(0);
    }
    void end() {
        const std::size_t start = open_.back();
        open_.pop_back();
        out_.patchU32(start + 2, static_cast<std::uint32_t>(out_.size() - start));
    }

private:
    ByteSink out_;
    std::vector<std::size_t> open_;
};

// One object's own vertex list and faces.
struct ObjectMesh {
    std::vector<Vec3> positions;
    std::vector<TexCoord> texcoords;
    std::vector<std::array<std::uint16_t, 3>> faces;
};

std::uint16_t count16(std::size_t n) {
    if (n > 0xffff)
        throw std::invalid_argument("a 3DS object holds at most 65535 vertices and faces");
    return static_cast<std::uint16_t>(n);
}

ObjectMesh objectMesh(const Mesh& mesh, int part, bool textured) {
    ObjectMesh object;
    std::map<std::pair<int, int>, std::uint16_t> vertexOf;
    for (const MeshTriangle& triangle : mesh.triangles) {
        if (triangle.part != part)
            continue;
        std::array<std::uint16_t, 3> face{};
        for (std::size_t c = 0; c < 3; ++c) {
            const std::pair<int, int> key{triangle.position[c], textured ? triangle.texcoord[c] : 0};
            const auto found = vertexOf.find(key);
            if (found != vertexOf.end()) {
                face[c] = found->second;
                continue;
            }
            const std::uint16_t index = count16(object.positions.size());
            vertexOf.emplace(key, index);
            object.positions.push_back(mesh.positions.at(static_cast<std::size_t>(key.first)));
            if (textured)
                object.texcoords.push_back(mesh.texcoords.at(static_cast<std::size_t>(key.second)));
            face[c] = index;
        }
        object.faces.push_back(face);
    }
    count16(object.faces.size());
    return object;
}

void writeMaterial(ChunkWriter& w, const ThreeDsPart& part) {
    w.begin(0xAFFF);
    w.begin(0xA000);
    w.out().cString(part.materialName);
    w.end();
    w.begin(0xA020);
    w.begin(0x0011);  // 24-bit colour
    w.out().u8(part.red);
    w.out().u8(part.green);
    w.out().u8(part.blue);
    w.end();
    w.end();
    if (!part.textureFile.empty()) {
        w.begin(0xA200);
        w.begin(0xA300);
        w.out().cString(part.textureFile);
        w.end();
        w.end();
    }
    w.end();
}

void writeObject(ChunkWriter& w, const ThreeDsPart& part, const ObjectMesh& object) {
    ByteSink& out = w.out();
    w.begin(0x4000);
    out.cString(part.objectName);
    w.begin(0x4100);
    w.begin(0x4110);
    out.u16(count16(object.positions.size()));
    for (Vec3 p : object.positions) {
        const Vec3 stored = storedZUp(p);
        out.f32(stored.x);
        out.f32(stored.y);
        out.f32(stored.z);
    }
    w.end();
    if (!object.texcoords.empty()) {
        w.begin(0x4140);
        out.u16(count16(object.texcoords.size()));
        for (const TexCoord& t : object.texcoords) {
            out.f32(t.u);
            out.f32(1.0f - t.v);
        }
        w.end();
    }
    w.begin(0x4120);
    out.u16(count16(object.faces.size()));
    for (const auto& face : object.faces) {
        for (std::uint16_t index : face)
            out.u16(index);
        out.u16(0x0007);  // all three edges visible
    }
    w.begin(0x4130);
    out.cString(part.materialName);
    out.u16(count16(object.faces.size()));
    for (std::size_t i = 0; i < object.faces.size(); ++i)
        out.u16(static_cast<std::uint16_t>(i));
    w.end();
    w.end();  // faces
    w.end();  // triangle mesh
    w.end();  // object
}

}  // namespace

std::vector<std::uint8_t> encode3ds(const Mesh& mesh, const std::vector<ThreeDsPart>& parts) {
    ChunkWriter w;
    w.begin(0x4D4D);
    w.begin(0x0002);
    w.out().u32(3);
    w.end();
    w.begin(0x3D3D);
    w.begin(0x3D3E);  // mesh version, always the editor's first child
    w.out().u32(3);
    w.end();
    for (const ThreeDsPart& part : parts)
        writeMaterial(w, part);
    w.begin(0x0100);  // master scale
    w.out().f32(1.0f);
    w.end();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ObjectMesh object = objectMesh(mesh, static_cast<int>(i), !parts[i].textureFile.empty());
        if (!object.faces.empty())
            writeObject(w, parts[i], object);
    }
    w.end();
    w.end();
    return w.out().bytes();
}
