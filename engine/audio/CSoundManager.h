#pragma once
#include <cstddef>
#include <vector>

class CSound;
class CMusic;

// Opens the audio device, holds the master volumes and keeps the registries
// of sound effects and music pieces that applications play by number.
// The registries point at the application's objects and never own them; an
// object that is destroyed leaves an empty entry so the numbers stay stable.
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
    virtual void addSound(CSound* sound);
    virtual void addMusic(CMusic* music);
    virtual void playMusic(int index, int loops);
    virtual void playSound(int index, int loops);

    std::size_t getSoundCount() const;
    std::size_t getMusicCount() const;
    // The registered object, or null for an index out of range or an object since destroyed.
    CSound* getSound(int index) const;
    CMusic* getMusic(int index) const;
    // Called by sounds and music pieces as they are destroyed.
    void forgetSound(CSound* sound);
    void forgetMusic(CMusic* music);

    // SDL_mixer's channel calls dereference freed channels once the device
    // has been closed, so callers check this first.
    static bool isDeviceOpen();

private:
    std::vector<CSound*> sounds;
    std::vector<CMusic*> musics;
    int soundVolume = 0;
    int musicVolume = 0;
    bool deviceOpened = false;
};
