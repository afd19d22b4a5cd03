// The peer of kavor-inspect in the whole-process image benchmark: loads one
// file with SDL_image's IMG_Load and nothing else.
//   kavor-image-load-peer FILE
#include <SDL_image.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: kavor-image-load-peer FILE\n", stderr);
        return 2;
    }
    SDL_Surface* surface = IMG_Load(argv[1]);
    if (!surface) {
        std::fprintf(stderr, "%s\n", IMG_GetError());
        return 1;
    }
    std::printf("%d x %d, %d bits\n", surface->w, surface->h, surface->format->BitsPerPixel);
    SDL_FreeSurface(surface);
    return 0;
}
