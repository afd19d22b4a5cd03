#include "Solids.h"

#include <algorithm>
#include <stdexcept>

#include "Trig.h"

namespace Solids {
namespace {

bool isPoint(const TubeRing& r) { return r.acrossRadius == 0.0f && r.sidewaysRadius == 0.0f; }

Vec3 pointOn(const TubeRing& r, float a) {
    return r.centre + r.across * (r.acrossRadius * Trig::cosTurns(a)) +
           r.sideways * (r.sidewaysRadius * Trig::sinTurns(a));
}

// Whether the rings run so that the quads' natural order faces inwards.
bool turnsInwards(const std::vector<TubeRing>& rings) {
    for (const TubeRing& r : rings)
        if (!isPoint(r))
            return dot(cross(r.across, r.sideways), rings.back().centre - rings.front().centre) < 0.0f;
    throw std::invalid_argument("a tube needs a ring with a radius");
}

}  // namespace

TubeRing ring(Vec3 centre, Vec3 axis, Vec3 hint, float acrossRadius, float sidewaysRadius, float v) {
    const Vec3 across = normalised(hint - axis * dot(hint, axis));
    return {centre, across, cross(axis, across), acrossRadius, sidewaysRadius, v};
}

std::vector<TubeRing> uprightRings(const std::vector<Level>& levels, Vec3 front, Vec3 axisAt) {
    float top = levels.front().height, bottom = top;
    for (const Level& l : levels) {
        top = std::max(top, l.height);
        bottom = std::min(bottom, l.height);
    }
    const Vec3 up{0, 1, 0};
    std::vector<TubeRing> rings;
    for (const Level& l : levels)
        rings.push_back(ring(Vec3{axisAt.x, l.height, axisAt.z} + front * l.forward, up, front * -1.0f, l.depth,
                             l.width, (top - l.height) / (top - bottom)));
    return rings;
}

std::vector<TubeRing> limbRings(Vec3 a, Vec3 b, Vec3 c, Vec3 hint, const std::vector<Station>& stations) {
    const Vec3 first = normalised(b - a), second = normalised(c - b);
    const float t0 = stations.front().t, t1 = stations.back().t;
    std::vector<TubeRing> rings;
    for (const Station& s : stations) {
        const bool upper = s.t < 1.0f;
        const Vec3 centre = upper ? lerp(a, b, s.t) : lerp(b, c, s.t - 1.0f);
        const Vec3 axis = s.t == 1.0f ? normalised(first + second) : (upper ? first : second);
        rings.push_back(ring(centre, axis, hint, s.across, s.sideways, (s.t - t0) / (t1 - t0)));
    }
    return rings;
}

std::vector<TubeRing> footRings(Vec3 anchor, Vec3 ahead, float floorY, float closure,
                                const std::vector<FootSection>& sections) {
    const float first = sections.front().along, last = sections.back().along;
    std::vector<TubeRing> rings;
    for (const FootSection& f : sections) {
        const Vec3 centre = Vec3{anchor.x, floorY + std::max(f.height, closure), anchor.z} + ahead * f.along;
        rings.push_back(ring(centre, ahead, {0, -1, 0}, f.height, f.width, (f.along - first) / (last - first)));
    }
    return rings;
}

std::vector<float> evenColumns(int count) {
    std::vector<float> columns;
    for (int i = 0; i < count; ++i)
        columns.push_back(static_cast<float>(i) / static_cast<float>(count));
    return columns;
}

std::vector<int> addTube(Mesh& mesh, const std::vector<TubeRing>& rings, const std::vector<float>& columns,
                         const UvRect& rect, const PartAt& partAt) {
    if (rings.size() < 2 || columns.size() < 3)
        throw std::invalid_argument("a tube needs two rings and three columns");
    const bool inwards = turnsInwards(rings);
    const int n = static_cast<int>(columns.size());
    const auto u = [&](float a) { return rect.u0 + (rect.u1 - rect.u0) * a; };
    std::vector<int> starts;
    std::vector<int> texStarts;
    for (const TubeRing& r : rings) {
        starts.push_back(static_cast<int>(mesh.positions.size()));
        texStarts.push_back(static_cast<int>(mesh.texcoords.size()));
        const float v = rect.v0 + (rect.v1 - rect.v0) * r.v;
        if (isPoint(r)) {
            mesh.addPosition(r.centre);
            // One texture point per column, in the middle of its span.
            for (int k = 0; k < n; ++k) {
                const float next = k + 1 < n ? columns[static_cast<std::size_t>(k + 1)] : 1.0f;
                mesh.addTexcoord({u((columns[static_cast<std::size_t>(k)] + next) / 2.0f), v});
            }
            continue;
        }
        for (float a : columns)
            mesh.addPosition(pointOn(r, a));
        for (int k = 0; k <= n; ++k)
            mesh.addTexcoord({u(k < n ? columns[static_cast<std::size_t>(k)] : 1.0f), v});
    }
    starts.push_back(static_cast<int>(mesh.positions.size()));

    for (std::size_t i = 0; i + 1 < rings.size(); ++i) {
        const bool pointHere = isPoint(rings[i]), pointNext = isPoint(rings[i + 1]);
        if (pointHere && pointNext)
            throw std::invalid_argument("two neighbouring tube rings are both points");
        for (int k = 0; k < n; ++k) {
            const int k1 = (k + 1) % n;
            const int a = starts[i] + (pointHere ? 0 : k), b = starts[i] + (pointHere ? 0 : k1);
            const int c = starts[i + 1] + (pointNext ? 0 : k1), d = starts[i + 1] + (pointNext ? 0 : k);
            const int ta = texStarts[i] + k, tb = texStarts[i] + (pointHere ? k : k + 1);
            const int tc = texStarts[i + 1] + (pointNext ? k : k + 1), td = texStarts[i + 1] + k;
            const int part =
                partAt((mesh.positions[static_cast<std::size_t>(a)] + mesh.positions[static_cast<std::size_t>(b)] +
                        mesh.positions[static_cast<std::size_t>(c)] + mesh.positions[static_cast<std::size_t>(d)]) *
                       0.25f);
            std::array<int, 4> corners{a, b, c, d}, tex{ta, tb, tc, td};
            if (inwards) {
                std::reverse(corners.begin(), corners.end());
                std::reverse(tex.begin(), tex.end());
            }
            // At a pointed end one of the quad's two triangles has no area.
            if (pointHere)
                mesh.triangles.push_back({{corners[0], corners[2], corners[3]}, {tex[0], tex[2], tex[3]}, part});
            else if (pointNext)
                mesh.triangles.push_back({{corners[0], corners[1], corners[2]}, {tex[0], tex[1], tex[2]}, part});
            else
                mesh.addQuad(corners, tex, part);
        }
    }
    return starts;
}

std::vector<int> addTube(Mesh& mesh, const std::vector<TubeRing>& rings, const std::vector<float>& columns,
                         const UvRect& rect, int part) {
    return addTube(mesh, rings, columns, rect, [part](Vec3) { return part; });
}

namespace {

// The rectangle centre +- right +- up as a quad facing cross(right, up),
// with the texture projected onto it.
void addPlanarQuad(Mesh& mesh, Vec3 centre, Vec3 right, Vec3 up, float unitsPerTexture, int part) {
    const Vec3 corners[4] = {centre - right - up, centre + right - up, centre + right + up, centre - right + up};
    const Vec3 unitRight = normalised(right), unitUp = normalised(up);
    std::array<int, 4> p{}, t{};
    for (int i = 0; i < 4; ++i) {
        p[static_cast<std::size_t>(i)] = mesh.addPosition(corners[i]);
        t[static_cast<std::size_t>(i)] = mesh.addTexcoord(
            {dot(corners[i], unitRight) / unitsPerTexture, -dot(corners[i], unitUp) / unitsPerTexture});
    }
    mesh.addQuad(p, t, part);
}

}  // namespace

void addBox(Mesh& mesh, Vec3 min, Vec3 max, float unitsPerTexture, int part) {
    const Vec3 c = (min + max) * 0.5f, h = (max - min) * 0.5f;
    const Vec3 x{h.x, 0, 0}, y{0, h.y, 0}, z{0, 0, h.z};
    addPlanarQuad(mesh, c + x, z * -1.0f, y, unitsPerTexture, part);
    addPlanarQuad(mesh, c - x, z, y, unitsPerTexture, part);
    addPlanarQuad(mesh, c + z, x, y, unitsPerTexture, part);
    addPlanarQuad(mesh, c - z, x * -1.0f, y, unitsPerTexture, part);
    addPlanarQuad(mesh, c + y, x, z * -1.0f, unitsPerTexture, part);
    addPlanarQuad(mesh, c - y, x, z, unitsPerTexture, part);
}

void addSlab(Mesh& mesh, const std::vector<std::array<float, 2>>& outline, const SlabPlacement& placement,
             const UvRect& rect, SlabParts parts) {
    const std::size_t n = outline.size();
    if (n < 3)
        throw std::invalid_argument("a slab needs three outline points");
    float minX = outline[0][0], maxX = minX, minY = outline[0][1], maxY = minY;
    for (const auto& p : outline) {
        minX = std::min(minX, p[0]);
        maxX = std::max(maxX, p[0]);
        minY = std::min(minY, p[1]);
        maxY = std::max(maxY, p[1]);
    }
    const Vec3 back = cross(placement.right, placement.up) * -placement.thickness;
    std::vector<int> front, rear, tex;
    for (const auto& p : outline) {
        const Vec3 at = placement.origin + placement.right * p[0] + placement.up * p[1];
        front.push_back(mesh.addPosition(at));
        rear.push_back(mesh.addPosition(at + back));
        tex.push_back(mesh.addTexcoord({rect.u0 + (rect.u1 - rect.u0) * (p[0] - minX) / (maxX - minX),
                                        rect.v0 + (rect.v1 - rect.v0) * (maxY - p[1]) / (maxY - minY)}));
    }
    for (std::size_t i = 1; i + 1 < n; ++i) {
        mesh.triangles.push_back({{front[0], front[i], front[i + 1]}, {tex[0], tex[i], tex[i + 1]}, parts.front});
        mesh.triangles.push_back({{rear[0], rear[i + 1], rear[i]}, {tex[0], tex[i + 1], tex[i]}, parts.back});
    }
    // The rim has positions of its own, so that the vertex normals a loader
    // averages over shared positions keep the slab's edges sharp.
    std::vector<int> rimFront, rimRear;
    for (std::size_t i = 0; i < n; ++i) {
        rimFront.push_back(mesh.addPosition(mesh.positions[static_cast<std::size_t>(front[i])]));
        rimRear.push_back(mesh.addPosition(mesh.positions[static_cast<std::size_t>(rear[i])]));
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        mesh.addQuad({rimFront[i], rimRear[i], rimRear[j], rimFront[j]}, {tex[i], tex[i], tex[j], tex[j]}, parts.side);
    }
}

}  // namespace Solids
