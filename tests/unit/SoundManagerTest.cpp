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
#include "core/EngineGlobals.h"

namespace {
namespace fs = std::filesystem;

void putLE(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A tenth of a second of 16-bit stereo PCM at the mixer's own rate.
std::string writeWav(const fs::path& dir) {
    const std::uint32_t dataBytes = 2205 * 4;
    const fs::path file = dir / "beep.wav";
    std::ofstream out(file, std::ios::binary);
    out << "RIFF";
    putLE(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    putLE(out, 16, 4);
    putLE(out, 1, 2);          // PCM
    putLE(out, 2, 2);          // channels
    putLE(out, 22050, 4);      // sample rate
    putLE(out, 22050 * 4, 4);  // byte rate
    putLE(out, 4, 2);          // block align
    putLE(out, 16, 2);         // bits per sample
    out << "data";
    putLE(out, dataBytes, 4);
    for (std::uint32_t i = 0; i < dataBytes / 2; ++i) putLE(out, i % 2 ? 0x0800 : 0xF800, 2);
    return file.string();
}

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        dir = fs::temp_directory_path() / ("kavor_sound_" + std::to_string(getpid()));
        fs::create_directories(dir);
        wav = writeWav(dir);
        manager = std::make_unique<CSoundManager>();
        ASSERT_TRUE(CSoundManager::isDeviceOpen()) << SDL_GetError();
        EngineGlobals::soundManager = manager.get();
    }
    void TearDown() override {
        EngineGlobals::soundManager = nullptr;
        manager.reset();
        fs::remove_all(dir);
    }
    fs::path dir;
    std::string wav;
    std::unique_ptr<CSoundManager> manager;
};
}  // namespace

TEST_F(SoundManagerTest, VolumesAreLimitedStoredAndApplied) {
    EXPECT_EQ(manager->getMusicVolume(), 0);
    EXPECT_EQ(manager->getSoundVolume(), 0);
    manager->setMusicVolume(200);
    manager->setSoundVolume(-5);
    EXPECT_EQ(manager->getMusicVolume(), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    EXPECT_EQ(manager->getSoundVolume(), 0);
    EXPECT_EQ(Mix_Volume(-1, -1), 0);
    manager->setSoundVolume(77);
    EXPECT_EQ(Mix_Volume(-1, -1), 77);
}

TEST_F(SoundManagerTest, LoadedSoundRegistersItselfAndPlaysByNumber) {
    testing::internal::CaptureStdout();
    manager->playSound(0, 0);  // nothing registered yet
    CSound sound;
    ASSERT_TRUE(sound.load(wav));
    ASSERT_EQ(manager->getSoundCount(), 1u);
    manager->playSound(1, -1);
    manager->playSound(-1, -1);
    EXPECT_EQ(Mix_Playing(-1), 0);
    manager->playSound(0, -1);  // loops forever, so it is still playing when asked
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    Mix_HaltChannel(-1);
}

TEST_F(SoundManagerTest, MusicPlaysOnlyWhenRegisteredAndInRange) {
    CMusic music;
    ASSERT_TRUE(music.load(wav));
    EXPECT_EQ(manager->getMusicCount(), 0u) << "music pieces do not register themselves";
    manager->addMusic(&music);
    manager->playMusic(1, -1);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    manager->playMusic(0, -1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    manager->stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SoundManagerTest, MissingFilesAreReportedAndNotRegistered) {
    const std::string missing = (dir / "missing.wav").string();
    CSound sound;
    CMusic music;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(sound.load(missing));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to load sound: " + missing);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(music.load(missing));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to load music: " + missing);
    EXPECT_EQ(manager->getSoundCount(), 0u);
    EXPECT_FALSE(sound.play(0));
    music.play(0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SoundManagerTest, SoundWithoutFreeChannelReportsBothLines) {
    CSound sound;
    ASSERT_TRUE(sound.load(wav));
    Mix_AllocateChannels(0);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(sound.play(0));
    const std::string out = testing::internal::GetCapturedStdout();
    Mix_AllocateChannels(MIX_CHANNELS);
    EXPECT_EQ(out.rfind("Failed to play sound: " + wav + "\nError: ", 0), 0u) << out;
    EXPECT_EQ(out.back(), '\n');
}

// Run under valgrind or a sanitizer to see a second free; here it must not abort.
TEST_F(SoundManagerTest, ReleasedMusicIsFreedOnceAndStaysSilent) {
    {
        CMusic music;
        ASSERT_TRUE(music.load(wav));
        music.play(-1);
        ASSERT_EQ(Mix_PlayingMusic(), 1);
        music.release();
        EXPECT_FALSE(music.isLoaded());
        EXPECT_EQ(Mix_PlayingMusic(), 0);
        music.play(-1);
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
    CMusic reloaded;
    EXPECT_TRUE(reloaded.load(wav));
}

TEST_F(SoundManagerTest, DestroyedObjectsLeaveEmptyEntries) {
    {
        CSound sound;
        CMusic music;
        ASSERT_TRUE(sound.load(wav));
        ASSERT_TRUE(music.load(wav));
        manager->addMusic(&music);
    }
    EXPECT_EQ(manager->getSoundCount(), 1u);
    manager->playSound(0, -1);
    manager->playMusic(0, -1);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// Neither a missing device nor one closed under a loaded sound may crash.
TEST_F(SoundManagerTest, WorksWithoutDevice) {
    CSound early;
    ASSERT_TRUE(early.load(wav));
    EngineGlobals::soundManager = nullptr;
    manager.reset();
    const std::string driver = getenv("SDL_AUDIODRIVER");
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStdout();
    CSoundManager deaf;
    const std::string opened = testing::internal::GetCapturedStdout();
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    EXPECT_EQ(opened, "Unable to open audio!");
    deaf.setSoundVolume(300);
    deaf.setMusicVolume(50);
    EXPECT_EQ(deaf.getSoundVolume(), 128);
    EXPECT_EQ(deaf.getMusicVolume(), 50);
    deaf.addSound(&early);
    testing::internal::CaptureStdout();
    deaf.playSound(0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Failed to play sound: " + wav + "\nError: Audio device is not open\n");
    CSound late;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(late.load(wav));
    testing::internal::GetCapturedStdout();
}
