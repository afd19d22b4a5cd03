#include "scene2d/CBoundingBox2D.h"

#include <GL/glew.h>

#include "graphics/CGraphicsCore.h"
#include "runtime/EngineGlobals.h"

void CBoundingBox2D::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
}

void CBoundingBox2D::setCorners(const CVector2& first, const CVector2& second) {
    firstCorner.set(first);
    secondCorner.set(second);
}

void CBoundingBox2D::move(const CVector2& offset) {
    firstCorner += offset;
    secondCorner += offset;
}

void CBoundingBox2D::draw(const CVector2& position) {
    CGraphicsCore* core = EngineGlobals::graphicsCore;
    if (!core)
        return;  // the outline needs the core's wire-frame switch
    core->setWireframe(true);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    const float x = position.x;
    const float y = position.y;
    glBegin(GL_QUADS);
    glVertex3f(x, y + height, 0.0f);
    glVertex3f(x + width, y + height, 0.0f);
    glVertex3f(x + width, y, 0.0f);
    glVertex3f(x, y, 0.0f);
    glEnd();
    core->setWireframe(false);
}

float CBoundingBox2D::getWidth() const { return width; }

float CBoundingBox2D::getHeight() const { return height; }

const CVector2& CBoundingBox2D::getFirstCorner() const { return firstCorner; }

const CVector2& CBoundingBox2D::getSecondCorner() const { return secondCorner; }
