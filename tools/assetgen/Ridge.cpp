#include "Ridge.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

namespace {

const Color hazeColor = {0.74f, 0.81f, 0.89f};
const Color snowShade = {0.66f, 0.72f, 0.88f};
const Color snowLit = {1.0f, 0.99f, 0.97f};
constexpr int samplesPerColumn = 4;

// Second noise stream of a ridge, for surface detail.
Noise rockNoise(const Ridge& ridge) { return Noise(ridge.seed + 101); }

// How much a point faces the sun: the slope of a smoothed ridge line, read
// further to the side the deeper the point lies, so the boundary between lit
// and shaded faces runs down from each peak at an angle, roughened by noise.
float sunFacing(const Ridge& ridge, const Noise& rock, float x, float y, float below) {
    const float wobble = (rock.fbm2D(x / 30.0f, y / 30.0f, 4) - 0.5f) * 0.5f * std::min(below, 50.0f);
    const float probe = x + below * 0.6f + wobble;
    const float slope = (ridgeLine(ridge, probe + 6.0f, 4) - ridgeLine(ridge, probe - 6.0f, 4)) / 12.0f;
    return smoothstep(-ridge.facet, ridge.facet, -slope);
}

// Colour of the point (x, y) lying `below` pixels under the ridge line `top`.
Color surfaceColor(const Ridge& ridge, const Noise& rock, float x, float y, float top, float below) {
    const float facing = sunFacing(ridge, rock, x, y, below);
    const float faces = 1.0f - smoothstep(0.0f, ridge.faceDepth, below);
    Color c = mix(mix(ridge.shadow, ridge.lit, 0.5f), mix(ridge.shadow, ridge.lit, facing), faces);
    if (ridge.snowLine > 0.0f) {
        // Caps follow the peaks: the higher the peak, the deeper its snow,
        // reaching further down in tongues along the gullies.
        const float gully = rock.fbm2D(x / 6.0f, y / 40.0f, 3);
        const float snowDepth = (ridge.snowLine - top) * 0.8f + 24.0f * (gully - 0.5f);
        c = mix(c, mix(snowShade, snowLit, facing), smoothstep(0.0f, 4.0f, snowDepth - below));
    }
    c = mix(c, ridge.foot, smoothstep(0.0f, ridge.depth, below));
    const float texture = 0.95f + 0.10f * rock.fbm2D(x / 40.0f, y / 20.0f, 3);
    return hazed(ridge, scaled(c, texture));
}

}  // namespace

float ridgeLine(const Ridge& ridge, float x, int octaves) {
    float n = Noise(ridge.seed).fbm2D(x / ridge.scale, 0.5f, octaves);
    if (ridge.peaked) {
        const float crest = 1.0f - std::fabs(2.0f * n - 1.0f);
        n = crest * crest;
    } else {
        n = smoothstep(0.15f, 0.85f, n);
    }
    return ridge.base - ridge.amplitude * n;
}

Color hazed(const Ridge& ridge, const Color& c) { return mix(c, hazeColor, ridge.haze); }

void paintRidge(Image& image, const Ridge& ridge) {
    const Noise rock = rockNoise(ridge);
    for (int x = 0; x < image.width(); ++x) {
        const float fx = static_cast<float>(x);
        // The ridge line at several points across the column gives the
        // coverage of the pixels it passes through.
        float tops[samplesPerColumn];
        float top = 0.0f;
        float highest = static_cast<float>(image.height());
        for (int s = 0; s < samplesPerColumn; ++s) {
            tops[s] = ridgeLine(ridge, fx + (static_cast<float>(s) + 0.5f) / samplesPerColumn);
            top += tops[s] / samplesPerColumn;
            highest = std::min(highest, tops[s]);
        }
        for (int y = std::max(0, static_cast<int>(highest)); y < image.height(); ++y) {
            const float fy = static_cast<float>(y);
            float coverage = 0.0f;
            for (float t : tops)
                coverage += clamp01(fy + 1.0f - t) / samplesPerColumn;
            image.blend(x, y, surfaceColor(ridge, rock, fx, fy, top, std::max(0.0f, fy - top)), coverage);
        }
    }
}
