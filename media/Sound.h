// A sound effect: one sample, played on its own mixer channel, one playback
// at a time (a new playback restarts it).
#pragma once

#include <string>

struct Mix_Chunk;

class CSound
{
  public:
    // Null when there is no real output device or the file is no sample.
    static CSound* LoadSound(const std::string& fileName, int maxPlaybacks = 1);

    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;
    virtual ~CSound();

    // volume 0..100 (negative: the device's sound volume), scaled by the
    // device's sound volume. With effects off the channel is prepared but
    // stays silent.
    void PlaySound(bool restart, bool loop, int volume);

    bool IsPlaying() const;
    bool GetLoop() const { return m_loop; }
    int GetChannel() const { return m_channel; }
    // The last volume set on the channel, 0..100.
    int GetVolume() const { return m_volume; }

  private:
    CSound(Mix_Chunk* chunk, int channel);

    Mix_Chunk* m_chunk;
    int m_channel;
    bool m_loop = false;
    int m_volume = 100;
};
