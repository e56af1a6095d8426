// Sound effects on SDL_mixer, loaded from memory through the file layer.
#include "media/Sound.h"

#include "media/Audio.h"
#include "storage/FileSystem.h"

#include <SDL_mixer.h>

#include <algorithm>

CSound* CSound::LoadSound(const std::string& fileName, int /*maxPlaybacks*/)
{
    CAudio* audio = CAudio::Get();
    const CFileSystem* files = CFileSystem::Get();
    if (!audio || !audio->IsDeviceAvailable() || !files)
        return nullptr;
    const CDataBuffer bytes = files->ReadFile(fileName);
    if (bytes.Empty())
        return nullptr;
    // Every effect plays once at a time, so each gets its own channel.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.Data(), static_cast<int>(bytes.Size())), 1);
    if (!chunk)
        return nullptr;
    return new CSound(chunk, audio->AcquireChannel());
}

CSound::CSound(Mix_Chunk* chunk, int channel) : m_chunk(chunk), m_channel(channel) {}

CSound::~CSound()
{
    if (CAudio* audio = CAudio::Get())
        audio->ReleaseChannel(m_channel);
    Mix_FreeChunk(m_chunk);
}

bool CSound::IsPlaying() const
{
    return CAudio::Get() && Mix_Playing(m_channel) != 0 && Mix_GetChunk(m_channel) == m_chunk;
}

void CSound::PlaySound(bool restart, bool loop, int volume)
{
    CAudio* audio = CAudio::Get();
    if (!audio)
        return;
    if (loop != m_loop)
    {
        m_loop = loop;
        if (IsPlaying())
            Mix_HaltChannel(m_channel);
    }
    const int soundVolume = audio->GetSoundVolume();
    const int requested = std::clamp(volume < 0 ? soundVolume : volume, 0, 100);
    m_volume = requested * soundVolume / 100;
    Mix_Volume(m_channel, m_volume * MIX_MAX_VOLUME / 100);
    if (!audio->IsSoundEnabled())
        return;
    if (restart || !IsPlaying())
        Mix_PlayChannel(m_channel, m_chunk, m_loop ? -1 : 0);
}
