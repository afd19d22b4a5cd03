#include "Models/loaders/C3DSLoader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "Models/loaders/MeshSteps.h"
#include "bytes/FileBytes.h"
#include "bytes/TextFormat.h"

namespace {
enum : std::uint16_t {
    PRIMARY = 0x4D4D,
    VERSION = 0x0002,
    OBJECTINFO = 0x3D3D,
    MATERIAL = 0xAFFF,
    MATNAME = 0xA000,
    MATDIFFUSE = 0xA020,
    MATMAP = 0xA200,
    MATMAPFILE = 0xA300,
    OBJECT = 0x4000,
    OBJECT_MESH = 0x4100,
    OBJECT_VERTICES = 0x4110,
    OBJECT_FACES = 0x4120,
    OBJECT_MATERIAL = 0x4130,
    OBJECT_UV = 0x4140,
    // Colour chunks inside a diffuse chunk: floats, or bytes.
    COLOR_F = 0x0010,
    COLOR_24 = 0x0011,
    LIN_COLOR_24 = 0x0012,
    LIN_COLOR_F = 0x0013,
};

constexpr std::uint32_t kHeaderSize = 6;
// Real files nest a handful of levels; a hostile one could nest thousands
// of tiny chunks and run the walk out of stack.
constexpr int kMaxDepth = 64;

std::uint8_t colorByte(float value) { return static_cast<std::uint8_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f); }

// The rest of a chunk as a zero-terminated name, cut to the field.
void copyName(const std::uint8_t* bytes, std::size_t n, char (&field)[255]) {
    const std::size_t kept = std::min(n, sizeof field - 1);
    std::memcpy(field, bytes, kept);
    field[kept] = '\0';
}
}  // namespace

CLoad3DS::CLoad3DS(std::FILE* console) : console(console) {}

void CLoad3DS::say(const char* text) { std::fputs(text, console); }

bool CLoad3DS::fail(const std::string& why) {
    std::fprintf(console, "\nThe 3DS file %s is damaged: %s.", fileName.c_str(), why.c_str());
    return false;
}

bool CLoad3DS::import(const std::string& name, bool swap, tMeshModel& model) {
    std::vector<std::uint8_t> bytes;
    if (!FileBytes::read(name, bytes)) {
        std::fprintf(console, "\nUnable to find the file: %s!", name.c_str());
        return false;
    }
    return importBytes(bytes.data(), bytes.size(), name, swap, model);
}

bool CLoad3DS::importBytes(const std::uint8_t* data, std::size_t size, const std::string& name, bool swap,
                           tMeshModel& model) {
    file = ByteReader(data, size);
    fileName = name;
    swapYZ = swap;
    depth = 0;
    model = tMeshModel();
    tChunk primary;
    if (!readChunk(primary) || primary.id != PRIMARY) {
        std::fprintf(console, "\nUnable to find the file: %s!", name.c_str());
        return false;
    }
    if (primary.length < kHeaderSize || primary.length > size)
        return fail(TextFormat::format("its main chunk is %u bytes long, the file %zu", primary.length, size));
    if (!processNextChunk(model, primary))
        return false;
    computeNormals(model);
    computeBoundingBoxes(model);
    computeCenterAndRadius(model);
    return true;
}

bool CLoad3DS::readChunk(tChunk& chunk) {
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    const std::size_t start = file.position();
    if (!file.read_u16(id) || !file.read_u32(length)) {
        file.seek(start);
        return false;
    }
    chunk = {id, length, kHeaderSize};
    return true;
}

bool CLoad3DS::readChild(tChunk& parent, tChunk& child) {
    const std::size_t offset = file.position();
    const std::uint32_t room = parent.length - parent.bytesRead;
    if (room < kHeaderSize || !readChunk(child))
        return fail(TextFormat::format("chunk 0x%04X has %u bytes left at offset %zu, too few for a chunk", parent.id,
                                       room, offset));
    if (child.length < kHeaderSize || child.length > room)
        return fail(TextFormat::format("chunk 0x%04X at offset %zu is %u bytes long, but its parent 0x%04X has %u left",
                                       child.id, offset, child.length, parent.id, room));
    return true;
}

bool CLoad3DS::walk(tChunk& parent, const ChildHandler& handle) {
    if (depth >= kMaxDepth)
        return fail(TextFormat::format("its chunks are nested more than %d deep", kMaxDepth));
    ++depth;
    bool ok = true;
    while (ok && parent.bytesRead < parent.length) {
        tChunk child;
        ok = readChild(parent, child) && handle(child);
        parent.bytesRead += child.bytesRead;
    }
    --depth;
    return ok;
}

const std::uint8_t* CLoad3DS::take(tChunk& chunk, std::size_t n) {
    if (n > chunk.length - chunk.bytesRead)
        return nullptr;
    const std::uint8_t* bytes = file.take(n);
    if (bytes)
        chunk.bytesRead += static_cast<std::uint32_t>(n);
    return bytes;
}

bool CLoad3DS::skipRest(tChunk& chunk) { return take(chunk, chunk.length - chunk.bytesRead) != nullptr; }

bool CLoad3DS::processNextChunk(tMeshModel& model, tChunk& parentChunk) {
    const bool ok = walk(parentChunk, [&](tChunk& chunk) {
        switch (chunk.id) {
        case VERSION: {
            const std::uint8_t* bytes = take(chunk, 4);
            if (!bytes)
                return fail("its version chunk is too short");
            if (ByteReader::u32At(bytes) > 3)
                say("This 3DS file is over version 3 so it may load incorrectly");
            return skipRest(chunk);
        }
        case OBJECTINFO:
            // Its first child, the mesh version, is one of the chunks the
            // walk skips.
            return processNextChunk(model, chunk);
        case MATERIAL:
            model.materials.emplace_back();
            ++model.numOfMaterials;
            return processNextMaterialChunk(model, chunk);
        case OBJECT: {
            model.objects.emplace_back();
            ++model.numOfObjects;
            t3DObject& object = model.objects.back();
            if (getString(chunk, object.strName) == 0)
                return fail("an object's name has no end");
            return processNextObjectChunk(model, object, chunk) && checkFaces(object);
        }
        default:  // the key frames among them
            return skipRest(chunk);
        }
    });
    say("\nDelete chunk 2...");
    return ok;
}

bool CLoad3DS::processNextObjectChunk(tMeshModel& model, t3DObject& object, tChunk& parentChunk) {
    const auto twice = [this](const char* text) {
        say(text);
        say(text);
    };
    const bool ok = walk(parentChunk, [&](tChunk& chunk) {
        bool read = false;
        switch (chunk.id) {
        case OBJECT_MESH:
            read = processNextObjectChunk(model, object, chunk);
            break;
        case OBJECT_VERTICES:
            read = readVertices(object, chunk);
            twice("\nVertex beolvasás után: OBJECT VERTICES.");
            break;
        case OBJECT_FACES:
            // Only the face list counts as read: the chunks inside (the
            // material assignment) come next in this same walk.
            read = readVertexIndices(object, chunk);
            twice("\nVertex beolvasás után: OBJECT FACES...");
            break;
        case OBJECT_MATERIAL:
            twice("\nOBJ MATERIAL...");
            read = readObjectMaterial(model, object, chunk);
            twice("\nOBJ MATERIAL...END");
            break;
        case OBJECT_UV:
            twice("\nUV READ...");
            read = readUVCoordinates(object, chunk);
            twice("\nUV READ...END");
            break;
        default:
            twice("\nDEFAULT ÁG...");
            read = skipRest(chunk);
            twice("\nDEFAULT ÁG...END");
            break;
        }
        say("\nChunk add...");
        for (int i = 0; i < 2; ++i)
            std::fprintf(console, "\nChunk prev...%u", parentChunk.bytesRead);
        std::fprintf(console, "\nChunk add...%u", chunk.bytesRead);
        twice("\nChunk add...END");
        return read;
    });
    twice("\ndelete chunk");
    twice("\nFügg vége");
    return ok;
}

bool CLoad3DS::processNextMaterialChunk(tMeshModel& model, tChunk& parentChunk) {
    return walk(parentChunk, [&](tChunk& chunk) {
        tMaterialInfo& material = model.materials.back();
        switch (chunk.id) {
        case MATNAME:
        case MATMAPFILE: {
            const std::size_t n = chunk.length - chunk.bytesRead;
            const std::uint8_t* bytes = take(chunk, n);
            if (!bytes)
                return fail("a material name overruns the file");
            copyName(bytes, n, chunk.id == MATNAME ? material.strName : material.strFile);
            return true;
        }
        case MATDIFFUSE:
            return readColorChunk(material, chunk) && skipRest(chunk);
        case MATMAP:
            return processNextMaterialChunk(model, chunk);
        default:
            return skipRest(chunk);
        }
    });
}

std::uint32_t CLoad3DS::getString(tChunk& chunk, char (&buffer)[255]) {
    const std::size_t room = chunk.length - chunk.bytesRead;
    const std::size_t start = file.position();
    const std::uint8_t* bytes = file.take(room);
    const void* end = bytes ? std::memchr(bytes, 0, room) : nullptr;
    // Only the string is read: the cursor goes back to just past its end.
    const std::size_t n = end ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - bytes) + 1 : 0;
    file.seek(start + n);
    if (n == 0)
        return 0;
    chunk.bytesRead += static_cast<std::uint32_t>(n);
    copyName(bytes, n - 1, buffer);
    return static_cast<std::uint32_t>(n);
}

// Besides the byte colours the engine's own files use, other tools write the
// colour as three floats; those are brought to bytes.
bool CLoad3DS::readColorChunk(tMaterialInfo& material, tChunk& chunk) {
    tChunk color;
    if (!readChild(chunk, color))
        return false;
    const bool floats = color.id == COLOR_F || color.id == LIN_COLOR_F;
    const std::uint8_t* bytes = take(color, floats ? 12 : 3);
    if (!bytes)
        return fail(TextFormat::format("a colour chunk 0x%04X is too short", color.id));
    for (int i = 0; i < 3; ++i)
        material.color[i] = floats ? colorByte(ByteReader::f32At(bytes + 4 * i)) : bytes[i];
    const bool ok = skipRest(color);
    chunk.bytesRead += color.bytesRead;
    return ok;
}

const std::uint8_t* CLoad3DS::takeList(tChunk& chunk, std::size_t recordSize, std::size_t& count, const char* what,
                                       const t3DObject& object) {
    const std::uint8_t* head = take(chunk, 2);
    count = head ? ByteReader::u16At(head) : 0;
    const std::uint8_t* records = head ? take(chunk, count * recordSize) : nullptr;
    if (!records)
        fail(TextFormat::format("the %s of object %s overrun their chunk", what, object.strName));
    return records;
}

bool CLoad3DS::readVertices(t3DObject& object, tChunk& chunk) {
    std::size_t count = 0;
    const std::uint8_t* bytes = takeList(chunk, 12, count, "vertices", object);
    if (!bytes)
        return false;
    object.numOfVerts = static_cast<std::int32_t>(count);
    object.pVerts.resize(count);
    for (std::size_t i = 0; i < count; ++i, bytes += 12) {
        const float x = ByteReader::f32At(bytes), y = ByteReader::f32At(bytes + 4), z = ByteReader::f32At(bytes + 8);
        object.pVerts[i] = swapYZ ? CVector3(x, z, -y) : CVector3(x, y, z);
    }
    return skipRest(chunk);
}

bool CLoad3DS::readVertexIndices(t3DObject& object, tChunk& chunk) {
    std::size_t count = 0;
    const std::uint8_t* bytes = takeList(chunk, 8, count, "faces", object);
    if (!bytes)
        return false;
    object.numOfFaces = static_cast<std::int32_t>(count);
    object.pFaces.resize(count);
    for (std::size_t i = 0; i < count; ++i, bytes += 8)
        for (int k = 0; k < 3; ++k) {
            // Texture coordinates belong to the vertices.
            object.pFaces[i].vertIndex[k] = ByteReader::u16At(bytes + 2 * k);
            object.pFaces[i].coordIndex[k] = ByteReader::u16At(bytes + 2 * k);
        }
    return true;
}

bool CLoad3DS::readUVCoordinates(t3DObject& object, tChunk& chunk) {
    std::size_t count = 0;
    const std::uint8_t* bytes = takeList(chunk, 8, count, "texture coordinates", object);
    if (!bytes)
        return false;
    object.numTexVertex = static_cast<std::int32_t>(count);
    object.pTexVerts.resize(count);
    for (std::size_t i = 0; i < count; ++i, bytes += 8)
        object.pTexVerts[i] = {ByteReader::f32At(bytes), ByteReader::f32At(bytes + 4)};
    return skipRest(chunk);
}

bool CLoad3DS::readObjectMaterial(tMeshModel& model, t3DObject& object, tChunk& chunk) {
    char name[255];
    if (getString(chunk, name) == 0)
        return fail(TextFormat::format("the material name of object %s has no end", object.strName));
    object.materialID = -1;
    for (std::size_t i = 0; i < model.materials.size(); ++i)
        if (std::strcmp(name, model.materials[i].strName) == 0) {
            object.materialID = static_cast<std::int32_t>(i);
            object.bHasTexture = object.bHasTexture || model.materials[i].strFile[0] != '\0';
            break;
        }
    return skipRest(chunk);
}

bool CLoad3DS::checkFaces(const t3DObject& object) {
    for (std::size_t i = 0; i < object.pFaces.size(); ++i)
        for (std::int32_t v : object.pFaces[i].vertIndex)
            if (v >= object.numOfVerts)
                return fail(TextFormat::format("face %zu of object %s uses vertex %d of %d", i, object.strName, v,
                                               object.numOfVerts));
    return true;
}

void CLoad3DS::computeNormals(tMeshModel& model) { MeshSteps::computeNormals(model, MeshSteps::NormalSum::UnitFaces); }

void CLoad3DS::computeBoundingBoxes(tMeshModel& model) { MeshSteps::computeBoundingBoxes(model); }

void CLoad3DS::computeCenterAndRadius(tMeshModel& model) { MeshSteps::computeCenterAndRadius(model); }

std::string CLoad3DS::texturePath(const std::string& directory, const std::string& file) {
    // A directory named without its closing "/" (as the engine test
    // application names "Data/Models") still holds the file.
    const bool needsSlash = !directory.empty() && directory.back() != '/';
    std::string path = directory + (needsSlash ? "/" : "") + file;
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (const std::size_t at = lower.find(".jpg"); at != std::string::npos)
        path.replace(at, 4, ".tga");
    else if (const std::size_t at = lower.find(".jpeg"); at != std::string::npos)
        path.replace(at, 5, ".tga");
    return path;
}
