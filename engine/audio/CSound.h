#pragma once
#include <SDL_mixer.h>

#include <memory>
#include <string>

// One sound effect: a WAV file decoded into a mixer chunk and played on the
// first free mixer channel. Loading registers the sound itself with the
// engine's sound manager, so a sound is neither copied nor moved.
class CSound {
public:
    CSound() = default;
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;
    virtual ~CSound();

    // Nothing to prepare before load; kept so sounds and music pieces share one interface.
    virtual bool init(const std::string& path);
    virtual bool load(const std::string& path);
    // The chunk is freed by the destructor, so there is nothing to release early.
    virtual void release();
    // Returns whether the sound started; a failure is reported on the console.
    virtual bool play(int loops);

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;
    std::string path;
};
