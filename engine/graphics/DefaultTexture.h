#pragma once

// OpenGL's texture object 0 holds one white texel in the engine, so a
// program that samples a texture unit sees white where a surface is drawn
// untextured (the shadow-map pass draws every model through such a program;
// fixed-function drawing ignores it while texturing is off).
namespace DefaultTexture {
// Gives texture object 0 its white texel; once, after the window opened.
void makeWhite();
// Untextured drawing: 2D texturing off and texture 0 bound on the active unit.
void use();
}  // namespace DefaultTexture
