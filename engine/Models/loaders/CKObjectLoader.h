#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Basic/CVector3.h"

class XmlNode;
struct K3DModelObject;
struct K3DModel;

// A face of a native model: a triangle, or a quad when d is not -1.
struct K3DFace {
    std::int32_t a = 0, b = 0, c = 0;
    std::int32_t d = -1;
    std::int32_t materialindex = -1;     // -1: no material
    std::int32_t parallaxmapindex = -1;  // -1: no parallax map
    CVector3 normal;
    CVector3 tangent;
    CVector3 binormal;
};

// A material, or a parallax map (its textureId is then the height map's).
struct K3DModelMaterialInfo {
    std::string name;
    std::string colorMapFile;  // the image path; empty without one
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    std::int32_t textureId = -1;  // -1: none
    float opacity = 0.0f;
};

// Reads the engine's native model files: XML documents listing materials,
// parallax (height) maps and sub-objects with explicit vertices and faces.
// Parsing makes no OpenGL call: colour and height maps are loaded through
// the texture loader handed in (the engine's image loader, or a stand-in),
// at the point of the walk where the file names them, so console lines keep
// their order. Missing attributes are reported on the console and the load
// goes on; a document that does not parse throws XmlError, a value that is
// not a number throws std::invalid_argument. Counts and indices are checked:
// nothing is read outside a list, and faces with bad indices are dropped
// with a message.
class CKObjectLoader {
public:
    // Loads an image file, answering its texture name (0 on failure).
    using TextureLoader = std::function<std::int32_t(const std::string& path)>;

    struct vertex {
        float x = 0, y = 0, z = 0;
        // Texture coordinates; a u0 of exactly -1 means "none".
        float u0 = -1, v0 = -1, u1 = -1, v1 = -1, u2 = -1, v2 = -1, u3 = -1, v3 = -1;
        float r = 1, g = 1, b = 1, a = 1;
    };

    explicit CKObjectLoader(TextureLoader loadTexture = {}, std::FILE* console = stdout);
    virtual ~CKObjectLoader() = default;

    virtual K3DModel load(const std::string& fileName);
    // Unit normal of face faceIndex from its first three corners.
    virtual void computeFaceNormal(int faceIndex, K3DModelObject& object);
    virtual void computeBoundingBoxes(K3DModel& model);
    virtual void buildTangentSpace(K3DModel& model);

    // load on a document already read.
    K3DModel loadDocument(const XmlNode& root, const std::string& fileName);

private:
    void readMaterials(const XmlNode& container, K3DModel& model);
    K3DModelMaterialInfo readMaterial(const XmlNode& element);
    void readParallaxMaps(const XmlNode& container, K3DModel& model);
    void readObjects(const XmlNode& container, K3DModel& model);
    void readObject(const XmlNode& element, K3DModel& model);
    void readFaces(const XmlNode& element, std::size_t first, std::size_t count, const K3DModel& model,
                   K3DModelObject& object);
    bool faceIndicesValid(const K3DFace& face, int faceIndex, const K3DModel& model, const K3DModelObject& object);
    std::int32_t loadImage(const std::string& path);
    void say(const std::string& text);

    TextureLoader loadTexture;
    std::FILE* console;
};

// One sub-object of a native model.
struct K3DModelObject {
    std::int32_t numVertices = 0;
    std::int32_t numFaces = 0;
    std::string name;
    std::vector<CKObjectLoader::vertex> vertices;
    std::vector<K3DFace> faces;
    CVector3 position;
    float orientationAngle = 0, orientationX = 0, orientationY = 0, orientationZ = 0;
    CVector3 boundsMin, boundsMax;
};

// A whole native model as the loader returns it.
struct K3DModel {
    std::string name;
    std::string fileName;
    std::int32_t numSubObjects = 0;
    std::int32_t numMaterials = 0;
    std::int32_t numParallaxMaps = 0;
    std::vector<K3DModelMaterialInfo> materials;
    std::vector<K3DModelMaterialInfo> parallaxMaps;
    std::vector<K3DModelObject> objects;
    CVector3 boundsMin, boundsMax;
    std::uint64_t totalVertices = 0;  // the sum of the declared vertex counts
};
