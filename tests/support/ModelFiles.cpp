#include "support/ModelFiles.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/ImageMagick.h"

namespace ModelFiles {
std::vector<std::uint8_t> chunk(std::uint16_t id, const std::vector<std::uint8_t>& payload) {
    return Writer().u16(id).u32(static_cast<std::uint32_t>(payload.size() + 6)).raw(payload).data;
}

std::vector<std::uint8_t> join(const std::vector<std::vector<std::uint8_t>>& parts) {
    Writer out;
    for (const auto& part : parts)
        out.raw(part);
    return out.data;
}

std::vector<std::uint8_t> md2(const Md2File& file) {
    const std::size_t vertices = file.frames.empty() ? 0 : file.frames[0].vertices.size();
    const std::uint32_t frameSize = static_cast<std::uint32_t>(40 + 4 * vertices);
    const std::uint32_t skins = 68, coords = skins + 64 * static_cast<std::uint32_t>(file.skins.size());
    const std::uint32_t triangles = coords + 4 * static_cast<std::uint32_t>(file.texCoords.size());
    const std::uint32_t frames = triangles + 12 * static_cast<std::uint32_t>(file.triangles.size());
    const std::uint32_t glCommands = frames + frameSize * static_cast<std::uint32_t>(file.frames.size());
    const std::uint32_t end = glCommands + 4;  // an empty command list: its terminating zero
    Writer out;
    out.text("IDP2", 4).u32(static_cast<std::uint32_t>(file.version));
    out.u32(static_cast<std::uint32_t>(file.skinWidth)).u32(static_cast<std::uint32_t>(file.skinHeight));
    out.u32(frameSize).u32(static_cast<std::uint32_t>(file.skins.size())).u32(static_cast<std::uint32_t>(vertices));
    out.u32(static_cast<std::uint32_t>(file.texCoords.size())).u32(static_cast<std::uint32_t>(file.triangles.size()));
    out.u32(1).u32(static_cast<std::uint32_t>(file.frames.size()));
    out.u32(skins).u32(coords).u32(triangles).u32(frames).u32(glCommands).u32(end);
    for (const std::string& skin : file.skins)
        out.text(skin, 64);
    for (const auto& st : file.texCoords)
        out.u16(static_cast<std::uint16_t>(st[0])).u16(static_cast<std::uint16_t>(st[1]));
    for (const auto& t : file.triangles)
        for (std::int16_t index : t)
            out.u16(static_cast<std::uint16_t>(index));
    for (const Md2Frame& frame : file.frames) {
        for (float s : frame.scale)
            out.f32(s);
        for (float t : frame.translate)
            out.f32(t);
        out.text(frame.name, 16);
        for (const auto& v : frame.vertices)
            out.u8(v[0]).u8(v[1]).u8(v[2]).u8(0);
    }
    return out.u32(0).data;
}

const int kBoxSides[6][4] = {{2, 6, 7, 3}, {0, 1, 5, 4}, {4, 5, 7, 6}, {0, 2, 3, 1}, {1, 3, 7, 5}, {0, 4, 6, 2}};

std::array<CVector3, 8> boxCorners(const CVector3& lo, const CVector3& hi) {
    std::array<CVector3, 8> corners;
    for (int i = 0; i < 8; ++i)
        corners[static_cast<std::size_t>(i)] = {i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z};
    return corners;
}

std::string objBox(const CVector3& lo, const CVector3& hi) {
    std::ostringstream obj;
    for (const CVector3& c : boxCorners(lo, hi))
        obj << "v " << c.x << ' ' << c.y << ' ' << c.z << '\n';
    for (const auto& side : kBoxSides)
        obj << "f " << side[0] + 1 << ' ' << side[1] + 1 << ' ' << side[2] + 1 << ' ' << side[3] + 1 << '\n';
    return obj.str();
}

std::vector<std::uint8_t> box3ds(const CVector3& lo, const CVector3& hi) {
    Writer vertices, faces;
    vertices.u16(8);
    for (const CVector3& c : boxCorners(lo, hi))
        vertices.f32(c.x).f32(c.y).f32(c.z);
    faces.u16(12);
    for (const auto& s : kBoxSides)
        faces.u16(s[0]).u16(s[1]).u16(s[2]).u16(0).u16(s[0]).u16(s[2]).u16(s[3]).u16(0);
    const auto mesh = chunk(0x4100, join({chunk(0x4110, vertices.data), chunk(0x4120, faces.data)}));
    const auto object = chunk(0x4000, join({Writer().text("box").data, mesh}));
    return chunk(0x4D4D, chunk(0x3D3D, object));
}

// x = b0 sx + tx, y = b2 sz + tz, z = -(b1 sy + ty): bytes 0 and 255 reach
// lo and hi exactly.
std::vector<std::uint8_t> boxMd2(const CVector3& lo, const CVector3& hi) {
    Md2Frame frame;
    const CVector3 size = (hi - lo) / 255.0f;
    frame = {"box01", {size.x, size.z, size.y}, {lo.x, -hi.z, lo.y}, {}};
    for (int i = 0; i < 8; ++i)
        frame.vertices.push_back({static_cast<std::uint8_t>(i & 1 ? 255 : 0),
                                  static_cast<std::uint8_t>(i & 4 ? 0 : 255),
                                  static_cast<std::uint8_t>(i & 2 ? 255 : 0)});
    Md2File file;
    for (const auto& s : kBoxSides) {
        file.triangles.push_back({static_cast<std::int16_t>(s[0]), static_cast<std::int16_t>(s[1]),
                                  static_cast<std::int16_t>(s[2]), 0, 0, 0});
        file.triangles.push_back({static_cast<std::int16_t>(s[0]), static_cast<std::int16_t>(s[2]),
                                  static_cast<std::int16_t>(s[3]), 0, 0, 0});
    }
    file.frames = {frame, frame};
    file.frames[1].name = "box02";
    return md2(file);
}

std::string nativeBox(const std::string& name, const CVector3& lo, const CVector3& hi) {
    std::ostringstream xml;
    xml << "<model name=\"" << name << "\" numsubobjects=\"1\" nummaterials=\"1\" numofparallaxmap=\"0\"><data>"
        << "<material name=\"white\" opacity=\"1\"><ambient r=\"1\" g=\"1\" b=\"1\" a=\"1\"/>"
        << "<diffuse r=\"1\" g=\"1\" b=\"1\" a=\"1\"/><specular r=\"0\" g=\"0\" b=\"0\" a=\"1\"/></material>"
        << "<object name=\"" << name << "\" numvertices=\"8\" numfaces=\"6\"><position x=\"0\" y=\"0\" z=\"0\"/>"
        << "<orientation angle=\"0\" x=\"0\" y=\"1\" z=\"0\"/>";
    for (const CVector3& c : boxCorners(lo, hi))
        xml << "<vertex x=\"" << c.x << "\" y=\"" << c.y << "\" z=\"" << c.z << "\"/>";
    for (const auto& side : kBoxSides)
        xml << "<face a=\"" << side[0] << "\" b=\"" << side[1] << "\" c=\"" << side[2] << "\" d=\"" << side[3]
            << "\" materialindex=\"0\" parallaxmapindex=\"-1\"/>";
    xml << "</object></data></model>";
    return writeText(name + ".xml", xml.str());
}

std::string console(const std::function<void(std::FILE*)>& run) {
    std::FILE* sink = std::tmpfile();
    run(sink);
    std::rewind(sink);
    const std::string text = ImageMagick::readAll(sink);
    std::fclose(sink);
    return text;
}

std::string writeText(const std::string& name, const std::string& text) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

bool assimpExport(const std::string& from, const std::string& to) {
    return std::system(("assimp export '" + from + "' '" + to + "' >/dev/null 2>&1").c_str()) == 0 &&
           std::ifstream(to).good();
}

bool assimpInfo(const std::string& path, AssimpInfo& out) {
    std::string report;
    const bool ran = ImageMagick::capture("assimp info '" + path + "'", report);
    std::istringstream lines(report);
    for (std::string text; std::getline(lines, text);) {
        const char* line = text.c_str();
        std::sscanf(line, " Meshes: %d", &out.meshes);
        std::sscanf(line, " Vertices: %d", &out.vertices);
        std::sscanf(line, " Faces: %d", &out.faces);
        std::sscanf(line, " Minimum point (%f %f %f)", &out.min.x, &out.min.y, &out.min.z);
        std::sscanf(line, " Maximum point (%f %f %f)", &out.max.x, &out.max.y, &out.max.z);
    }
    return ran && out.faces >= 0;
}
}  // namespace ModelFiles
