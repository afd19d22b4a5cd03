#pragma once

// Sine and cosine by polynomials, for angles given in turns (1 = 360
// degrees). The C library's results differ between implementations in the
// last bit; these use + - * / and floor only, so generated geometry and
// pictures stay the same on every machine (see Noise.h).
namespace Trig {

constexpr float pi = 3.14159265358979f;

float sinTurns(float turns);
float cosTurns(float turns);

}  // namespace Trig
