#pragma once
#include <cstdint>
#include <string>

#include "Models/PlacedModel.h"
#include "Models/loaders/CKObjectLoader.h"
#include "Models/CShadowVolume.h"

// A model in the engine's native XML format, drawn in immediate mode with
// fixed-function texturing or with the built-in parallax program. Its
// colour and height maps are loaded through the engine's image loader.
class CKObject : public PlacedModel {
public:
    CKObject();
    ~CKObject() override;

    // Reads the file (throws XmlError for a document that does not parse,
    // std::invalid_argument for a value that is not a number), builds the
    // tangent space and places the world box.
    virtual void load(const std::string& fileName);
    // Each sub-object whose box the camera sees; textured selects the
    // materials' colour maps on unit 0 (otherwise texturing is left alone).
    virtual void render(bool textured);
    // As render, through the parallax program with each face's height map on
    // unit 1.
    virtual void renderParallax(bool textured);
    // White outlines of the model's box and of every sub-object's box.
    virtual void drawBoundingBoxes();
    // Rebuilds the shadow volume of the first sub-object for a light at
    // light (placed by the model's position only).
    virtual void castShadow(const CVector3& light);
    void drawShadowVolume() override;
    // The sum of the declared vertex counts.
    virtual std::uint64_t getVertexCount() const;

    const K3DModel& getModel() const { return model; }

protected:
    void updateBounds() override;

private:
    // Binds the face's colour map on unit 0 (or switches texturing off).
    void bindColorMap(const K3DFace& face);
    // The faces of every visible object; beforeFace runs ahead of each.
    template <typename BeforeFace>
    void drawFaces(bool textured, BeforeFace beforeFace);

    CKObjectLoader loader;
    K3DModel model;
    CShadowVolume shadowVolume;
};
