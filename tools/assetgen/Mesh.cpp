#include "Mesh.h"

int Mesh::addPosition(Vec3 p) {
    positions.push_back(p);
    return static_cast<int>(positions.size()) - 1;
}

int Mesh::addTexcoord(TexCoord t) {
    texcoords.push_back(t);
    return static_cast<int>(texcoords.size()) - 1;
}

void Mesh::addQuad(const std::array<int, 4>& c, const std::array<int, 4>& t, int part) {
    triangles.push_back({{c[0], c[1], c[2]}, {t[0], t[1], t[2]}, part});
    triangles.push_back({{c[0], c[2], c[3]}, {t[0], t[2], t[3]}, part});
}
