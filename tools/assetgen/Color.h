#pragma once

// Straight (not premultiplied) RGBA in the range 0..1.
struct Color {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

// An opaque colour from 0..255 channel values.
inline Color rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f}; }

inline float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

inline float lerp(float from, float to, float t) { return from + (to - from) * t; }

// Hermite ease between edge0 and edge1; polynomial only, see Noise.h.
inline float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

// Colour interpolation; alpha is interpolated as well.
inline Color mix(const Color& from, const Color& to, float t) {
    return {lerp(from.r, to.r, t), lerp(from.g, to.g, t), lerp(from.b, to.b, t), lerp(from.a, to.a, t)};
}

inline Color withAlpha(Color c, float alpha) {
    c.a = alpha;
    return c;
}

inline Color scaled(Color c, float factor) {
    c.r *= factor;
    c.g *= factor;
    c.b *= factor;
    return c;
}

struct ColorStop {
    float at;
    Color color;
};

// Piecewise-linear colour ramp over stops sorted by position; clamps at both ends.
inline Color gradient(const ColorStop* stops, int count, float v) {
    if (v <= stops[0].at)
        return stops[0].color;
    for (int i = 1; i < count; ++i)
        if (v < stops[i].at)
            return mix(stops[i - 1].color, stops[i].color, (v - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops[count - 1].color;
}
