// The audio device: SDL_mixer on the default output, or on SDL's silent
// driver when no output can be opened, so every later call stays valid.
#pragma once

#include "storage/Settings.h"

#include <vector>

class CAudio
{
  public:
    static constexpr int kFrequency = 44100;
    // Modules count volume 0..64.
    static constexpr int kModuleVolumeMax = 64;

    // The process-wide device: Create destroys a previous one first.
    static CAudio* Create();
    static CAudio* Get();
    static void Destroy();

    CAudio();
    CAudio(const CAudio&) = delete;
    CAudio& operator=(const CAudio&) = delete;
    virtual ~CAudio();

    // True only when a real output device was opened.
    bool IsDeviceAvailable() const { return m_device_available; }
    void SetSoundEnabled(bool enabled) { m_sound_enabled = enabled; }
    bool IsSoundEnabled() const { return m_sound_enabled; }
    bool IsMusicEnabled() const { return m_music_enabled; }
    int GetSoundVolume() const { return m_sound_volume; }
    // 0..CSettings::kMusicVolumeMax; applies at once to the music that is playing.
    void SetMusicVolume(int volume);
    int GetMusicVolume() const { return m_music_volume; }
    // Kept for the settings file; playback does not use it.
    void SetInvertStereo(bool invert) { m_invert_stereo = invert; }
    bool GetInvertStereo() const { return m_invert_stereo; }

    // The settings' music volume on the module scale 0..64.
    static int ModuleVolume(int musicVolume)
    {
        return musicVolume * kModuleVolumeMax / CSettings::kMusicVolumeMax;
    }
    // The music player reports the module it starts and stops, so volume
    // changes reach it.
    void SetMusicCurrent(bool current);
    bool HasMusicCurrent() const { return m_music_current; }

    // Every sound owns one mixer channel while it lives.
    int AcquireChannel();
    void ReleaseChannel(int channel);

  private:
    bool OpenMixer();
    void ApplyMusicVolume() const;

    bool m_open = false;
    bool m_device_available = false;
    bool m_sound_enabled = true;
    bool m_music_enabled = true;
    bool m_invert_stereo = false;
    int m_sound_volume = 100;
    int m_music_volume = CSettings::kMusicVolumeMax;
    bool m_music_current = false;
    int m_channel_count = 0;
    std::vector<int> m_free_channels;
};
