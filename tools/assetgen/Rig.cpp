#include "Rig.h"

#include <stdexcept>

#include "Trig.h"

namespace {

// A rotation followed by a translation.
struct Affine {
    Vec3 column[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3 offset;

    Vec3 turn(Vec3 p) const { return column[0] * p.x + column[1] * p.y + column[2] * p.z; }
    Vec3 apply(Vec3 p) const { return turn(p) + offset; }
    Affine then(const Affine& outer) const {
        Affine r;
        for (int i = 0; i < 3; ++i)
            r.column[i] = outer.turn(column[i]);
        r.offset = outer.apply(offset);
        return r;
    }
};

float& component(Vec3& v, int axis) { return axis == 0 ? v.x : (axis == 1 ? v.y : v.z); }

// A turn about the x (0), y (1) or z (2) axis, counter-clockwise seen from
// the axis' positive end.
Affine rotation(int axis, float turns) {
    const float c = Trig::cosTurns(turns), s = Trig::sinTurns(turns);
    Affine r;
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;  // the plane turned, i towards j
    component(r.column[i], i) = c;
    component(r.column[i], j) = s;
    component(r.column[j], i) = -s;
    component(r.column[j], j) = c;
    return r;
}

Affine translation(Vec3 t) {
    Affine r;
    r.offset = t;
    return r;
}

}  // namespace

int Rig::addBone(int parent, Vec3 joint) {
    if (parent >= boneCount() || (parent < 0) != bones_.empty())
        throw std::invalid_argument("a bone's parent must come before it, and only the first bone is the root");
    bones_.push_back({parent, joint});
    return boneCount() - 1;
}

std::vector<Vec3> Rig::pose(const std::vector<Vec3>& rest, const std::vector<Influence>& influences,
                            const std::vector<Turn>& turns, Vec3 lift) const {
    if (turns.size() != bones_.size() || influences.size() != rest.size())
        throw std::invalid_argument("one turn per bone and one influence per position");
    std::vector<Affine> world(bones_.size());
    for (std::size_t b = 0; b < bones_.size(); ++b) {
        const Turn& t = turns[b];
        const Affine local = translation(bones_[b].joint * -1.0f)
                                 .then(rotation(0, t.roll))
                                 .then(rotation(2, t.pitch))
                                 .then(rotation(1, t.yaw))
                                 .then(translation(bones_[b].joint));
        world[b] = bones_[b].parent < 0 ? local.then(translation(lift))
                                        : local.then(world[static_cast<std::size_t>(bones_[b].parent)]);
    }
    std::vector<Vec3> posed;
    posed.reserve(rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const Influence& f = influences[i];
        const Vec3 a = world[static_cast<std::size_t>(f.bone)].apply(rest[i]);
        const Vec3 b = world[static_cast<std::size_t>(f.blendBone)].apply(rest[i]);
        posed.push_back(lerp(a, b, f.blend));
    }
    return posed;
}
