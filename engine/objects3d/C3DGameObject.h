#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Basic/CVector3.h"

class GameModel;

// One model placed in the world: a native XML model (kind 0), an MD2 (1),
// 3DS (2) or OBJ (3) model. It forwards placement, drawing and shadow work
// to the model it owns and keeps the flags the 3D game object manager
// reads. A load that fails (a missing file, a document that does not parse,
// a number that does not convert) prints why and leaves the object empty;
// an empty object draws nothing, casts nothing and counts no vertices.
class C3DGameObject {
public:
    enum Kind { NATIVE = 0, MD2 = 1, MODEL_3DS = 2, OBJ = 3 };

    C3DGameObject();
    virtual ~C3DGameObject();

    virtual bool loadMD2(const std::string& modelPath, const std::string& skinPath);
    virtual bool loadNative(const std::string& path);
    virtual bool load3DS(const std::string& textureDirectory, const std::string& file, int swapYZ);
    virtual bool loadOBJ(const std::string& file, const std::string& texture);
    // Native and MD2 models draw both sides; 3DS and OBJ models cull back
    // faces.
    virtual void render(bool textured);
    virtual void setPosition(float x, float y, float z);
    virtual CVector3 getPosition() const;
    virtual void setCastsShadow(bool value);
    virtual bool castsShadow() const;
    virtual void setEnabled(bool value);
    virtual bool isEnabled() const;
    virtual void drawShadowVolume();
    virtual void setScale(float x, float y, float z);
    virtual void setRotation(float angle);
    // Rebuilds the shadow volume for light 1 when it is out of date; MD2
    // models rebuild every time.
    virtual void castShadow();
    virtual void drawShadowStencil();
    virtual void setShadowDirty(bool value);
    virtual std::uint64_t getVertexCount() const;
    virtual void drawBoundingBoxes();
    virtual CVector3 getBoundingMin() const;
    virtual CVector3 getBoundingMax() const;
    virtual bool isVisible() const;
    virtual void setVisible(bool value);
    // Tests the model's world box against the camera's view frustum.
    virtual void updateVisibility();
    virtual void setAnimation(int index);
    virtual void setFramesPerSecond(float fps);

    bool isEmpty() const { return !model; }
    int getKind() const { return kind; }

private:
    // Runs load on a new model of the given kind and keeps it when it
    // succeeds; the reason of a failure is printed.
    template <typename Model, typename Load>
    bool adopt(Kind newKind, const std::string& path, Load load);

    std::unique_ptr<GameModel> model;
    int kind = NATIVE;
    bool castsShadowFlag = false;
    bool enabled = true;
    bool shadowDirty = true;
    bool visible = false;
};
