#pragma once
#include "Basic/CVector3.h"

// 4x4 float matrix in OpenGL (column-major) order: element m[i] lies in
// column i / 4 and row i % 4, the translation is m[12..14]. It can be handed
// to glLoadMatrixf / glMultMatrixf unchanged. Angles are in degrees.
class matrix4x4f {
public:
    // A new matrix is the identity.
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    void loadIdentity();
    void setTranslation(const CVector3& t);
    void setTranslationX(float value);
    void setTranslationY(float value);
    void setTranslationZ(float value);
    // Rotation about an arbitrary axis. The axis is normalised in place, so
    // the caller's vector comes back with unit length.
    void setRotation(float angle, CVector3& axis);
    void setRotationX(float angle);
    void setRotationY(float angle);
    void setRotationZ(float angle);
    void setScale(const CVector3& s);
    // Affine transforms in place, without perspective divide; vectors ignore
    // the translation. Inline: they run per vertex and per particle.
    void transformPoint(CVector3& v) const {
        transformVector(v);
        v += CVector3(m[12], m[13], m[14]);
    }
    void transformVector(CVector3& v) const {
        const CVector3 in = v;
        v.x = m[0] * in.x + m[4] * in.y + m[8] * in.z;
        v.y = m[1] * in.x + m[5] * in.y + m[9] * in.z;
        v.z = m[2] * in.x + m[6] * in.y + m[10] * in.z;
    }

    matrix4x4f operator+(const matrix4x4f& o) const;
    matrix4x4f operator-(const matrix4x4f& o) const;
    // this x other, as glMultMatrixf would compose them.
    matrix4x4f operator*(const matrix4x4f& o) const;
    matrix4x4f operator*(float s) const;

    static float degToRad(float degrees) { return degrees * 0.017453292f; }
    static float radToDeg(float radians) { return radians * 57.29578f; }

private:
    void setTranslationComponent(int axis, float value);
    void setPlaneRotation(float angle, int from, int to);
};
