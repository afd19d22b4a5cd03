#include "Models/loaders/CKObjectLoader.h"

#include <algorithm>

#include "Basic/C3DMath.h"
#include "Basic/CVector2.h"
#include "Models/loaders/BoundsBuilder.h"
#include "Models/loaders/ModelAttributes.h"
#include "bytes/TextFormat.h"
#include "xml/XmlNode.h"
#include "xml/XmlReader.h"

namespace {
using Children = XmlNode::Children;

const XmlNode* childAt(const XmlNode& node, std::size_t i) {
    const Children& children = node.getChildren();
    return i < children.size() ? children[i].get() : nullptr;
}

// How many of the declared elements the document really holds from
// position first on; says so when they differ.
std::size_t presentCount(std::int32_t declared, const XmlNode& parent, std::size_t first, const char* what,
                         const std::string& owner, std::FILE* console) {
    const std::size_t children = parent.getChildren().size();
    const std::size_t available = first < children ? children - first : 0;
    const std::size_t wanted = declared > 0 ? static_cast<std::size_t>(declared) : 0;
    if (declared < 0 || wanted > available)
        std::fprintf(console, "\n%s declares %d %s but holds %zu; %zu are read.", owner.c_str(), declared, what,
                     available, std::min(wanted, available));
    return std::min(wanted, available);
}

void readColor(const XmlNode* element, const char* place, std::FILE* console, float (&rgba)[4]) {
    const ModelAttributes attributes(element, place, console);
    const char* names[] = {"r", "g", "b", "a"};
    for (int i = 0; i < 4; ++i)
        attributes.require(names[i], rgba[i]);
}

CKObjectLoader::vertex readVertex(const XmlNode* element, std::FILE* console) {
    const ModelAttributes attributes(element, " at vertex tag", console);
    CKObjectLoader::vertex v;
    attributes.require("x", v.x);
    attributes.require("y", v.y);
    attributes.require("z", v.z);
    for (auto [name, field] : {std::pair{"u0", &v.u0},
                               {"v0", &v.v0},
                               {"u1", &v.u1},
                               {"v1", &v.v1},
                               {"u2", &v.u2},
                               {"v2", &v.v2},
                               {"u3", &v.u3},
                               {"v3", &v.v3},
                               {"r", &v.r},
                               {"g", &v.g},
                               {"b", &v.b},
                               {"a", &v.a}})
        attributes.optional(name, *field);
    return v;
}

CVector3 positionOf(const CKObjectLoader::vertex& v) { return {v.x, v.y, v.z}; }
}  // namespace

CKObjectLoader::CKObjectLoader(TextureLoader loadTexture, std::FILE* console)
    : loadTexture(std::move(loadTexture)), console(console) {}

void CKObjectLoader::say(const std::string& text) { std::fputs(text.c_str(), console); }

std::int32_t CKObjectLoader::loadImage(const std::string& path) { return loadTexture ? loadTexture(path) : 0; }

K3DModel CKObjectLoader::load(const std::string& fileName) { return loadDocument(*readDocument(fileName), fileName); }

K3DModel CKObjectLoader::loadDocument(const XmlNode& root, const std::string& fileName) {
    K3DModel model;
    model.fileName = fileName;
    const ModelAttributes attributes(&root, "", console);
    if (attributes.has("name"))
        attributes.require("name", model.name);
    else
        say("\nCannot found name attribute. Not a valid Kavor Engine 3D Model xml file!");
    attributes.require("numsubobjects", model.numSubObjects);
    attributes.require("nummaterials", model.numMaterials);
    attributes.require("numofparallaxmap", model.numParallaxMaps);
    if (const XmlNode* container = childAt(root, 0)) {
        readMaterials(*container, model);
        readParallaxMaps(*container, model);
        readObjects(*container, model);
    } else if (model.numSubObjects > 0 || model.numMaterials > 0 || model.numParallaxMaps > 0) {
        say("\nThe model holds no elements.");
    }
    computeBoundingBoxes(model);
    return model;
}

void CKObjectLoader::readMaterials(const XmlNode& container, K3DModel& model) {
    const std::size_t count = presentCount(model.numMaterials, container, 0, "materials", "The model", console);
    model.materials.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        model.materials.push_back(readMaterial(*container.getChildren()[i]));
}

K3DModelMaterialInfo CKObjectLoader::readMaterial(const XmlNode& element) {
    K3DModelMaterialInfo material;
    const ModelAttributes attributes(&element, " at material tag", console);
    attributes.require("name", material.name);
    attributes.require("opacity", material.opacity);
    readColor(childAt(element, 0), " at material ambient tag", console, material.ambient);
    readColor(childAt(element, 1), " at material diffuse tag", console, material.diffuse);
    readColor(childAt(element, 2), " at material specular tag", console, material.specular);
    const XmlNode* texture = childAt(element, 3);
    if (!texture) {
        say("\nNo colormap information found.");
        return material;
    }
    if (ModelAttributes(texture, " at material tag", console).require("colormap", material.colorMapFile)) {
        material.textureId = loadImage(material.colorMapFile);
        say(TextFormat::format("\nMaterial ID: %d", material.textureId));
    }
    return material;
}

// Positions up to the materials plus the parallax maps are scanned; every
// element named "parallaxmap" is one.
void CKObjectLoader::readParallaxMaps(const XmlNode& container, K3DModel& model) {
    const std::size_t scanned = std::min<std::size_t>(
        container.getChildren().size(), std::max(0, model.numMaterials) + std::max(0, model.numParallaxMaps));
    for (std::size_t i = 0; i < scanned; ++i) {
        const XmlNode& element = *container.getChildren()[i];
        if (element.getName() != "parallaxmap")
            continue;
        K3DModelMaterialInfo map;
        ModelAttributes(&element, " at parallaxmap tag", console).require("name", map.name);
        if (ModelAttributes(childAt(element, 0), " at parallaxmap texture tag", console)
                .require("heightmap", map.colorMapFile)) {
            map.textureId = loadImage(map.colorMapFile);
            say(TextFormat::format("Parallax map tex Id: %d", map.textureId));
        }
        model.parallaxMaps.push_back(map);
    }
}

void CKObjectLoader::readObjects(const XmlNode& container, K3DModel& model) {
    const std::size_t scanned = std::min<std::size_t>(
        container.getChildren().size(),
        std::max(0, model.numSubObjects) + std::max(0, model.numMaterials) + std::max(0, model.numParallaxMaps));
    for (std::size_t i = 0; i < scanned; ++i) {
        const XmlNode& element = *container.getChildren()[i];
        say("Object tomb: " + element.getName());
        if (element.getName() == "object")
            readObject(element, model);
    }
}

void CKObjectLoader::readObject(const XmlNode& element, K3DModel& model) {
    K3DModelObject object;
    const ModelAttributes attributes(&element, " at object tag", console);
    attributes.require("name", object.name);
    attributes.require("numvertices", object.numVertices);
    attributes.require("numfaces", object.numFaces);
    say("Obj:NAME: " + object.name);
    say(TextFormat::format("Obj vertices num: %d", object.numVertices));
    say(TextFormat::format("\nNum of faces = %d", object.numFaces));
    model.totalVertices += static_cast<std::uint64_t>(std::max(0, object.numVertices));

    const ModelAttributes position(childAt(element, 0), " at position tag", console);
    position.require("x", object.position.x);
    position.require("y", object.position.y);
    position.require("z", object.position.z);
    const ModelAttributes orientation(childAt(element, 1), " at orientation tag", console);
    orientation.require("angle", object.orientationAngle);
    orientation.require("x", object.orientationX);
    orientation.require("y", object.orientationY);
    orientation.require("z", object.orientationZ);

    const std::string owner = "Object " + object.name;
    const std::size_t vertices = presentCount(object.numVertices, element, 2, "vertices", owner, console);
    object.vertices.reserve(vertices);
    for (std::size_t i = 0; i < vertices; ++i)
        object.vertices.push_back(readVertex(childAt(element, 2 + i), console));
    const std::size_t firstFace = 2 + static_cast<std::size_t>(std::max(0, object.numVertices));
    const std::size_t faces = presentCount(object.numFaces, element, firstFace, "faces", owner, console);
    readFaces(element, firstFace, faces, model, object);
    model.objects.push_back(std::move(object));
}

void CKObjectLoader::readFaces(const XmlNode& element, std::size_t first, std::size_t count, const K3DModel& model,
                               K3DModelObject& object) {
    object.faces.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const ModelAttributes attributes(childAt(element, first + i), " at faces tag", console);
        K3DFace face;
        attributes.require("a", face.a);
        attributes.require("b", face.b);
        attributes.require("c", face.c);
        attributes.optional("d", face.d);
        if (!attributes.has("materialindex"))
            say("\nWarning: No material index at faces tag!");
        attributes.optional("materialindex", face.materialindex);
        if (!attributes.has("parallaxmapindex"))
            say("\nWarning: No parallaxmapindex index at faces tag!");
        attributes.optional("parallaxmapindex", face.parallaxmapindex);
        if (!faceIndicesValid(face, static_cast<int>(i), model, object))
            continue;
        object.faces.push_back(face);
        computeFaceNormal(static_cast<int>(object.faces.size() - 1), object);
    }
}

bool CKObjectLoader::faceIndicesValid(const K3DFace& face, int faceIndex, const K3DModel& model,
                                      const K3DModelObject& object) {
    const auto outside = [](std::int32_t index, std::size_t size, bool noneAllowed) {
        return !(noneAllowed && index == -1) && (index < 0 || static_cast<std::size_t>(index) >= size);
    };
    const auto reject = [&](const char* what, std::int32_t index, std::size_t size, const char* list) {
        say(TextFormat::format("\nFace %d of object %s uses %s %d outside its %zu %s; the face is skipped.", faceIndex,
                               object.name.c_str(), what, index, size, list));
        return false;
    };
    for (std::int32_t corner : {face.a, face.b, face.c, face.d})
        if (outside(corner, object.vertices.size(), corner == face.d))
            return reject("vertex", corner, object.vertices.size(), "vertices");
    if (outside(face.materialindex, model.materials.size(), true))
        return reject("material", face.materialindex, model.materials.size(), "materials");
    if (outside(face.parallaxmapindex, model.parallaxMaps.size(), true))
        return reject("parallax map", face.parallaxmapindex, model.parallaxMaps.size(), "parallax maps");
    return true;
}

void CKObjectLoader::computeFaceNormal(int faceIndex, K3DModelObject& object) {
    K3DFace& face = object.faces[static_cast<std::size_t>(faceIndex)];
    const CVector3 a = positionOf(object.vertices[static_cast<std::size_t>(face.a)]);
    const CVector3 b = positionOf(object.vertices[static_cast<std::size_t>(face.b)]);
    const CVector3 c = positionOf(object.vertices[static_cast<std::size_t>(face.c)]);
    face.normal = cross(b - a, c - a);
    face.normal.normalize();
}

void CKObjectLoader::computeBoundingBoxes(K3DModel& model) {
    BoundsBuilder whole;
    for (K3DModelObject& object : model.objects) {
        BoundsBuilder box;
        for (const vertex& v : object.vertices) {
            box.add(positionOf(v));
            whole.add(positionOf(v));
        }
        object.boundsMin = box.min;
        object.boundsMax = box.max;
    }
    model.boundsMin = whole.min;
    model.boundsMax = whole.max;
}

void CKObjectLoader::buildTangentSpace(K3DModel& model) {
    for (K3DModelObject& object : model.objects)
        for (K3DFace& face : object.faces) {
            const vertex& a = object.vertices[static_cast<std::size_t>(face.a)];
            const vertex& b = object.vertices[static_cast<std::size_t>(face.b)];
            const vertex& c = object.vertices[static_cast<std::size_t>(face.c)];
            computeTangentSpace(positionOf(a), positionOf(b), positionOf(c), {a.u0, a.v0}, {b.u0, b.v0}, {c.u0, c.v0},
                                face.tangent, face.binormal);
        }
}
