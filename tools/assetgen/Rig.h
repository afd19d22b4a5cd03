#pragma once
#include <vector>

#include "Vec3.h"

// A skeleton for posing a mesh: bones turn about their joints, children
// follow their parents, and every vertex follows one bone or a blend of two
// (at the joints, so that bent limbs stay closed).
class Rig {
public:
    // Turns of a bone about its joint, in turns (1 = 360 degrees), applied in
    // the order roll, pitch, yaw: roll about x, pitch about z, yaw about y.
    struct Turn {
        float pitch = 0.0f;
        float yaw = 0.0f;
        float roll = 0.0f;
    };

    struct Influence {
        int bone = 0;
        int blendBone = 0;  // the second bone, weighted by blend
        float blend = 0.0f;
    };

    // Returns the new bone's index; parent -1 for the root, which must come first.
    int addBone(int parent, Vec3 joint);
    int boneCount() const { return static_cast<int>(bones_.size()); }

    // The rest positions moved by one turn per bone, the root shifted by lift.
    std::vector<Vec3> pose(const std::vector<Vec3>& rest, const std::vector<Influence>& influences,
                           const std::vector<Turn>& turns, Vec3 lift) const;

private:
    struct Bone {
        int parent;
        Vec3 joint;
    };
    std::vector<Bone> bones_;
};
