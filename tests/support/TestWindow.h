#pragma once
#include <GL/glew.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One SDL/OpenGL window per test binary, opened on first use and reused by
// every test. Runs under a virtual X server with Mesa's software renderer.
class TestWindow {
public:
    // Opens (or resizes to) a width x height window with a 2D projection
    // whose origin is the top-left pixel. Returns false when no window can
    // be opened, so tests can fail with a clear message.
    static bool open(int width = 256, int height = 256);

    // Records a window that engine code opened itself (for example through
    // CGraphicsCore::initialize) so the read-back helpers and later open()
    // calls know its size; loads the OpenGL entry points for the new context.
    static bool attach(int width, int height);

    // Reads back the pixel at (x, y) in window coordinates (origin top-left)
    // from the back buffer, as RGBA bytes.
    static std::array<std::uint8_t, 4> pixel(int x, int y);

    // Reads the whole back buffer, rows top first, RGBA.
    static std::vector<std::uint8_t> pixels();

    static int width();
    static int height();

    // Drains pending OpenGL errors and returns the first one (GL_NO_ERROR if none).
    static GLenum takeGlError();
};
