#include "Models/BoxOutline.h"

#include <GL/glew.h>

#include "graphics/DefaultTexture.h"

namespace BoxOutline {
void draw(const CVector3& lo, const CVector3& hi) {
    const CVector3 corners[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z},
                                 {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    static const int kEdges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                                      {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    DefaultTexture::use();
    glBegin(GL_LINES);
    for (const auto& edge : kEdges)
        for (int end : edge)
            glVertex3fv(corners[end].ptr());
    glEnd();
}
}  // namespace BoxOutline
