#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Basic/CVector3.h"
#include "graphics/GLBuffer.h"

// A textured half sphere drawn around the scene as sky, turning slowly
// about the vertical axis. Its vertices and spherical texture coordinates
// are made once and kept in two buffer objects; a frame draws them as one
// triangle strip.
class CSkyDome {
public:
    CSkyDome() = default;
    virtual ~CSkyDome();

    // Builds the dome from angle steps in whole degrees (dtheta around,
    // dphi from the pole down) and loads the texture. Steps that are not
    // positive whole numbers below 360 and 90 are refused with a message
    // and false; steps that do not divide 360 or 90 leave the last ring or
    // band short, as the loops stop there.
    virtual bool init(float dtheta, float dphi, float radius, const std::string& texturePath);
    virtual void normalize(float& x, float& y, float& z);
    virtual void computeTexCoord(int uIndex, int vIndex, float x, float y, float z);
    virtual void draw();
    virtual void release();
    virtual void setPosition(const CVector3& value);
    virtual void setPosition(float x, float y, float z);
    virtual void setRotationSpeed(float degreesPerSecond);
    virtual float getRotationSpeed() const;

    int getVertexCount() const { return vertexCount; }
    const std::vector<float>& getVertices() const { return vertices; }
    const std::vector<float>& getTexCoords() const { return texCoords; }
    float getAngle() const { return angle; }

private:
    void emitVertex(float phi, float theta, float radius);

    std::vector<float> vertices;
    std::vector<float> texCoords;
    int vertexCount = 0;
    float angle = 0.0f;
    CVector3 position{0, 0, 0};
    float rotationSpeed = 1.0f;
    std::uint32_t texture = 0;
    GLBuffer vertexBuffer;
    GLBuffer texCoordBuffer;
};
