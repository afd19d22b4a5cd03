#pragma once
#include <cstddef>
#include <memory>

#include "audio/AudioRegistry.h"

class CSound;
class CMusic;

// Opens the audio device, holds the master volumes and keeps the registries
// of sound effects and music pieces that applications play by number. The
// registries refer to the application's variables that hold the objects and
// read through them, so an object replaced in its variable is the one played;
// they own nothing, and an emptied variable or a destroyed sound that
// registered itself leaves an empty entry, so the numbers stay stable.
class CSoundManager {
public:
    CSoundManager();
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;
    virtual ~CSoundManager();

    virtual void stopMusic();
    virtual void setMusicVolume(int volume);
    virtual void setSoundVolume(int volume);
    virtual int getMusicVolume() const;
    virtual int getSoundVolume() const;
    // The variable must outlive the manager's use of it.
    virtual void addSound(std::unique_ptr<CSound>& soundVariable);
    virtual void addMusic(std::unique_ptr<CMusic>& musicVariable);
    virtual void playMusic(int index, int loops);
    virtual void playSound(int index, int loops);

    std::size_t getSoundCount() const;
    std::size_t getMusicCount() const;
    // The registered object, or null for an index out of range or an empty entry.
    CSound* getSound(int index) const;
    CMusic* getMusic(int index) const;
    // A sound enters itself as it loads, and leaves as it is destroyed.
    void addLoadedSound(CSound& sound);
    void forgetSound(const CSound* sound);

    // SDL_mixer's channel calls dereference freed channels once the device
    // has been closed, so callers check this first.
    static bool isDeviceOpen();

private:
    AudioRegistry<CSound> sounds;
    AudioRegistry<CMusic> musics;
    int soundVolume = 0;
    int musicVolume = 0;
    bool deviceOpened = false;
};
