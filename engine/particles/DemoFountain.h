#pragma once

class CParticleSystem;

// The fire-coloured fountain the parallax demo and the engine test
// application both set up (neither draws it).
namespace DemoFountain {
void configure(CParticleSystem& particles);
}  // namespace DemoFountain
