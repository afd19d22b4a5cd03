#pragma once
#include <array>
#include <functional>
#include <vector>

#include "Mesh.h"

// A rectangle of a texture in picture space (see TexCoord).
struct UvRect {
    float u0, v0, u1, v1;
};

// A cross-section of a tube: the ellipse through the points
//   centre + across * acrossRadius * cos(a) + sideways * sidewaysRadius * sin(a)
// for a = 0..1 turn. A ring whose radii are both 0 is a single point, which
// closes the tube there. v places the ring along the tube's texture
// rectangle (0 at its top row, 1 at its bottom row).
struct TubeRing {
    Vec3 centre;
    Vec3 across;
    Vec3 sideways;
    float acrossRadius = 0.0f;
    float sidewaysRadius = 0.0f;
    float v = 0.0f;
};

// Closed solids built from quads, every face counter-clockwise seen from
// outside.
namespace Solids {

using PartAt = std::function<int(Vec3)>;

// The ring around the unit axis with a = 0 towards hint (not parallel to it).
TubeRing ring(Vec3 centre, Vec3 axis, Vec3 hint, float acrossRadius, float sidewaysRadius, float v);

// A cross-section of an upright tube (axis +y) at the given height, its
// centre forward units out along the tube's front direction, with radii
// depth (front to back) and width (side to side). Depth and width both 0
// close the tube.
struct Level {
    float height, forward, depth, width;
};

// Rings through the levels around the vertical line through axisAt, a = 0
// at the back and 1/2 at the front; v runs from the highest level (0) to
// the lowest (1).
std::vector<TubeRing> uprightRings(const std::vector<Level>& levels, Vec3 front, Vec3 axisAt = {});

// A cross-section of a limb running from joint a through b to c: t is
// 0..1 along the first segment, 1..2 along the second, and beyond either
// end along that end's segment. At t = 1 the ring bisects the joint.
struct Station {
    float t, across, sideways;
};

// Rings through the stations, a = 0 towards hint; v runs from the first
// station (0) to the last (1).
std::vector<TubeRing> limbRings(Vec3 a, Vec3 b, Vec3 c, Vec3 hint, const std::vector<Station>& stations);

// A cross-section of a foot: along units ahead of its anchor, with its
// height and half width. Height 0 closes the tube there.
struct FootSection {
    float along, height, width;
};

// Rings of a foot lying along the unit direction ahead from anchor (whose
// height is ignored), each resting on the floor at height floorY: a = 0 is
// the sole. The closing points sit closure units above the floor; v runs
// from the first section (0) to the last (1).
std::vector<TubeRing> footRings(Vec3 anchor, Vec3 ahead, float floorY, float closure,
                                const std::vector<FootSection>& sections);

// count values a spread evenly over a turn, starting at 0.
std::vector<float> evenColumns(int count);

// A tube through rings (in order) with a vertex at each column value a
// (increasing, in [0, 1)). The texture wraps once around it across rect,
// u0 at a = 0. partAt chooses each quad's part by its centre. Returns the
// index of each ring's first position, then one past the last position.
std::vector<int> addTube(Mesh& mesh, const std::vector<TubeRing>& rings, const std::vector<float>& columns,
                         const UvRect& rect, const PartAt& partAt);
std::vector<int> addTube(Mesh& mesh, const std::vector<TubeRing>& rings, const std::vector<float>& columns,
                         const UvRect& rect, int part = 0);

// An axis-aligned box with flat faces; each face shows the texture
// projected onto it, repeated every unitsPerTexture units.
void addBox(Mesh& mesh, Vec3 min, Vec3 max, float unitsPerTexture, int part);

// Where a slab lies: its outline is drawn in the plane through origin
// spanned by right and up (unit, perpendicular) and seen from the front,
// cross(right, up); the slab reaches thickness units behind that plane.
struct SlabPlacement {
    Vec3 origin;
    Vec3 right;
    Vec3 up;
    float thickness;
};

struct SlabParts {
    int front, back, side;
};

// A convex outline (counter-clockwise, in units along right and up)
// extruded into a slab. Front and back show rect stretched over the
// outline's bounding box as seen from the front.
void addSlab(Mesh& mesh, const std::vector<std::array<float, 2>>& outline, const SlabPlacement& placement,
             const UvRect& rect, SlabParts parts);

}  // namespace Solids
