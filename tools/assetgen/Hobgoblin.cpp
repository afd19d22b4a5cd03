#include "Hobgoblin.h"

#include <algorithm>
#include <functional>
#include <string>

#include "Noise.h"
#include "Rig.h"
#include "Solids.h"
#include "Trig.h"

namespace Hobgoblin {
namespace {

// The figure faces +x with y up, so its right side is +z. Sides are
// written s = +1 (right) and s = -1 (left).
enum Bone {
    Pelvis,
    Spine,
    Head,
    UpperArm,
    Forearm = UpperArm + 2,
    Thigh = Forearm + 2,
    Shin = Thigh + 2,
    BoneCount = Shin + 2
};
int sided(int bone, float s) { return bone + (s > 0.0f ? 0 : 1); }

// Where each part of the body is painted on the skin, in pixels. Left and
// right limbs share their rectangles, so their paint must not tell front
// from back sides apart.
struct Region {
    int x0, y0, x1, y1;
    UvRect uv() const {
        const float size = static_cast<float>(skinSize);
        return {x0 / size, y0 / size, x1 / size, y1 / size};
    }
};
constexpr Region headRegion{0, 0, 256, 88};
constexpr Region torsoRegion{0, 88, 128, 200};
constexpr Region legRegion{128, 88, 192, 200};
constexpr Region armRegion{192, 88, 256, 200};
constexpr Region footRegion{0, 200, 64, 248};
constexpr Region earRegion{64, 200, 112, 248};
constexpr Region noseRegion{112, 200, 144, 232};

// Heights of the head and torso tubes' ends, which their paint is laid out by.
constexpr float headTop = 27.9f, headBottom = 18.0f;
constexpr float torsoTop = 18.9f, torsoBottom = 3.6f;

// Joints.
constexpr Vec3 pelvisJoint{0.3f, 6.5f, 0.0f}, waist{0.4f, 8.4f, 0.0f}, neck{2.0f, 17.8f, 0.0f};
Vec3 shoulder(float s) { return {0.9f, 15.2f, 4.8f * s}; }
Vec3 elbow(float s) { return {1.6f, 9.6f, 5.6f * s}; }
Vec3 wrist(float s) { return {2.4f, 4.6f, 5.4f * s}; }
Vec3 hip(float s) { return {0.1f, 5.0f, 2.2f * s}; }
Vec3 knee(float s) { return {0.9f, 0.0f, 2.4f * s}; }
Vec3 ankle(float s) { return {-0.3f, -4.9f, 2.5f * s}; }

constexpr Vec3 up{0, 1, 0}, forwards{1, 0, 0}, back{-1, 0, 0};

Rig::Influence on(int bone) { return {bone, bone, 0.0f}; }
Rig::Influence blend(int from, int to, float weight) { return {from, to, weight}; }

struct Body {
    Mesh mesh;
    std::vector<Rig::Influence> influences;
    Rig rig;

    void addTube(const std::vector<TubeRing>& rings, const std::vector<Rig::Influence>& ringInfluences, int columns,
                 const Region& region) {
        const std::vector<int> starts = Solids::addTube(mesh, rings, Solids::evenColumns(columns), region.uv());
        for (std::size_t i = 0; i + 1 < starts.size(); ++i)
            influences.insert(influences.end(), static_cast<std::size_t>(starts[i + 1] - starts[i]), ringInfluences[i]);
    }
};

// Tube cross-sections with the bone (or blend of two) each ring follows.
struct BoundLevel {
    Solids::Level level;
    Rig::Influence influence;
};
struct BoundStation {
    Solids::Station station;
    Rig::Influence influence;
};

void addUpright(Body& body, const std::vector<BoundLevel>& bound, int columns, const Region& region) {
    std::vector<Solids::Level> levels;
    std::vector<Rig::Influence> influences;
    for (const BoundLevel& b : bound) {
        levels.push_back(b.level);
        influences.push_back(b.influence);
    }
    body.addTube(Solids::uprightRings(levels, forwards), influences, columns, region);
}

void addLimb(Body& body, Vec3 a, Vec3 b, Vec3 c, Vec3 hint, const std::vector<BoundStation>& bound, int columns,
             const Region& region) {
    std::vector<Solids::Station> stations;
    std::vector<Rig::Influence> influences;
    for (const BoundStation& s : bound) {
        stations.push_back(s.station);
        influences.push_back(s.influence);
    }
    body.addTube(Solids::limbRings(a, b, c, hint, stations), influences, columns, region);
}

void addTorso(Body& body) {
    const Rig::Influence pelvis = on(Pelvis), spine = on(Spine);
    addUpright(body,
               {{{torsoBottom, 0.2f, 0, 0}, pelvis},
                {{4.3f, 0.15f, 2.2f, 3.2f}, pelvis},
                {{5.6f, 0.1f, 3.0f, 3.9f}, pelvis},
                {{7.0f, 0.2f, 3.3f, 4.0f}, pelvis},
                {{8.0f, 0.35f, 3.5f, 4.0f}, blend(Pelvis, Spine, 0.3f)},
                {{8.8f, 0.55f, 3.7f, 4.0f}, blend(Pelvis, Spine, 0.7f)},
                {{10.2f, 0.85f, 3.95f, 4.05f}, spine},
                {{12.0f, 0.9f, 3.6f, 4.3f}, spine},
                {{13.8f, 0.95f, 3.1f, 4.7f}, spine},
                {{15.2f, 1.05f, 2.7f, 4.95f}, spine},
                {{16.4f, 1.3f, 2.2f, 4.2f}, spine},
                {{17.3f, 1.7f, 1.7f, 2.5f}, spine},
                {{18.3f, 2.1f, 1.5f, 1.9f}, blend(Spine, Head, 0.5f)},
                {{torsoTop, 2.3f, 0, 0}, on(Head)}},
               12, torsoRegion);
}

void addHead(Body& body) {
    const Rig::Influence head = on(Head);
    addUpright(body,
               {{{headBottom, 3.3f, 0, 0}, head},
                {{18.6f, 3.7f, 1.7f, 2.1f}, head},
                {{19.5f, 3.7f, 2.6f, 3.0f}, head},
                {{20.7f, 3.4f, 3.05f, 3.25f}, head},
                {{22.1f, 3.2f, 3.2f, 3.35f}, head},
                {{23.5f, 3.1f, 3.25f, 3.4f}, head},
                {{25.0f, 2.9f, 2.95f, 3.15f}, head},
                {{26.4f, 2.7f, 2.3f, 2.5f}, head},
                {{27.4f, 2.6f, 1.35f, 1.5f}, head},
                {{headTop, 2.55f, 0, 0}, head}},
               14, headRegion);
    // The hooked nose, from inside the face forwards and down.
    const Vec3 base{6.0f, 21.6f, 0.0f}, bend{7.3f, 21.1f, 0.0f}, tip{8.4f, 20.1f, 0.0f};
    addLimb(body, base, bend, tip, up,
            {{{-0.1f, 0, 0}, head},
             {{0.0f, 0.9f, 0.8f}, head},
             {{1.0f, 0.65f, 0.6f}, head},
             {{1.6f, 0.4f, 0.36f}, head},
             {{2.0f, 0, 0}, head}},
            6, noseRegion);
    for (float s : {1.0f, -1.0f}) {
        // Flat, pointed ears standing out sideways and up, their faces forwards.
        const Vec3 root{2.6f, 23.0f, 2.8f * s}, tip{1.4f, 25.8f, 8.0f * s};
        addLimb(body, root, lerp(root, tip, 0.5f), tip, up,
                {{{0.0f, 0, 0}, head},
                 {{0.1f, 0.9f, 0.3f}, head},
                 {{0.3f, 1.7f, 0.35f}, head},
                 {{0.9f, 1.85f, 0.3f}, head},
                 {{1.5f, 1.1f, 0.22f}, head},
                 {{2.0f, 0, 0}, head}},
                6, earRegion);
    }
}

void addArm(Body& body, float s) {
    const int upper = sided(UpperArm, s), fore = sided(Forearm, s);
    addLimb(body, shoulder(s), elbow(s), wrist(s), back,
            {{{-0.3f, 0, 0}, on(Spine)},
             {{-0.12f, 1.75f, 1.8f}, blend(Spine, upper, 0.5f)},
             {{0.15f, 1.7f, 1.6f}, on(upper)},
             {{0.55f, 1.4f, 1.35f}, on(upper)},
             {{0.9f, 1.15f, 1.15f}, on(upper)},
             {{1.0f, 1.15f, 1.15f}, blend(upper, fore, 0.5f)},
             {{1.2f, 1.45f, 1.35f}, on(fore)},
             {{1.55f, 1.4f, 1.25f}, on(fore)},
             {{1.9f, 0.9f, 0.95f}, on(fore)},
             // The hand, flat with its palm towards the thigh.
             {{2.05f, 1.2f, 0.65f}, on(fore)},
             {{2.18f, 1.25f, 0.72f}, on(fore)},
             {{2.34f, 1.1f, 0.6f}, on(fore)},
             {{2.45f, 0.65f, 0.45f}, on(fore)},
             {{2.51f, 0, 0}, on(fore)}},
            8, armRegion);
}

void addLeg(Body& body, float s) {
    const int thigh = sided(Thigh, s), shin = sided(Shin, s);
    addLimb(body, hip(s), knee(s), ankle(s), back,
            {{{-0.35f, 0, 0}, on(Pelvis)},
             {{-0.15f, 1.9f, 2.0f}, blend(Pelvis, thigh, 0.5f)},
             {{0.15f, 2.05f, 2.05f}, on(thigh)},
             {{0.5f, 1.9f, 1.8f}, on(thigh)},
             {{0.85f, 1.55f, 1.5f}, on(thigh)},
             {{1.0f, 1.45f, 1.4f}, blend(thigh, shin, 0.5f)},
             {{1.15f, 1.5f, 1.4f}, on(shin)},
             {{1.4f, 1.65f, 1.5f}, on(shin)},
             {{1.7f, 1.25f, 1.15f}, on(shin)},
             {{1.95f, 0.95f, 0.9f}, on(shin)},
             {{2.05f, 0, 0}, on(shin)}},
            8, legRegion);
    // The foot, splayed a little outwards, its sole flat on the ground.
    const std::vector<TubeRing> rings = Solids::footRings(ankle(s), normalised({1.0f, 0.0f, 0.18f * s}), groundY, 0.5f,
                                                          {{-1.8f, 0, 0},
                                                           {-1.5f, 1.0f, 1.15f},
                                                           {-0.3f, 1.3f, 1.3f},
                                                           {1.3f, 0.95f, 1.4f},
                                                           {2.6f, 0.65f, 1.35f},
                                                           {3.4f, 0.5f, 1.1f},
                                                           {3.8f, 0, 0}});
    body.addTube(rings, std::vector<Rig::Influence>(rings.size(), on(shin)), 8, footRegion);
}

Body buildBody() {
    Body body;
    body.rig.addBone(-1, pelvisJoint);
    body.rig.addBone(Pelvis, waist);
    body.rig.addBone(Spine, neck);
    for (float s : {1.0f, -1.0f})
        body.rig.addBone(Spine, shoulder(s));
    for (float s : {1.0f, -1.0f})
        body.rig.addBone(sided(UpperArm, s), elbow(s));
    for (float s : {1.0f, -1.0f})
        body.rig.addBone(Pelvis, hip(s));
    for (float s : {1.0f, -1.0f})
        body.rig.addBone(sided(Thigh, s), knee(s));
    addTorso(body);
    addHead(body);
    for (float s : {1.0f, -1.0f}) {
        addArm(body, s);
        addLeg(body, s);
    }
    return body;
}

// ---- Animation ----

using Pose = std::vector<Rig::Turn>;

float wave(float turns) { return Trig::sinTurns(turns); }

// The relaxed stance every animation starts from: knees a little bent,
// back hunched forwards, arms hanging slightly out.
Pose stance() {
    Pose pose(BoneCount);
    pose[Spine].pitch = -0.012f;
    pose[Head].pitch = 0.012f;
    for (float s : {1.0f, -1.0f}) {
        pose[static_cast<std::size_t>(sided(Thigh, s))].pitch = 0.02f;
        pose[static_cast<std::size_t>(sided(Shin, s))].pitch = -0.035f;
        pose[static_cast<std::size_t>(sided(UpperArm, s))].roll = -0.012f * s;
        pose[static_cast<std::size_t>(sided(Forearm, s))].pitch = 0.04f;
    }
    return pose;
}

// Idle: two breaths per cycle, a slow look to the right and to the left,
// the arms swaying with the breathing.
Pose standing(float phase) {
    Pose pose = stance();
    const float breath = wave(2.0f * phase);
    pose[Spine].pitch += 0.012f * breath;
    pose[Head].yaw = 0.06f * wave(phase);
    pose[Head].pitch += 0.01f * wave(2.0f * phase + 0.3f);
    for (float s : {1.0f, -1.0f}) {
        const std::size_t upper = static_cast<std::size_t>(sided(UpperArm, s));
        const std::size_t fore = static_cast<std::size_t>(sided(Forearm, s));
        pose[upper].pitch = 0.035f * wave(2.0f * phase + (s > 0 ? 0.1f : 0.35f));
        pose[upper].roll -= 0.012f * s * breath;
        pose[fore].pitch += 0.03f * wave(2.0f * phase + 0.2f);
    }
    return pose;
}

// Run: each leg swings forwards and back, the knee bent most while the leg
// comes forwards; the arms swing against the legs with bent elbows, the
// shoulders twist against the hips and the body leans into the run.
Pose running(float phase) {
    Pose pose(BoneCount);
    pose[Spine].pitch = -0.06f;
    pose[Spine].yaw = 0.025f * wave(phase);
    pose[Pelvis].yaw = -0.015f * wave(phase);
    pose[Head].pitch = 0.05f;
    pose[Head].yaw = -0.01f * wave(phase);
    for (float s : {1.0f, -1.0f}) {
        const float own = s > 0 ? phase : phase + 0.5f;  // the legs move half a cycle apart
        pose[static_cast<std::size_t>(sided(Thigh, s))].pitch = 0.02f + 0.1f * wave(own);
        pose[static_cast<std::size_t>(sided(Shin, s))].pitch = -(0.04f + 0.13f * std::max(0.0f, wave(own + 0.2f)));
        pose[static_cast<std::size_t>(sided(UpperArm, s))].pitch = -0.1f * wave(own);
        pose[static_cast<std::size_t>(sided(UpperArm, s))].roll = -0.03f * s;
        pose[static_cast<std::size_t>(sided(Forearm, s))].pitch = 0.17f + 0.04f * wave(own);
    }
    return pose;
}

// Wave: frames 0 and 7 are the stance; the right arm rises out sideways
// with the forearm upright, waves the hand twice and comes down again.
Pose waving(int frame) {
    Pose pose = stance();
    const float raise[8] = {0, 0.6f, 1, 1, 1, 1, 0.6f, 0};
    const float sway[8] = {0, 0, 1, -1, 1, -1, 0, 0};
    const std::size_t upper = static_cast<std::size_t>(sided(UpperArm, 1.0f));
    const std::size_t fore = static_cast<std::size_t>(sided(Forearm, 1.0f));
    const float r = raise[frame];
    pose[upper].roll = -0.012f - 0.23f * r;
    pose[upper].pitch = 0.04f * r;
    pose[fore].roll = -0.22f * r + 0.05f * sway[frame];
    pose[fore].pitch = 0.04f * (1.0f - r);
    pose[Head].yaw = -0.03f * r;
    pose[Head].pitch += -0.01f * r;
    return pose;
}

std::string numbered(const std::string& name, int number) {
    return name + (number < 10 ? "0" : "") + std::to_string(number);
}

// The posed body, lowered or raised so that its lowest point (a sole)
// stands on the ground.
Md2Frame frame(const Body& body, const std::string& name, const Pose& pose) {
    std::vector<Vec3> positions = body.rig.pose(body.mesh.positions, body.influences, pose, {0, 0, 0});
    float lowest = positions[0].y;
    for (Vec3 p : positions)
        lowest = std::min(lowest, p.y);
    for (Vec3& p : positions)
        p.y += groundY - lowest;
    return {name, positions};
}

// ---- Skin ----

// Distance of a (turns around a tube) from the turn value to, across the
// tube's seam.
float around(float a, float to) {
    const float d = std::fabs(a - to);
    return std::min(d, 1.0f - d);
}

const Noise& grain() {
    static const Noise noise(3301);
    return noise;
}

// Mottled green skin, darker in folds (shade 0 lit, 1 dark).
Color skinAt(float x, float y, float shade) {
    const float blotch = grain().fbm2D(x * 0.08f, y * 0.08f, 3);
    const Color light = rgb(118, 146, 66), dark = rgb(70, 94, 38);
    return mix(light, dark, clamp01(0.25f + 0.5f * blotch + 0.5f * shade));
}

// Woven or tanned material with some grain.
Color clothAt(Color base, float x, float y) {
    const float fibre = grain().value2D(x * 0.9f, y * 0.25f) * 0.5f + grain().value2D(x * 0.3f + 40, y * 0.3f) * 0.5f;
    return scaled(base, 0.8f + 0.35f * fibre);
}

void paintRegion(Image& skin, const Region& r, const std::function<Color(float a, float t, float x, float y)>& paint) {
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            const float a = (static_cast<float>(x - r.x0) + 0.5f) / static_cast<float>(r.x1 - r.x0);
            const float t = (static_cast<float>(y - r.y0) + 0.5f) / static_cast<float>(r.y1 - r.y0);
            skin.set(x, y, paint(a, t, static_cast<float>(x), static_cast<float>(y)));
        }
}

float headRow(float y) { return (headTop - y) / (headTop - headBottom); }

// An ellipse on the picture around (a0, t0) with half sizes ra, rt; 1
// inside, falling to 0 across a soft edge.
float blob(float a, float t, float a0, float t0, float ra, float rt) {
    const float da = (a - a0) / ra, dt = (t - t0) / rt;
    return 1.0f - smoothstep(0.8f, 1.0f, std::sqrt(da * da + dt * dt));
}

Color paintHead(float a, float t, float x, float y) {
    const float front = 0.5f;
    const float side = a - front;  // negative and positive: the two sides of the face
    // Shade under the jaw.
    Color c = skinAt(x, y, 0.6f * smoothstep(headRow(19.6f), headRow(18.4f), t));
    // A scruffy dark crest of hair over the crown and down the back.
    const float crest =
        (1.0f - smoothstep(0.1f, 0.16f, around(a, 0.0f) * (1.2f - t))) * (1.0f - smoothstep(0.4f, 0.6f, t));
    c = mix(c, clothAt(rgb(40, 32, 22), x, y), crest * (0.6f + 0.4f * grain().random(static_cast<int>(x), 7)));
    const float eyeT = headRow(22.3f);
    for (float s : {-1.0f, 1.0f}) {
        const float eyeA = front + 0.068f * s;
        // Sunken sockets, then the yellow eye with a black slit pupil.
        c = mix(c, scaled(c, 0.55f), blob(a, t, eyeA, eyeT + 0.01f, 0.05f, 0.1f));
        const float eye = blob(a, t, eyeA, eyeT, 0.034f, 0.062f);
        Color iris = mix(rgb(250, 214, 60), rgb(205, 120, 20), clamp01(std::fabs(a - eyeA) / 0.034f));
        iris = mix(iris, rgb(10, 8, 5), blob(a, t, eyeA, eyeT, 0.007f, 0.05f));
        c = mix(c, iris, eye);
        // Heavy brows slanting down towards the nose: a scowl.
        const float inward = (a - eyeA) * -s;  // positive towards the middle of the face
        const float browT = headRow(23.3f) + 0.09f * inward / 0.06f;
        c = mix(c, rgb(38, 44, 20), 0.9f * blob(a, t, eyeA + 0.008f * -s, browT, 0.058f, 0.035f));
    }
    // A wide, down-turned mouth with two tusks standing up from the lower jaw.
    const float mouthT = headRow(19.8f) + 0.05f * (side / 0.11f) * (side / 0.11f);
    c = mix(c, rgb(50, 20, 18), blob(a, t, front, mouthT, 0.11f, 0.022f));
    for (float s : {-1.0f, 1.0f}) {
        const float rise = (mouthT + 0.02f - t) / 0.1f;  // 0 at the tusk's root, 1 at its point
        const float halfWidth = 0.017f * (1.0f - rise);
        if (rise >= 0.0f && rise <= 1.0f && std::fabs(a - front - 0.06f * s) < halfWidth)
            c = mix(rgb(240, 232, 200), rgb(196, 182, 140), rise);
    }
    // Warts.
    if (grain().random(static_cast<int>(x) / 5, static_cast<int>(y) / 5) > 0.97f)
        c = mix(c, scaled(c, 0.75f), blob(std::fmod(x, 5.0f), std::fmod(y, 5.0f), 2.5f, 2.5f, 1.3f, 1.3f));
    return c;
}

constexpr float beltBottom = 8.0f, beltTop = 8.8f, vestTop = 16.0f;

Color paintTorso(float a, float t, float x, float y) {
    const float height = torsoTop - t * (torsoTop - torsoBottom);
    const float front = around(a, 0.5f), sideways = std::min(around(a, 0.25f), around(a, 0.75f));
    // The belt with its brass buckle in front.
    if (height > beltBottom && height < beltTop) {
        const float edge = std::min(height - beltBottom, beltTop - height);
        if (front < 0.045f && (front > 0.03f || edge < 0.15f))
            return rgb(196, 160, 62);
        return scaled(clothAt(rgb(58, 36, 20), x * 2, y), 0.75f + 0.25f * smoothstep(0.0f, 0.15f, edge));
    }
    // Breeches below the belt, patched, darker towards the crotch.
    if (height <= beltBottom) {
        Color cloth = clothAt(rgb(128, 52, 34), x, y);
        if (grain().random(static_cast<int>(x) / 12, static_cast<int>(y) / 10) > 0.85f)
            cloth = clothAt(rgb(104, 74, 44), x, y);  // a patch
        return scaled(cloth, 1.0f - 0.35f * smoothstep(6.0f, 3.8f, height));
    }
    // A sleeveless leather vest, open in a V down the chest.
    const float opening = 0.015f + 0.075f * smoothstep(10.0f, vestTop, height);
    const bool armHole = sideways < 0.09f && height > 13.4f;
    if (height < vestTop && front > opening && !armHole) {
        Color leather = clothAt(rgb(104, 66, 34), x, y);
        // Darker, stitched edges along the opening and the hem.
        const float edge = std::min((front - opening) * 30.0f, (height - beltTop) * 2.5f);
        leather = scaled(leather, 0.7f + 0.3f * smoothstep(0.0f, 0.4f, edge));
        if (edge > 0.25f && edge < 0.45f && static_cast<int>(x + y) % 4 == 0)
            leather = rgb(190, 170, 120);
        return leather;
    }
    return skinAt(x, y, 0.35f * smoothstep(15.0f, 18.5f, height));
}

Color paintArm(float a, float t, float x, float y) {
    // Stations run from t = -0.3 (shoulder) to 2.51 (finger tips).
    const float station = -0.3f + t * 2.81f;
    Color c = skinAt(x, y, 0.3f * smoothstep(1.85f, 2.05f, station));
    // A leather bracer laced around the forearm.
    if (station > 1.3f && station < 1.85f) {
        c = clothAt(rgb(84, 54, 28), x, y);
        if (std::fmod(station, 0.14f) < 0.03f)
            c = rgb(50, 30, 16);
    }
    // Dark, claw-like nails at the finger tips.
    if (station > 2.42f)
        c = mix(c, rgb(60, 52, 28), smoothstep(2.42f, 2.48f, station));
    (void)a;
    return c;
}

Color paintLeg(float a, float t, float x, float y) {
    // Stations run from t = -0.35 (hip) to 2.05 (ankle).
    const float station = -0.35f + t * 2.4f;
    // Breeches down to a ragged hem below the knee, then bare shin and
    // strips of cloth wound around the ankle.
    const float hem = 1.12f + 0.06f * grain().fbm1D(a * 24.0f, 2);
    if (station < hem)
        return scaled(clothAt(rgb(128, 52, 34), x, y), 0.85f + 0.15f * smoothstep(hem, hem - 0.1f, station));
    if (station > 1.75f) {
        const float wind = std::fmod(station * 9.0f + a * 2.0f, 1.0f);
        return clothAt(mix(rgb(150, 130, 96), rgb(96, 80, 58), smoothstep(0.7f, 0.95f, wind)), x, y);
    }
    return skinAt(x, y, 0.2f);
}

Color paintFoot(float a, float t, float x, float y) {
    // Wrapped in the same strips as the ankles; the sole is dark leather.
    const float sole = 1.0f - smoothstep(0.08f, 0.12f, around(a, 0.0f));
    const float wind = std::fmod(t * 7.0f + a * 1.5f, 1.0f);
    const Color wrap = clothAt(mix(rgb(150, 130, 96), rgb(96, 80, 58), smoothstep(0.7f, 0.95f, wind)), x, y);
    return mix(wrap, rgb(52, 36, 22), sole);
}

Color paintEar(float a, float t, float x, float y) {
    // The hollow of the ear on both faces, warmer and darker, fading out
    // towards the tip.
    const float face = std::min(around(a, 0.25f), around(a, 0.75f));
    const float hollow =
        (1.0f - smoothstep(0.08f, 0.16f, face)) * (1.0f - smoothstep(0.45f, 0.8f, t)) * smoothstep(0.05f, 0.2f, t);
    return mix(skinAt(x, y, 0.1f), rgb(150, 110, 70), 0.6f * hollow);
}

Color paintNose(float a, float t, float x, float y) {
    (void)a;
    return mix(skinAt(x, y, 0.0f), rgb(140, 120, 60), 0.5f * smoothstep(0.5f, 0.9f, t));
}

}  // namespace

Md2Model model() {
    const Body body = buildBody();
    Md2Model md2;
    md2.mesh = body.mesh;
    md2.skinWidth = skinSize;
    md2.skinHeight = skinSize;
    md2.skinName = "hobgoblin.bmp";
    for (int i = 0; i < 40; ++i)
        md2.frames.push_back(frame(body, numbered("stand", i + 1), standing(static_cast<float>(i) / 40.0f)));
    for (int i = 0; i < 6; ++i)
        md2.frames.push_back(frame(body, numbered("run", i + 1), running(static_cast<float>(i) / 6.0f)));
    for (int i = 0; i < 8; ++i)
        md2.frames.push_back(frame(body, numbered("wave", i + 1), waving(i)));
    return md2;
}

Image skin() {
    Image image(skinSize, skinSize);
    paintRegion(image, {0, 0, skinSize, skinSize}, [](float, float, float x, float y) { return skinAt(x, y, 0.2f); });
    paintRegion(image, headRegion, paintHead);
    paintRegion(image, torsoRegion, paintTorso);
    paintRegion(image, armRegion, paintArm);
    paintRegion(image, legRegion, paintLeg);
    paintRegion(image, footRegion, paintFoot);
    paintRegion(image, earRegion, paintEar);
    paintRegion(image, noseRegion, paintNose);
    return image;
}

}  // namespace Hobgoblin
