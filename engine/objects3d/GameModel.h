#pragma once
#include <cstdint>
#include <type_traits>
#include <utility>

#include "Basic/CVector3.h"

// What a 3D game object needs of the model it holds, whatever its format.
// GameModelOf adapts each model class, whose operations share their names
// but not a base class.
class GameModel {
public:
    virtual ~GameModel() = default;
    virtual void render(bool textured) = 0;
    virtual void drawBoundingBoxes() = 0;
    virtual void castShadow(const CVector3& light) = 0;
    virtual void drawShadowVolume() = 0;
    virtual void drawShadowStencil() = 0;
    virtual void setPosition(float x, float y, float z) = 0;
    virtual CVector3 getPosition() const = 0;
    virtual void setScale(float x, float y, float z) = 0;
    virtual void setRotation(float angle) = 0;
    virtual CVector3 getBoundingMin() const = 0;
    virtual CVector3 getBoundingMax() const = 0;
    virtual std::uint64_t getVertexCount() const = 0;
    // Animated models only; the others ignore them.
    virtual void setAnimation(int index) = 0;
    virtual void setFramesPerSecond(float fps) = 0;
};

template <typename M, typename = void>
struct RendersWithTexturing : std::false_type {};
template <typename M>
struct RendersWithTexturing<M, std::void_t<decltype(std::declval<M&>().render(true))>> : std::true_type {};

template <typename M, typename = void>
struct HasAnimations : std::false_type {};
template <typename M>
struct HasAnimations<M, std::void_t<decltype(std::declval<M&>().setAnimation(0))>> : std::true_type {};

template <typename Model>
class GameModelOf : public GameModel {
public:
    template <typename... Args>
    explicit GameModelOf(Args&&... args) : model(std::forward<Args>(args)...) {}

    Model& get() { return model; }

    // Formats whose render takes no argument draw textured anyway.
    void render(bool textured) override {
        if constexpr (RendersWithTexturing<Model>::value)
            model.render(textured);
        else
            model.render();
    }
    void drawBoundingBoxes() override { model.drawBoundingBoxes(); }
    void castShadow(const CVector3& light) override { model.castShadow(light); }
    void drawShadowVolume() override { model.drawShadowVolume(); }
    void drawShadowStencil() override { model.drawShadowStencil(); }
    void setPosition(float x, float y, float z) override { model.setPosition(x, y, z); }
    CVector3 getPosition() const override { return model.getPosition(); }
    void setScale(float x, float y, float z) override { model.setScale(x, y, z); }
    void setRotation(float angle) override { model.setRotation(angle); }
    CVector3 getBoundingMin() const override { return model.getBoundingMin(); }
    CVector3 getBoundingMax() const override { return model.getBoundingMax(); }
    std::uint64_t getVertexCount() const override { return model.getVertexCount(); }
    void setAnimation(int index) override {
        if constexpr (HasAnimations<Model>::value)
            model.setAnimation(index);
    }
    void setFramesPerSecond(float fps) override {
        if constexpr (HasAnimations<Model>::value)
            model.setFramesPerSecond(fps);
    }

private:
    Model model;
};
