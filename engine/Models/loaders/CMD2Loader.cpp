#include "Models/loaders/CMD2Loader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "Models/loaders/MeshSteps.h"
#include "bytes/FileBytes.h"
#include "bytes/TextFormat.h"

namespace {
constexpr std::int32_t kVersion = 8;
constexpr std::size_t kHeaderSize = 68;
constexpr std::size_t kFrameHeaderSize = 40;  // scale, translate, name

// A frame's name up to its terminator (or all 16 bytes).
std::string frameName(const tMd2Frame& frame) {
    return std::string(frame.strName, strnlen(frame.strName, sizeof frame.strName));
}

void copyText(const std::string& text, char (&field)[255]) {
    const std::size_t n = std::min(text.size(), sizeof field - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

float readFloat(ByteReader& in) {
    float value = 0;
    in.read_f32(value);
    return value;
}
}  // namespace

CMD2Loader::CMD2Loader(std::FILE* console) : console(console) {}

bool CMD2Loader::fail(const std::string& why) {
    std::fprintf(console, "\nThe MD2 file %s is damaged: %s.", fileName.c_str(), why.c_str());
    return false;
}

bool CMD2Loader::import(tMeshModel& model, const std::string& name, const std::string& skinName) {
    std::vector<std::uint8_t> bytes;
    if (!FileBytes::read(name, bytes)) {
        std::fprintf(console, "Unable to find MD2 file: %s!", name.c_str());
        return false;
    }
    return importBytes(bytes.data(), bytes.size(), model, name, skinName);
}

bool CMD2Loader::importBytes(const std::uint8_t* data, std::size_t size, tMeshModel& model, const std::string& name,
                             const std::string& skinName) {
    file = ByteReader(data, size);
    fileName = name;
    model = tMeshModel();
    const bool ok = readHeader() && readMD2Data(model);
    if (!ok) {
        model = tMeshModel();
    } else {
        parseAnimations(model);
        convertDataStructures(model);
        computeNormals(model);
        computeBoundingBoxes(model);
        addSkin(model, skinName);
    }
    texCoords = {};
    triangles = {};
    frames = {};
    return ok;
}

bool CMD2Loader::readHeader() {
    std::int32_t* fields[] = {
        &header.ident,           &header.version,         &header.skinWidth,    &header.skinHeight,
        &header.frameSize,       &header.numSkins,        &header.numVertices,  &header.numTexCoords,
        &header.numTriangles,    &header.numGlCommands,   &header.numFrames,    &header.offsetSkins,
        &header.offsetTexCoords, &header.offsetTriangles, &header.offsetFrames, &header.offsetGlCommands,
        &header.offsetEnd};
    for (std::int32_t* field : fields)
        if (!file.read_i32(*field))
            return fail(TextFormat::format("it is shorter than the %zu-byte header", kHeaderSize));
    if (header.version != kVersion) {
        std::fprintf(console, "Invalid file format (Version not 8): %s.*!", fileName.c_str());
        return false;
    }
    return checkHeader();
}

// Every section must lie inside the file, so no count from the header
// allocates more than the file's own bytes can fill.
bool CMD2Loader::checkHeader() {
    const auto inside = [&](const char* what, std::int32_t offset, std::int32_t count, std::uint64_t size) {
        if (count < 0 || offset < 0 ||
            static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(count) * size > file.size())
            return fail(TextFormat::format("its %d %s at offset %d do not fit in its %zu bytes", count, what, offset,
                                           file.size()));
        return true;
    };
    if (header.numFrames < 1)
        return fail("it has no frame");
    if (header.numVertices < 0 ||
        static_cast<std::int64_t>(header.frameSize) <
            static_cast<std::int64_t>(kFrameHeaderSize) + 4 * static_cast<std::int64_t>(header.numVertices))
        return fail(
            TextFormat::format("its frames of %d bytes cannot hold %d vertices", header.frameSize, header.numVertices));
    if (header.numTexCoords > 0 && (header.skinWidth <= 0 || header.skinHeight <= 0))
        return fail(TextFormat::format("its skin is %d x %d texels", header.skinWidth, header.skinHeight));
    return inside("skins", header.offsetSkins, header.numSkins, sizeof(tMd2Skin)) &&
           inside("texture coordinates", header.offsetTexCoords, header.numTexCoords, 4) &&
           inside("triangles", header.offsetTriangles, header.numTriangles, 12) &&
           inside("frames", header.offsetFrames, header.numFrames, static_cast<std::uint64_t>(header.frameSize));
}

// The skins are not read: the skin is named by the caller.
bool CMD2Loader::readMD2Data(tMeshModel& model) {
    texCoords.resize(static_cast<std::size_t>(header.numTexCoords));
    file.seek(static_cast<std::size_t>(header.offsetTexCoords));
    for (tMd2TexCoord& coord : texCoords) {
        std::uint16_t u = 0, v = 0;
        file.read_u16(u);
        file.read_u16(v);
        coord = {static_cast<std::int16_t>(u), static_cast<std::int16_t>(v)};
    }

    triangles.resize(static_cast<std::size_t>(header.numTriangles));
    file.seek(static_cast<std::size_t>(header.offsetTriangles));
    for (tMd2Face& face : triangles)
        for (std::int16_t* index : {face.vertexIndices, face.vertexIndices + 1, face.vertexIndices + 2,
                                    face.textureIndices, face.textureIndices + 1, face.textureIndices + 2}) {
            std::uint16_t bits = 0;
            file.read_u16(bits);
            *index = static_cast<std::int16_t>(bits);
        }

    frames.resize(static_cast<std::size_t>(header.numFrames));
    model.objects.resize(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        file.seek(static_cast<std::size_t>(header.offsetFrames) + i * static_cast<std::size_t>(header.frameSize));
        float scale[3], translate[3];
        for (float& s : scale)
            s = readFloat(file);
        for (float& t : translate)
            t = readFloat(file);
        tMd2Frame& frame = frames[i];
        file.read_bytes(reinterpret_cast<std::uint8_t*>(frame.strName), sizeof frame.strName);
        std::vector<CVector3>& verts = model.objects[i].pVerts;
        verts.resize(static_cast<std::size_t>(header.numVertices));
        const std::uint8_t* packed = file.take(4 * verts.size());
        if (!packed)
            return fail(TextFormat::format("frame %zu runs past the end", i));
        for (CVector3& v : verts) {
            v = {packed[0] * scale[0] + translate[0], packed[2] * scale[2] + translate[2],
                 -(packed[1] * scale[1] + translate[1])};
            packed += 4;  // the normal index is not used
        }
    }
    return checkTriangles();
}

bool CMD2Loader::checkTriangles() {
    for (std::size_t i = 0; i < triangles.size(); ++i)
        for (int k = 0; k < 3; ++k) {
            const std::int16_t v = triangles[i].vertexIndices[k], t = triangles[i].textureIndices[k];
            if (v < 0 || v >= header.numVertices)
                return fail(TextFormat::format("triangle %zu uses vertex %d of %d", i, v, header.numVertices));
            if (header.numTexCoords > 0 && (t < 0 || t >= header.numTexCoords))
                return fail(
                    TextFormat::format("triangle %zu uses texture coordinate %d of %d", i, t, header.numTexCoords));
        }
    return true;
}

// A frame's name ends in its number within the animation: a digit among
// the last two characters starts it (stand01 is frame 1 of stand, pain123
// frame 23 of pain1).
void CMD2Loader::parseAnimations(tMeshModel& model) {
    std::string previous;
    std::int32_t startFrame = 0;
    const auto last = static_cast<std::int32_t>(frames.size()) - 1;
    for (std::int32_t i = 0; i <= last; ++i) {
        std::string name = frameName(frames[static_cast<std::size_t>(i)]);
        std::int32_t frameNumber = 0;
        for (std::size_t j = 0; j < name.size(); ++j)
            if (std::isdigit(static_cast<unsigned char>(name[j])) && j + 2 >= name.size()) {
                frameNumber = std::atoi(name.c_str() + j);
                name.resize(j);
                break;
            }
        if (name != previous || i == last) {
            if (!previous.empty()) {
                tAnimationInfo animation;
                copyText(previous, animation.strName);
                // Frame numbers that do not count from 1 would put the start
                // outside the model's frames.
                animation.startFrame = std::clamp(startFrame, 0, i);
                animation.endFrame = i;
                model.animations.push_back(animation);
                ++model.numOfAnimations;
            }
            startFrame = frameNumber - 1 + i;
        }
        previous = name;
    }
}

void CMD2Loader::convertDataStructures(tMeshModel& model) {
    model.numOfObjects = header.numFrames;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        t3DObject& object = model.objects[i];
        object.numOfVerts = header.numVertices;
        object.numTexVertex = header.numTexCoords;
        object.numOfFaces = header.numTriangles;
        copyText(frameName(frames[i]), object.strName);
    }
    t3DObject& first = model.objects.front();
    first.pFaces.resize(triangles.size());
    for (std::size_t i = 0; i < triangles.size(); ++i)
        for (int k = 0; k < 3; ++k) {
            first.pFaces[i].vertIndex[k] = triangles[i].vertexIndices[k];
            first.pFaces[i].coordIndex[k] = triangles[i].textureIndices[k];
        }
    first.pTexVerts.resize(texCoords.size());
    for (std::size_t i = 0; i < texCoords.size(); ++i)
        first.pTexVerts[i] = {static_cast<float>(texCoords[i].u) / static_cast<float>(header.skinWidth),
                              1.0f - static_cast<float>(texCoords[i].v) / static_cast<float>(header.skinHeight)};
}

// Every frame's normals come from the first frame's faces over its own
// positions.
void CMD2Loader::computeNormals(tMeshModel& model) {
    model.totalVertices = 3 * static_cast<std::uint64_t>(triangles.size());
    const std::vector<tFace>& faces = model.objects.front().pFaces;
    for (t3DObject& frame : model.objects)
        MeshSteps::vertexNormals(faces, frame.pVerts, MeshSteps::NormalSum::UnitFaces, frame.pNormals);
}

void CMD2Loader::computeBoundingBoxes(tMeshModel& model) { MeshSteps::computeBoundingBoxes(model); }

void CMD2Loader::addSkin(tMeshModel& model, const std::string& skinName) {
    if (skinName.empty())
        return;
    tMaterialInfo skin;
    copyText(skinName, skin.strFile);
    skin.textureId = 0;
    skin.uTile = 1.0f;
    model.numOfMaterials = 1;
    model.materials.push_back(skin);
    std::fputs("STRCPY elott", console);
    std::fprintf(console, "Material Name1: %s\n", skinName.c_str());
    std::fprintf(console, "Material Name2: %s\n", skin.strFile);
    std::fputs("STRCPY utan", console);
}
