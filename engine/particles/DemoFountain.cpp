#include "particles/DemoFountain.h"

#include "particles/CParticleSystem.h"

namespace DemoFountain {
void configure(CParticleSystem& particles) {
    particles.setForce(0.0f, 0.0f, 0.1f);
    particles.setPosition(56.0f, 20.0f, 0.0f);
    particles.setLifeRange(1, 14);
    particles.setColor(0.1f, 0.1f, 0.1f, 0.0f);
    particles.setColor(1.0f, 0.4f, 0.0f, 0.0f);
    particles.setSpawnRangeX(0, 15, 15.0f);
    particles.setSpawnRangeZ(0, 15, 15.0f);
    particles.setVelocityRangeY(100, 180, 10.0f);
    particles.setGravity(0.00025f);
    particles.setPointSize(50.0f);
    particles.init(50, "Data/Particle/particle.png", true, false);
}
}  // namespace DemoFountain
