#pragma once
#include <array>

#include "Basic/CVector3.h"

// A fixed-function light (every light drives GL_LIGHT0) with the projection
// and view matrices of the shadow map it casts: a perspective projection
// from its position looking at its target. The matrices are computed in
// code, without the OpenGL matrix stacks, so a light can be made and moved
// before any window exists.
class CLight {
public:
    using Vec4 = std::array<float, 4>;
    using Matrix = std::array<float, 16>;

    CLight();
    virtual ~CLight() = default;

    // Copies all four, clears enabled and recomputes the matrices.
    virtual void setup(const Vec4& position, const Vec4& diffuse, const Vec4& ambient, const Vec4& specular);
    // Switches lighting and GL_LIGHT0 off.
    virtual void disable();
    // Programs GL_LIGHT0 with this light and switches lighting on.
    virtual void enable();
    virtual const Vec4& getPosition() const;
    // Also sends the position to GL_LIGHT0 (through the current modelview
    // matrix, as OpenGL does), asks for the shadows to be rebuilt and
    // recomputes the matrices.
    virtual void setPosition(float x, float y, float z, float w);
    virtual const Matrix& getProjectionMatrix() const;
    virtual const Matrix& getViewMatrix() const;
    // Lens and aim; they take effect at the next setup or setPosition.
    virtual void setFov(float degrees);
    virtual float getFov() const;
    virtual void setAspect(float value);
    virtual float getAspect() const;
    virtual void setNear(float value);
    virtual float getNear() const;
    virtual void setFar(float value);
    virtual float getFar() const;
    virtual void setTargetVector(const CVector3& value);
    virtual void setTarget(float x, float y, float z);
    virtual void setUpVector(const CVector3& value);
    virtual void setUp(float x, float y, float z);
    virtual CVector3 getTarget() const;
    virtual CVector3 getUp() const;

    bool isEnabled() const { return enabled; }

private:
    void updateMatrices();

    Vec4 position{50.0f, 145.3f, 140.0f, 1.0f};
    Vec4 diffuse{0.9f, 0.9f, 0.9f, 1.0f};
    Vec4 ambient{0.6f, 0.6f, 0.6f, 0.0f};
    Vec4 specular{0.9f, 0.9f, 0.9f, 1.0f};
    bool enabled = false;
    Matrix projection{};
    Matrix view{};
    float fov = 45.0f;
    float aspect = 1.0f;
    float zNear = 1.0f;
    float zFar = 1500.0f;
    CVector3 target{0, 0, 0};
    CVector3 up{0, 1, 0};
};
