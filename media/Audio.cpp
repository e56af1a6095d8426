// Opening and closing the mixer, channel bookkeeping and the music volume.
#include "media/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <memory>

namespace
{
std::unique_ptr<CAudio> g_audio;
constexpr int kChunkSize = 2048;
} // namespace

CAudio* CAudio::Create()
{
    g_audio.reset();
    g_audio = std::make_unique<CAudio>();
    return g_audio.get();
}

CAudio* CAudio::Get()
{
    return g_audio.get();
}

void CAudio::Destroy()
{
    g_audio.reset();
}

CAudio::CAudio()
{
    m_open = OpenMixer();
    m_device_available = m_open;
    if (!m_open)
    {
        // The silent driver keeps every mixer call valid; the device still
        // counts as missing, so nothing gets loaded.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_open = OpenMixer();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (m_open)
    {
        Mix_Init(MIX_INIT_MOD);
        Mix_AllocateChannels(0);
    }
}

CAudio::~CAudio()
{
    if (!m_open)
        return;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool CAudio::OpenMixer()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, 2, kChunkSize) != 0)
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void CAudio::SetMusicVolume(int volume)
{
    m_music_volume = std::clamp(volume, 0, CSettings::kMusicVolumeMax);
    if (m_music_current)
        ApplyMusicVolume();
}

void CAudio::SetMusicCurrent(bool current)
{
    m_music_current = current;
    if (current)
        ApplyMusicVolume();
}

void CAudio::ApplyMusicVolume() const
{
    if (m_open)
        Mix_VolumeMusic(ModuleVolume(m_music_volume) * MIX_MAX_VOLUME / kModuleVolumeMax);
}

int CAudio::AcquireChannel()
{
    if (!m_free_channels.empty())
    {
        const int channel = m_free_channels.back();
        m_free_channels.pop_back();
        return channel;
    }
    const int channel = m_channel_count++;
    if (m_open)
        Mix_AllocateChannels(m_channel_count);
    return channel;
}

void CAudio::ReleaseChannel(int channel)
{
    if (channel < 0 || channel >= m_channel_count)
        return;
    if (m_open)
        Mix_HaltChannel(channel);
    m_free_channels.push_back(channel);
}
