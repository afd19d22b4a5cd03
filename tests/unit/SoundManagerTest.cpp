#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "audio/CMusic.h"
#include "audio/CSound.h"
#include "audio/CSoundManager.h"
#include "runtime/EngineGlobals.h"
#include "support/SlotGuard.h"

namespace {
namespace fs = std::filesystem;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// A tenth of a second of 16-bit stereo PCM at 22050 Hz.
std::string writeWav(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    const auto le = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>(value >> (8 * i)));
    };
    const std::uint32_t dataBytes = 2205 * 4;
    out << "RIFF", le(36 + dataBytes, 4), out << "WAVE";
    // PCM, stereo, sample rate, byte rate, 4-byte frames of 16-bit samples.
    out << "fmt ", le(16, 4), le(1, 2), le(2, 2), le(22050, 4), le(22050 * 4, 4), le(4, 2), le(16, 2);
    out << "data", le(dataBytes, 4), out << std::string(dataBytes, '\x10');
    return file.string();
}

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        fs::create_directories(dir);
        wav = writeWav(dir / "beep.wav");
        manager = std::make_unique<CSoundManager>();
        ASSERT_TRUE(CSoundManager::isDeviceOpen());
        slot = std::make_unique<SlotGuard<CSoundManager>>(EngineGlobals::soundManager, manager.get());
    }
    void TearDown() override {
        slot.reset();
        manager.reset();
        fs::remove_all(dir);
    }
    const fs::path dir = fs::temp_directory_path() / ("kavor_sound_" + std::to_string(getpid()));
    std::string wav;
    std::unique_ptr<CSoundManager> manager;
    std::unique_ptr<SlotGuard<CSoundManager>> slot;
};
}  // namespace

TEST_F(SoundManagerTest, VolumesAreLimitedAndApplied) {
    manager->setMusicVolume(200);
    manager->setSoundVolume(-5);
    EXPECT_EQ(manager->getMusicVolume(), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    EXPECT_EQ(manager->getSoundVolume(), 0);
    EXPECT_EQ(Mix_Volume(-1, -1), 0);
}

// Sounds register themselves when loaded, music pieces only when added; a
// released piece stops and cannot be played again (a second free of it
// would abort here, and shows up under valgrind).
TEST_F(SoundManagerTest, RegistriesPlayOnlyInRangeEntries) {
    CaptureStdout();
    manager->playSound(0, 0);
    CSound sound;
    auto music = std::make_unique<CMusic>();
    ASSERT_TRUE(sound.load(wav));
    ASSERT_TRUE(music->load(wav));
    EXPECT_EQ(manager->getSound(0), &sound);
    EXPECT_EQ(manager->getMusicCount(), 0u);
    manager->addMusic(music);
    manager->playSound(1, -1);
    manager->playSound(-1, -1);
    manager->playMusic(1, -1);
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 0);
    manager->playSound(0, -1);
    manager->playMusic(0, -1);
    SDL_Delay(400);  // long past a single pass of the clip: only endless loops still play
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 2);
    EXPECT_EQ(GetCapturedStdout(), "");
    manager->stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    manager->playMusic(0, -1);
    music->release();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    music->play(-1);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SoundManagerTest, OnlyLoadedSoundsRegisterThemselves) {
    const std::string missing = (dir / "missing.wav").string();
    CSound lost;
    CMusic lostMusic;
    CaptureStdout();
    EXPECT_FALSE(lost.load(missing));
    EXPECT_FALSE(lostMusic.load(missing));
    EXPECT_EQ(GetCapturedStdout(), "Failed to load sound: " + missing + "Failed to load music: " + missing);
    EXPECT_EQ(manager->getSoundCount(), 0u);
    EXPECT_FALSE(lost.play(0));
}

// An added variable is read on every use: what it holds when played is what
// plays. Objects destroyed through their variables, and a sound that entered
// itself, leave empty entries that play nothing.
TEST_F(SoundManagerTest, AddedVariablesAreReadOnEveryUse) {
    std::unique_ptr<CSound> sound;
    std::unique_ptr<CMusic> music;
    manager->addSound(sound);
    manager->addMusic(music);
    manager->playSound(0, -1);
    manager->playMusic(0, -1);
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 0);
    sound = std::make_unique<CSound>();
    music = std::make_unique<CMusic>();
    ASSERT_TRUE(sound->load(wav) && music->load(wav));
    ASSERT_EQ(manager->getSoundCount(), 2u);
    EXPECT_EQ(manager->getSound(0), sound.get());
    EXPECT_EQ(manager->getSound(1), sound.get()) << "the sound's own entry";
    manager->playSound(0, -1);
    manager->playMusic(0, -1);
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 2);
    sound.reset();
    music.reset();
    for (int index : {0, 1})
        EXPECT_EQ(manager->getSound(index), nullptr) << index;
    EXPECT_EQ(manager->getMusic(0), nullptr);
    manager->playSound(1, 0);
    manager->playMusic(0, 0);
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 0);
}

// Neither a missing device nor one closed under a loaded sound may crash.
TEST_F(SoundManagerTest, WorksWithoutDevice) {
    auto early = std::make_unique<CSound>();
    ASSERT_TRUE(early->load(wav));
    slot.reset();
    manager.reset();
    const std::string driver = getenv("SDL_AUDIODRIVER");
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    CaptureStdout();
    CSoundManager deaf;
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    deaf.setSoundVolume(300);
    deaf.addSound(early);
    deaf.playSound(0, 0);
    EXPECT_EQ(GetCapturedStdout(),
              "Unable to open audio!Failed to play sound: " + wav + "\nError: Audio device is not open\n");
    EXPECT_EQ(deaf.getSoundVolume(), 128);
}
