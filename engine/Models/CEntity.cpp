#include "Models/CEntity.h"

#include <GL/glew.h>

#include "graphics/CGraphicsCore.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"

void CEntity::transformBounds(CVector3& a, CVector3& b) {
    matrix.setScale(scale);
    matrix.transformPoint(a);
    matrix.transformPoint(b);
    matrix.setRotationY(angle);
    matrix.transformPoint(a);
    matrix.transformPoint(b);
    a += position;
    b += position;
}

void CEntity::setBoundingBox(CVector3 min, CVector3 max) {
    boundsMin = min;
    boundsMax = max;
    transformBounds(boundsMin, boundsMax);
}

void CEntity::applyTransform() {
    glTranslatef(position.x, position.y, position.z);
    glRotatef(angle, axis.x, axis.y, axis.z);
    glScalef(scale.x, scale.y, scale.z);
}

bool CEntity::boxVisible(CVector3 min, CVector3 max) {
    if (!EngineGlobals::camera)
        return true;
    transformBounds(min, max);
    return EngineGlobals::camera->getFrustum().boxInFrustum(min.x, min.y, min.z, max.x, max.y, max.z) !=
           CFrustum::OUTSIDE;
}

void CEntity::stencilPass(const std::function<void()>& drawVolume) const {
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    const bool twoSided = EngineGlobals::graphicsCore && EngineGlobals::graphicsCore->hasTwoSidedStencil();
    if (twoSided) {
        glDisable(GL_CULL_FACE);
        glEnable(GL_STENCIL_TEST_TWO_SIDE_EXT);
        for (auto [face, op] : {std::pair{GL_BACK, GL_DECR_WRAP_EXT}, {GL_FRONT, GL_INCR_WRAP_EXT}}) {
            glActiveStencilFaceEXT(face);
            glStencilOp(GL_KEEP, GL_KEEP, op);
            glStencilMask(~0u);
            glStencilFunc(GL_ALWAYS, 0, ~0u);
        }
        drawVolume();
        glDisable(GL_STENCIL_TEST_TWO_SIDE_EXT);
        glCullFace(GL_BACK);
    } else {
        glStencilFunc(GL_ALWAYS, 0, 0);
        glEnable(GL_CULL_FACE);
        for (auto [cull, op] : {std::pair{GL_FRONT, GL_INCR}, {GL_BACK, GL_DECR}}) {
            glStencilOp(GL_KEEP, GL_KEEP, op);
            glCullFace(cull);
            drawVolume();
        }
        glDisable(GL_CULL_FACE);
    }
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glDisable(GL_STENCIL_TEST);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}
