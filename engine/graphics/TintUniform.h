#pragma once

class CShader;

// The "colors" tint of the textured-quad program, shared by textures and fonts.
namespace TintUniform {
// Looks up "colors" in the shader's program (which must be bound) and sets
// it; does nothing for a missing shader or an unlinked program.
void set(CShader* shader, float red, float green, float blue, float alpha);
}  // namespace TintUniform
