#pragma once
#include <SDL_mixer.h>

#include <memory>
#include <string>

// One piece of music; SDL_mixer plays one at a time. The application
// registers the variable that holds it with the sound manager.
class CMusic {
public:
    CMusic() = default;
    CMusic(const CMusic&) = delete;
    CMusic& operator=(const CMusic&) = delete;
    virtual ~CMusic();

    // Nothing to prepare before load; kept so sounds and music pieces share one interface.
    virtual bool init(const std::string& path);
    virtual bool load(const std::string& path);
    // Frees the music now (stopping it if it plays); the destructor then has nothing left to free.
    virtual void release();
    virtual void play(int loops);

private:
    struct MusicDeleter {
        void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    };
    std::unique_ptr<Mix_Music, MusicDeleter> music;
    std::string path;
};
