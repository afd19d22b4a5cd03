#include "audio/CMusic.h"

#include <cstdio>

CMusic::~CMusic() = default;

bool CMusic::init(const std::string&) { return true; }

bool CMusic::load(const std::string& file) {
    music.reset(Mix_LoadMUS(file.c_str()));
    if (!music) {
        std::printf("Failed to load music: %.*s", static_cast<int>(file.size()), file.data());
        return false;
    }
    path = file;
    return true;
}

void CMusic::release() { music.reset(); }

// A piece that fails to start stays silent; SDL_mixer keeps the reason.
void CMusic::play(int loops) {
    if (music)
        Mix_PlayMusic(music.get(), loops);
}
