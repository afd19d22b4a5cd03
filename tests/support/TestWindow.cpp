#include "support/TestWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

namespace {
int g_width = 0;
int g_height = 0;

void setup2D(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
}  // namespace

bool TestWindow::open(int width, int height) {
    if (g_width == width && g_height == height) {
        setup2D(width, height);
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "TestWindow: SDL_Init failed: %s\n", SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (!SDL_SetVideoMode(width, height, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "TestWindow: SDL_SetVideoMode failed: %s\n", SDL_GetError());
        return false;
    }
    if (!attach(width, height))
        return false;
    setup2D(width, height);
    return true;
}

bool TestWindow::attach(int width, int height) {
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        std::fprintf(stderr, "TestWindow: glewInit failed\n");
        return false;
    }
    takeGlError();
    g_width = width;
    g_height = height;
    return true;
}

std::array<std::uint8_t, 4> TestWindow::pixel(int x, int y) {
    std::array<std::uint8_t, 4> rgba{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, g_height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

std::vector<std::uint8_t> TestWindow::pixels() {
    std::vector<std::uint8_t> bottomUp(static_cast<size_t>(g_width) * g_height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, g_width, g_height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<std::uint8_t> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(g_width) * 4;
    for (int y = 0; y < g_height; ++y)
        std::copy_n(bottomUp.begin() + (g_height - 1 - y) * row, row, topDown.begin() + y * row);
    return topDown;
}

int TestWindow::width() { return g_width; }
int TestWindow::height() { return g_height; }

GLenum TestWindow::takeGlError() {
    GLenum first = glGetError();
    for (GLenum e = first; e != GL_NO_ERROR; e = glGetError()) {
    }
    return first;
}
