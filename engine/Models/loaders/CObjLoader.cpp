#include "Models/loaders/CObjLoader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

#include "Models/loaders/MeshSteps.h"
#include "bytes/TextFormat.h"
#include "bytes/TextNumbers.h"

namespace {
constexpr std::size_t kReadBlock = 1 << 20;
constexpr std::size_t kConsoleBlock = 1 << 16;

// How many lines of each kind a text holds, to size the lists before
// reading. Line feeds are looked for eight bytes at a time: they are rare,
// and most words hold none. (The words are taken little-endian; elsewhere
// the counts would only size the lists less well.)
struct LineKinds {
    std::size_t positions = 0, coordinates = 0, faces = 0;

    // The text starts a line.
    void add(std::string_view text) {
        const char* t = text.data();
        const std::size_t n = text.size();
        lineAt(t, n);
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, t + i, sizeof word);
            for (std::uint64_t feeds = lineFeeds(word); feeds != 0; feeds &= feeds - 1) {
                const std::size_t next = i + lowestByteSet(feeds) + 1;
                lineAt(t + next, n - next);
            }
        }
        for (; i < n; ++i)
            if (t[i] == '\n')
                lineAt(t + i + 1, n - i - 1);
    }

private:
    void lineAt(const char* line, std::size_t room) {
        faces += room > 0 && line[0] == 'f';
        positions += room > 1 && line[0] == 'v' && line[1] == ' ';
        coordinates += room > 1 && line[0] == 'v' && line[1] == 't';
    }
    // The index of the lowest byte of bits whose high bit is set.
    static std::size_t lowestByteSet(std::uint64_t bits) {
#if defined(__GNUC__)
        return static_cast<std::size_t>(__builtin_ctzll(bits)) / 8;
#else
        std::size_t byte = 0;
        for (; (bits & 0x80) == 0; bits >>= 8)
            ++byte;
        return byte;
#endif
    }
    // The high bit of every byte of word that is a line feed.
    static std::uint64_t lineFeeds(std::uint64_t word) {
        constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
        const std::uint64_t t = word ^ 0x0A0A0A0A0A0A0A0Aull;
        return ~(((t & kLow7) + kLow7) | t | kLow7);
    }
};

template <typename T>
void shrinkLoose(std::vector<T>& list) {
    if (list.capacity() > 2 * list.size())
        list.shrink_to_fit();
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

const char* skipBlanks(const char* p, const char* end) {
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

// The next number of a line as C's scanf reads it: blanks first, then as
// much of the text as forms the number. False when none starts there.
bool scanFloat(const char*& p, const char* end, float& out) {
    const char* start = skipBlanks(p, end);
    const std::size_t taken = TextNumbers::scanFloat({start, static_cast<std::size_t>(end - start)}, out);
    if (taken == 0)
        return false;
    p = start + taken;
    return true;
}

// A face index: the text up to the next '/' as a 32-bit decimal number
// (negative ones count back from the last read). -2^31 is refused: it has
// no positive counterpart.
bool readIndex(const char*& p, const char* end, std::int32_t& out) {
    const char* stop = std::find(p, end, '/');
    std::int32_t value = 0;
    if (!TextNumbers::parseInt({p, static_cast<std::size_t>(stop - p)}, value) || value == INT32_MIN)
        return false;
    out = value;
    p = stop;
    return true;
}

// Reads up to count floats into out, stopping at the first that does not
// parse (the rest keep their value).
void scanFloats(std::string_view text, float* out, int count) {
    const char* p = text.data();
    for (int i = 0; i < count && scanFloat(p, text.data() + text.size(), out[i]); ++i) {
    }
}
}  // namespace

CObjLoader::CObjLoader(std::FILE* console) : console(console) {}

// Loader lines come one per file line; they are gathered and written in
// blocks, which keeps a large file's load from being held up by its console.
void CObjLoader::say(const char* text) {
    pending += text;
    if (pending.size() >= kConsoleBlock)
        flushConsole();
}

void CObjLoader::flushConsole() {
    std::fwrite(pending.data(), 1, pending.size(), console);
    pending.clear();
}

bool CObjLoader::fail(const std::string& why) {
    say(TextFormat::format("\nThe OBJ file %s, line %d: %s.", fileName.c_str(), line, why.c_str()).c_str());
    return false;
}

bool CObjLoader::import(const std::string& name, tMeshModel& model) {
    if (name.empty())
        return false;
    stream = std::fopen(name.c_str(), "rb");
    if (!stream) {
        std::fprintf(console, "Unable to find or open the file: %s", name.c_str());
        return false;
    }
    const bool ok = load(name, model);
    std::fclose(stream);
    stream = nullptr;
    return ok;
}

bool CObjLoader::importText(std::string_view text, const std::string& name, tMeshModel& model) {
    file = text;
    const bool ok = load(name, model);
    file = {};
    return ok;
}

bool CObjLoader::load(const std::string& name, tMeshModel& model) {
    fileName = name;
    line = 0;
    vertices.clear();
    faces.clear();
    texCoords.clear();
    objectHasUV = false;
    justReadAFace = false;
    verticesBefore = 0;
    texCoordsBefore = 0;
    model = tMeshModel();
    const bool ok = readObjFile(model);
    flushConsole();
    if (!ok) {
        model = tMeshModel();
        return false;
    }
    computeNormals(model);
    computeBoundingBoxes(model);
    return true;
}

// The lists are sized from a first count of the lines, so a large file
// reads without the lists growing (and copying) as it goes.
bool CObjLoader::readObjFile(tMeshModel& model) {
    LineKinds lines;
    const auto count = [&](std::string_view text) {
        lines.add(text);
        return true;
    };
    if (stream ? !streamLines(count) || std::fseek(stream, 0, SEEK_SET) != 0 : !count(file))
        return fail("the file cannot be read");
    vertices.reserve(lines.positions);
    texCoords.reserve(lines.coordinates);
    faces.reserve(lines.faces);
    const auto read = [&](std::string_view text) { return readLines(text, model); };
    if (!(stream ? streamLines(read) : read(file)))
        return false;
    say("vege......");
    fillInObjectInfo(model);
    return true;
}

// A file is read in blocks of whole lines, so even a large one needs no
// more memory than its model.
bool CObjLoader::streamLines(const std::function<bool(std::string_view)>& take) {
    std::vector<char> block(kReadBlock);
    std::size_t kept = 0;  // the start of a line the last block cut
    for (;;) {
        if (kept == block.size())
            block.resize(2 * block.size());  // a line longer than a block
        const std::size_t got = std::fread(block.data() + kept, 1, block.size() - kept, stream);
        if (got == 0)
            return !std::ferror(stream) && take({block.data(), kept});
        const std::size_t filled = kept + got;
        std::size_t whole = filled;
        while (whole > 0 && block[whole - 1] != '\n')
            --whole;
        if (whole > 0 && !take({block.data(), whole}))
            return false;
        std::memmove(block.data(), block.data() + whole, filled - whole);
        kept = filled - whole;
    }
}

bool CObjLoader::readLines(std::string_view text, tMeshModel& model) {
    for (std::size_t position = 0; position < text.size();) {
        const char* start = text.data() + position;
        const void* newline = std::memchr(start, '\n', text.size() - position);
        const std::size_t length =
            newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : text.size() - position;
        position += length + 1;
        ++line;
        if (length == 0)
            continue;
        switch (start[0]) {
        case 'v':
            say("v......");
            if (justReadAFace) {
                // A vertex after faces starts a new object.
                say("v ben fill......");
                fillInObjectInfo(model);
            }
            readVertexInfo({start + 1, length - 1});
            break;
        case 'f':
            say("f......");
            if (!readFaceInfo({start + 1, length - 1}))
                return false;
            break;
        default:
            say("default......");
            break;
        }
    }
    return true;
}

void CObjLoader::readVertexInfo(std::string_view rest) {
    if (rest.empty())
        return;
    if (rest[0] == ' ') {
        float p[3] = {0, 0, 0};
        scanFloats(rest.substr(1), p, 3);
        vertices.emplace_back(p[0], p[1], p[2]);
    } else if (rest[0] == 't') {
        float uv[2] = {0, 0};
        scanFloats(rest.substr(1), uv, 2);
        texCoords.emplace_back(uv[0], uv[1]);
        objectHasUV = true;
    }
}

// v, v/t, v//n or v/t/n; the normal index must parse but is not kept.
bool CObjLoader::readCorner(std::string_view token, Corner& corner) {
    const char* p = token.data();
    const char* end = p + token.size();
    corner = Corner();
    std::int32_t normal = 0;
    if (!readIndex(p, end, corner.vertex))
        return false;
    if (p < end && *p == '/') {
        ++p;
        if (p < end && *p != '/' && !readIndex(p, end, corner.texCoord))
            return false;
        if (p < end && *p == '/') {
            ++p;
            if (!readIndex(p, end, normal))
                return false;
        } else if (corner.texCoord == 0) {
            return false;  // "v/" names nothing
        }
    }
    return p == end;
}

std::int32_t CObjLoader::localIndex(std::int32_t index, std::size_t before, std::size_t count) const {
    const auto readSoFar = static_cast<std::int64_t>(before + count);
    const std::int64_t global = index > 0 ? index - 1 : readSoFar + index;
    const std::int64_t local = global - static_cast<std::int64_t>(before);
    return index != 0 && local >= 0 && local < static_cast<std::int64_t>(count) ? static_cast<std::int32_t>(local) : -1;
}

bool CObjLoader::readFaceInfo(std::string_view rest) {
    corners.clear();
    const char* p = rest.data();
    const char* end = p + rest.size();
    while ((p = skipBlanks(p, end)) < end) {
        const char* stop = p;
        while (stop < end && !isBlank(*stop))
            ++stop;
        const std::string_view token(p, static_cast<std::size_t>(stop - p));
        Corner corner;
        if (!readCorner(token, corner))
            return fail("the face corner \"" + std::string(token) + "\" does not parse");
        corner.vertex = localIndex(corner.vertex, verticesBefore, vertices.size());
        if (corner.vertex < 0)
            return fail(TextFormat::format("a face names a vertex outside the object's %zu", vertices.size()));
        if (corner.texCoord != 0) {
            corner.texCoord = localIndex(corner.texCoord, texCoordsBefore, texCoords.size());
            if (corner.texCoord < 0)
                return fail(
                    TextFormat::format("a face names a texture coordinate outside the object's %zu", texCoords.size()));
        } else {
            corner.texCoord = -1;  // none
        }
        corners.push_back(corner);
        p = stop;
    }
    if (corners.size() < 3)
        return fail(TextFormat::format("a face has %zu corners", corners.size()));
    for (std::size_t k = 1; k + 1 < corners.size(); ++k) {
        tFace face;
        for (int i = 0; i < 3; ++i) {
            const Corner& c = corners[i == 0 ? 0 : k + static_cast<std::size_t>(i) - 1];
            face.vertIndex[i] = c.vertex;
            face.coordIndex[i] = c.texCoord;
        }
        faces.push_back(face);
    }
    justReadAFace = true;
    return true;
}

void CObjLoader::fillInObjectInfo(tMeshModel& model) {
    ++model.numOfObjects;
    model.objects.emplace_back();
    t3DObject& object = model.objects.back();
    object.numOfFaces = static_cast<std::int32_t>(faces.size());
    object.numOfVerts = static_cast<std::int32_t>(vertices.size());
    object.numTexVertex = static_cast<std::int32_t>(texCoords.size());
    object.bHasTexture = objectHasUV;
    object.materialID = -1;
    verticesBefore += vertices.size();
    texCoordsBefore += texCoords.size();
    object.pFaces = std::move(faces);
    object.pVerts = std::move(vertices);
    object.pTexVerts = std::move(texCoords);
    // The lists were sized for the whole file; an object of a file of many
    // keeps only what it holds.
    shrinkLoose(object.pFaces);
    shrinkLoose(object.pVerts);
    shrinkLoose(object.pTexVerts);
    faces.clear();
    vertices.clear();
    texCoords.clear();
    objectHasUV = false;
    justReadAFace = false;
}

void CObjLoader::setObjectMaterial(tMeshModel& model, int objectIndex, int materialID) {
    if (objectIndex >= 0 && objectIndex < static_cast<int>(model.objects.size()))
        model.objects[static_cast<std::size_t>(objectIndex)].materialID = materialID;
}

void CObjLoader::addMaterial(tMeshModel& model, const std::string& name, const std::string& file, int r, int g, int b) {
    tMaterialInfo material;
    material.color[0] = static_cast<std::uint8_t>(r);
    material.color[1] = static_cast<std::uint8_t>(g);
    material.color[2] = static_cast<std::uint8_t>(b);
    std::strncpy(material.strFile, file.c_str(), sizeof material.strFile - 1);
    std::strncpy(material.strName, name.c_str(), sizeof material.strName - 1);
    model.materials.push_back(material);
    ++model.numOfMaterials;
}

void CObjLoader::computeNormals(tMeshModel& model) {
    MeshSteps::computeNormals(model, MeshSteps::NormalSum::WeightedFaces);
}

void CObjLoader::computeBoundingBoxes(tMeshModel& model) { MeshSteps::computeBoundingBoxes(model); }
