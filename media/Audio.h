// The audio device: SDL_mixer on the default output, or on SDL's silent
// driver when no output can be opened, so every later call stays valid.
#pragma once

#include <vector>

class CAudio
{
  public:
    static constexpr int kFrequency = 44100;
    // Modules count volume 0..64.
    static constexpr int kModuleVolumeMax = 64;

    // The process-wide device: Create destroys a previous one first.
    static CAudio* Create(void* window);
    static CAudio* Get();
    static void Destroy();

    explicit CAudio(void* window);
    CAudio(const CAudio&) = delete;
    CAudio& operator=(const CAudio&) = delete;
    virtual ~CAudio();

    // The window the device was opened for (SDL needs none; kept for callers).
    void* GetWindow() const { return m_window; }
    // True only when a real output device was opened.
    bool IsDeviceAvailable() const { return m_deviceAvailable; }
    void SetSoundEnabled(bool enabled) { m_soundEnabled = enabled; }
    bool IsSoundEnabled() const { return m_soundEnabled; }
    bool IsMusicEnabled() const { return m_musicEnabled; }
    int GetSoundVolume() const { return m_soundVolume; }
    // 0..100; applies at once to the music that is playing.
    void SetMusicVolume(int volume);
    int GetMusicVolume() const { return m_musicVolume; }
    // Kept for the settings file; playback does not use it.
    void SetInvertStereo(bool invert) { m_invertStereo = invert; }
    bool GetInvertStereo() const { return m_invertStereo; }

    // Music volume 0..100 on the module scale 0..64.
    static int ModuleVolume(int musicVolume) { return musicVolume * kModuleVolumeMax / 100; }
    // The music player reports the module it starts and stops, so volume
    // changes reach it.
    void SetMusicCurrent(bool current);
    bool HasMusicCurrent() const { return m_musicCurrent; }

    // Every sound owns one mixer channel while it lives.
    int AcquireChannel();
    void ReleaseChannel(int channel);

  private:
    bool OpenMixer();
    void ApplyMusicVolume() const;

    void* m_window;
    bool m_open = false;
    bool m_deviceAvailable = false;
    bool m_soundEnabled = true;
    bool m_musicEnabled = true;
    bool m_invertStereo = false;
    int m_soundVolume = 100;
    int m_musicVolume = 100;
    bool m_musicCurrent = false;
    int m_channelCount = 0;
    std::vector<int> m_freeChannels;
};
