// Audio on SDL's silent driver: device fallback, sounds, the music playlist
// and the settings hand-over.
#include "media/ApplySettings.h"
#include "media/Audio.h"
#include "media/Music.h"
#include "media/Sound.h"
#include "media/TestMedia.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

using namespace NTestMedia;

namespace
{
// Sets SDL's audio driver for one test and puts the old value back after.
class CDriverChoice
{
  public:
    explicit CDriverChoice(const char* driver)
    {
        if (const char* old = std::getenv("SDL_AUDIODRIVER"))
            m_old = old;
        setenv("SDL_AUDIODRIVER", driver, 1);
    }
    ~CDriverChoice()
    {
        if (m_old.empty())
            unsetenv("SDL_AUDIODRIVER");
        else
            setenv("SDL_AUDIODRIVER", m_old.c_str(), 1);
    }

  private:
    std::string m_old;
};

class AudioDevice : public ::testing::Test
{
  protected:
    AudioDevice() : m_driver("dummy")
    {
        CFileSystem::Create()->SetRoot(m_folder.Path());
        m_folder.Write("wav/long.wav", MakeWav(2000));
        m_folder.Write("wav/short.wav", MakeWav(30));
        // Long enough to be still playing when checked right after a restart,
        // also on a loaded machine.
        m_folder.Write("wav/medium.wav", MakeWav(400));
        m_folder.Write("wav/broken.wav", std::string("RIFF, but not really"));
        m_audio = CAudio::Create();
    }
    ~AudioDevice() override
    {
        CAudio::Destroy();
        CFileSystem::Destroy();
    }

    static bool WaitUntilStopped(const NAudio::Music& music)
    {
        for (int i = 0; i < 200 && music.IsPlaying(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !music.IsPlaying();
    }

    CDriverChoice m_driver;
    CTempFolder m_folder;
    CAudio* m_audio = nullptr;
};
} // namespace

TEST_F(AudioDevice, MusicVolumeMapsOntoTheModuleRange)
{
    // The silent driver, chosen on purpose, counts as a device.
    ASSERT_TRUE(m_audio->IsDeviceAvailable());
    EXPECT_EQ(CAudio::ModuleVolume(0), 0);
    EXPECT_EQ(CAudio::ModuleVolume(50), 32);
    EXPECT_EQ(CAudio::ModuleVolume(100), 64);

    NAudio::Music music;
    music.SetPlaylist({"wav/long.wav"});
    music.Play(-1);
    ASSERT_TRUE(music.IsPlaying());
    m_audio->SetMusicVolume(50);
    EXPECT_EQ(Mix_VolumeMusic(-1), 32 * MIX_MAX_VOLUME / 64);
    m_audio->SetMusicVolume(0);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    m_audio->SetMusicVolume(250);
    EXPECT_EQ(m_audio->GetMusicVolume(), 100);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    music.Stop();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_FALSE(m_audio->HasMusicCurrent());
}

TEST_F(AudioDevice, PlaylistAdvancesWrapsAndRestartsFromTheTop)
{
    NAudio::Music music;
    music.SetPlaylist({"wav/long.wav", "wav/long.wav", "wav/long.wav"});
    EXPECT_EQ(music.GetCurrentIndex(), -1);
    music.Play(-1);
    EXPECT_EQ(music.GetCurrentIndex(), 0);
    music.Play(-1);
    music.Play(-1);
    EXPECT_EQ(music.GetCurrentIndex(), 2);
    music.Play(-1);
    EXPECT_EQ(music.GetCurrentIndex(), 0);
    music.Play(-1);
    music.Play(7);
    EXPECT_EQ(music.GetCurrentIndex(), 0);
    EXPECT_TRUE(music.IsPlaying());
    music.SetPlaylist({"wav/long.wav"});
    EXPECT_EQ(music.GetCurrentIndex(), -1);
    music.Stop();
}

TEST_F(AudioDevice, OneTrackPlaylistRestartsItsTrackWhenItEnds)
{
    NAudio::Music music;
    music.SetPlaylist({"wav/medium.wav"});
    music.Play(-1);
    ASSERT_TRUE(music.IsPlaying());
    ASSERT_TRUE(WaitUntilStopped(music));
    EXPECT_TRUE(music.IsStarted());
    music.Update();
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_EQ(music.GetCurrentIndex(), 0);
    music.Stop();
    music.Update();
    EXPECT_FALSE(music.IsPlaying());
}

TEST_F(AudioDevice, UnloadableTracksAreLoggedOnceAndSkipped)
{
    testing::internal::CaptureStderr();
    NAudio::Music music;
    music.SetPlaylist({"music/missing.xm", "wav/broken.wav", "wav/long.wav"});
    music.Play(-1);
    EXPECT_EQ(music.GetCurrentTrack(), "wav/long.wav");
    EXPECT_TRUE(music.IsPlaying());
    music.Play(-1); // round the list: the bad tracks are passed over at once
    EXPECT_EQ(music.GetCurrentIndex(), 2);
    EXPECT_TRUE(music.IsPlaying());

    // A list of nothing that plays stays silent rather than trying each frame.
    music.SetPlaylist({"wav/broken.wav"});
    music.Play(-1);
    for (int frame = 0; frame < 5; ++frame)
        music.Update();
    EXPECT_FALSE(music.IsStarted());
    EXPECT_FALSE(music.HasModule());
    const std::string log = testing::internal::GetCapturedStderr();
    for (const char* track : {"music/missing.xm", "wav/broken.wav"})
    {
        const std::size_t first = log.find(track);
        EXPECT_NE(first, std::string::npos) << track;
        EXPECT_EQ(log.find(track, first + 1), std::string::npos) << track << " logged again:\n" << log;
    }
    EXPECT_EQ(log.find("wav/long.wav"), std::string::npos);

    // Another device may decode what this one could not.
    m_folder.Write("wav/broken.wav", MakeWav(2000));
    music.Play(-1);
    EXPECT_FALSE(music.IsStarted());
    music.ForgetFailures();
    music.Play(-1);
    EXPECT_TRUE(music.IsPlaying());
    music.Stop();
}

TEST_F(AudioDevice, SoundPlaysOnceAtATimeAtItsScaledVolume)
{
    std::unique_ptr<CSound> sound(CSound::LoadSound("wav/long.wav", 1));
    ASSERT_NE(sound, nullptr);
    sound->PlaySound(true, false, 40);
    EXPECT_TRUE(sound->IsPlaying());
    EXPECT_EQ(sound->GetVolume(), 40);
    EXPECT_EQ(Mix_Volume(sound->GetChannel(), -1), 40 * MIX_MAX_VOLUME / 100);
    sound->PlaySound(true, false, 150);
    EXPECT_EQ(sound->GetVolume(), 100);
    EXPECT_EQ(Mix_Playing(-1), 1); // the restart took over the same channel
    sound->PlaySound(true, true, -1);
    EXPECT_TRUE(sound->GetLoop());
    EXPECT_EQ(sound->GetVolume(), 100);

    std::unique_ptr<CSound> other(CSound::LoadSound("wav/short.wav", 1));
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other->GetChannel(), sound->GetChannel());
    EXPECT_EQ(CSound::LoadSound("wav/missing.wav", 1), nullptr);
    EXPECT_EQ(CSound::LoadSound("wav/broken.wav", 1), nullptr);
}

TEST_F(AudioDevice, DisabledEffectsPrepareTheChannelButStaySilent)
{
    std::unique_ptr<CSound> sound(CSound::LoadSound("wav/long.wav", 1));
    ASSERT_NE(sound, nullptr);
    m_audio->SetSoundEnabled(false);
    sound->PlaySound(true, false, 80);
    EXPECT_FALSE(sound->IsPlaying());
    EXPECT_EQ(sound->GetVolume(), 80);
    EXPECT_EQ(Mix_Volume(sound->GetChannel(), -1), 80 * MIX_MAX_VOLUME / 100);
}

TEST_F(AudioDevice, SettingsReachTheDeviceAndStopTheMusic)
{
    CSettings& settings = Settings();
    NAudio::TheMusic().SetPlaylist({"wav/long.wav"});
    NAudio::TheMusic().Play(-1);
    settings.m_sound = false;
    settings.m_music_volume = 30;
    ApplySettings(settings);
    EXPECT_FALSE(m_audio->IsSoundEnabled());
    EXPECT_EQ(m_audio->GetMusicVolume(), 30);
    EXPECT_FALSE(NAudio::TheMusic().IsStarted());
    EXPECT_FALSE(NAudio::TheMusic().IsPlaying());
    settings.m_sound = true;
    settings.m_music_volume = 40;
}

TEST(AudioWithoutDevice, NothingLoadsAndNothingCrashes)
{
    CDriverChoice driver("no-such-driver");
    CTempFolder folder;
    folder.Write("wav/long.wav", MakeWav(200));
    CFileSystem::Create()->SetRoot(folder.Path());
    CAudio* audio = CAudio::Create();
    EXPECT_FALSE(audio->IsDeviceAvailable());
    EXPECT_EQ(CSound::LoadSound("wav/long.wav", 1), nullptr);

    NAudio::Music music;
    music.SetPlaylist({"wav/long.wav"});
    music.Play(-1);
    EXPECT_FALSE(music.IsStarted());
    EXPECT_FALSE(music.IsPlaying());
    music.Update();
    music.Stop();
    audio->SetMusicVolume(70);
    CAudio::Destroy();
    CFileSystem::Destroy();

    // With no device object at all, everything is still safe to call.
    music.Play(-1);
    music.Update();
    EXPECT_FALSE(music.IsPlaying());
}
