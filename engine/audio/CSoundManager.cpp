#include "audio/CSoundManager.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

#include "audio/CMusic.h"
#include "audio/CSound.h"
#include "runtime/EngineGlobals.h"

namespace {
constexpr int kFrequency = 22050;
constexpr int kChannels = 2;
constexpr int kChunkSize = 4096;

int limitVolume(int volume) { return std::clamp(volume, 0, MIX_MAX_VOLUME); }
}  // namespace

CSoundManager::CSoundManager() {
    SDL_Init(SDL_INIT_AUDIO);
    deviceOpened = Mix_OpenAudio(kFrequency, AUDIO_S16LSB, kChannels, kChunkSize) == 0;
    if (!deviceOpened) {
        std::printf("Unable to open audio!");
        SDL_Quit();
    }
}

CSoundManager::~CSoundManager() {
    if (deviceOpened)
        Mix_CloseAudio();
    // Sounds outliving the manager must not report to a dead registry.
    if (EngineGlobals::soundManager == this)
        EngineGlobals::soundManager = nullptr;
}

void CSoundManager::stopMusic() {
    if (Mix_PlayingMusic() == 1)
        Mix_HaltMusic();
}

void CSoundManager::setMusicVolume(int volume) {
    musicVolume = limitVolume(volume);
    Mix_VolumeMusic(musicVolume);
}

void CSoundManager::setSoundVolume(int volume) {
    soundVolume = limitVolume(volume);
    if (isDeviceOpen())
        Mix_Volume(-1, soundVolume);
}

int CSoundManager::getMusicVolume() const { return musicVolume; }

int CSoundManager::getSoundVolume() const { return soundVolume; }

void CSoundManager::addSound(std::unique_ptr<CSound>& soundVariable) { sounds.add(soundVariable); }

void CSoundManager::addMusic(std::unique_ptr<CMusic>& musicVariable) { musics.add(musicVariable); }

void CSoundManager::playMusic(int index, int loops) {
    if (CMusic* music = getMusic(index))
        music->play(loops);
}

void CSoundManager::playSound(int index, int loops) {
    if (CSound* sound = getSound(index))
        sound->play(loops);
}

std::size_t CSoundManager::getSoundCount() const { return sounds.count(); }

std::size_t CSoundManager::getMusicCount() const { return musics.count(); }

CSound* CSoundManager::getSound(int index) const { return sounds.at(index); }

CMusic* CSoundManager::getMusic(int index) const { return musics.at(index); }

void CSoundManager::addLoadedSound(CSound& sound) { sounds.add(sound); }

void CSoundManager::forgetSound(const CSound* sound) { sounds.forget(sound); }

bool CSoundManager::isDeviceOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }
