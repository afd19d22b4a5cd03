#include "audio/CSound.h"

#include <cstdio>

#include "audio/CSoundManager.h"
#include "runtime/EngineGlobals.h"

CSound::~CSound() {
    if (EngineGlobals::soundManager)
        EngineGlobals::soundManager->forgetSound(this);
}

bool CSound::init(const std::string&) { return true; }

bool CSound::load(const std::string& file) {
    chunk.reset(Mix_LoadWAV_RW(SDL_RWFromFile(file.c_str(), "rb"), 1));
    if (!chunk) {
        std::printf("Failed to load sound: %.*s", static_cast<int>(file.size()), file.data());
        return false;
    }
    path = file;
    if (EngineGlobals::soundManager)
        EngineGlobals::soundManager->addLoadedSound(*this);
    return true;
}

void CSound::release() {}

bool CSound::play(int loops) {
    if (!chunk)
        return false;
    if (!CSoundManager::isDeviceOpen())
        SDL_SetError("Audio device is not open");
    else if (Mix_PlayChannelTimed(-1, chunk.get(), loops, -1) != -1)
        return true;
    std::printf("Failed to play sound: %.*s\n", static_cast<int>(path.size()), path.data());
    std::printf("Error: %s\n", SDL_GetError());
    return false;
}
