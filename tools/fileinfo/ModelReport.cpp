#include "ModelReport.h"

#include <cstdio>
#include <exception>

#include "Models/loaders/C3DSLoader.h"
#include "Models/loaders/CKObjectLoader.h"
#include "Models/loaders/CMD2Loader.h"
#include "Models/loaders/CObjLoader.h"
#include "Models/loaders/Structures.h"
#include "bytes/TextFormat.h"

namespace {
std::string jsonText(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c < 0x20)
            out += TextFormat::format("\\u%04x", c);
        else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string jsonVector(const CVector3& v) { return TextFormat::format("[%g,%g,%g]", v.x, v.y, v.z); }

// Faces over all objects; faces names an object's face list.
template <typename Objects, typename FaceList>
std::size_t faceSum(const Objects& objects, FaceList faces) {
    std::size_t sum = 0;
    for (const auto& object : objects)
        sum += (object.*faces).size();
    return sum;
}

// The counts of a mesh model: faces over all its objects, or of one frame
// when every object is a key frame of the same mesh.
ModelReport::Counts meshCounts(const char* format, const tMeshModel& model, bool keyFrames) {
    ModelReport::Counts counts;
    counts.format = format;
    counts.objects = keyFrames ? 1 : model.objects.size();
    counts.vertexCount = model.totalVertices;
    counts.materials = model.materials.size();
    if (keyFrames && !model.objects.empty()) {
        const t3DObject& frame = model.objects.front();
        counts.faces = frame.pFaces.size();
        counts.boundsMin = frame.boundsMin;
        counts.boundsMax = frame.boundsMax;
    } else {
        counts.faces = faceSum(model.objects, &t3DObject::pFaces);
        counts.boundsMin = model.boundsMin;
        counts.boundsMax = model.boundsMax;
    }
    return counts;
}

std::unique_ptr<FileReport> report(ModelReport::Counts counts, const std::string& path, std::string& error) {
    if (counts.faces == 0) {
        error = path + " holds no face";
        return nullptr;
    }
    return std::make_unique<ModelReport>(std::move(counts));
}

std::unique_ptr<FileReport> refuse(const std::string& path, std::string& error) {
    error = "cannot load the model " + path;
    return nullptr;
}
}  // namespace

ModelReport::ModelReport(Counts counts) : counts_(std::move(counts)) {}

std::string ModelReport::json() const {
    std::string json = TextFormat::format(
        "{\"kind\":\"model\",\"format\":\"%s\",\"objects\":%zu,\"faces\":%zu,\"vertexCount\":%llu,\"materials\":%zu,"
        "\"boundsMin\":%s,\"boundsMax\":%s",
        counts_.format.c_str(), counts_.objects, counts_.faces, counts_.vertexCount, counts_.materials,
        jsonVector(counts_.boundsMin).c_str(), jsonVector(counts_.boundsMax).c_str());
    if (counts_.frames >= 0) {
        json += TextFormat::format(",\"frames\":%d,\"animations\":[", counts_.frames);
        for (std::size_t i = 0; i < counts_.animations.size(); ++i) {
            const Animation& a = counts_.animations[i];
            json += TextFormat::format("%s{\"name\":%s,\"start\":%d,\"end\":%d}", i ? "," : "",
                                       jsonText(a.name).c_str(), a.start, a.end);
        }
        json += "]";
    }
    return json + "}";
}

bool ModelReport::dump(const std::string&, std::string& error) const {
    error = "--dump writes images only";
    return false;
}

std::unique_ptr<FileReport> ModelReport::native(const std::string& path, std::string& error) {
    CKObjectLoader loader([](const std::string&) { return -1; }, stderr);
    K3DModel model;
    try {
        model = loader.load(path);
    } catch (const std::exception& e) {
        error = oneLine(e.what());
        return nullptr;
    }
    Counts counts;
    counts.format = "native";
    counts.objects = model.objects.size();
    counts.faces = faceSum(model.objects, &K3DModelObject::faces);
    counts.vertexCount = model.totalVertices;
    counts.materials = model.materials.size();
    counts.boundsMin = model.boundsMin;
    counts.boundsMax = model.boundsMax;
    return report(std::move(counts), path, error);
}

std::unique_ptr<FileReport> ModelReport::threeDS(const std::string& path, std::string& error) {
    tMeshModel model;
    if (!CLoad3DS(stderr).import(path, false, model))
        return refuse(path, error);
    return report(meshCounts("3ds", model, false), path, error);
}

std::unique_ptr<FileReport> ModelReport::md2(const std::string& path, std::string& error) {
    tMeshModel model;
    if (!CMD2Loader(stderr).import(model, path, std::string()))
        return refuse(path, error);
    Counts counts = meshCounts("md2", model, true);
    counts.frames = static_cast<int>(model.objects.size());
    for (const tAnimationInfo& animation : model.animations)
        counts.animations.push_back({animation.strName, animation.startFrame, animation.endFrame});
    return report(std::move(counts), path, error);
}

std::unique_ptr<FileReport> ModelReport::obj(const std::string& path, std::string& error) {
    tMeshModel model;
    if (!CObjLoader(stderr).import(path, model))
        return refuse(path, error);
    return report(meshCounts("obj", model, false), path, error);
}
