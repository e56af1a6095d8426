// Playlist playback on SDL_mixer's music stream.
#include "media/Music.h"

#include "media/Audio.h"
#include "storage/FileSystem.h"

#include <SDL_mixer.h>

#include <cstdio>

namespace NAudio
{
namespace
{
// Once the device is closed the mixer may have unloaded the module decoder,
// so a module left over at exit is dropped with the process instead.
void FreeModule(_Mix_Music*& handle)
{
    if (handle && CAudio::Get())
    {
        Mix_HaltMusic();
        Mix_FreeMusic(handle);
    }
    handle = nullptr;
}
} // namespace

Music::~Music()
{
    FreeModule(m_handle);
}

void Music::SetPlaylist(const std::vector<std::string>& files)
{
    m_playlist = files;
    m_current = -1;
}

void Music::Play(int index)
{
    CAudio* audio = CAudio::Get();
    if (!audio || !audio->IsDeviceAvailable() || !audio->IsMusicEnabled() || m_playlist.empty())
        return;
    if (index < 0)
        m_current = m_current + 1 >= static_cast<int>(m_playlist.size()) ? 0 : m_current + 1;
    else
        m_current = 0;
    Stop();

    // The data does not change while the program runs: a track that failed
    // once is skipped from then on, and a list of nothing but such tracks
    // stays silent instead of being read again every frame.
    const int count = static_cast<int>(m_playlist.size());
    for (int tried = 0; tried < count; ++tried, m_current = (m_current + 1) % count)
        if (Load(m_playlist[m_current]))
        {
            m_playing = 1;
            audio->SetMusicCurrent(true);
            Mix_PlayMusic(m_handle, 0);
            return;
        }
}

bool Music::Load(const std::string& file)
{
    if (m_failed.count(file) != 0)
        return false;
    const CFileSystem* files = CFileSystem::Get();
    if (!files)
        return false;
    m_bytes = files->ReadFile(file);
    if (!m_bytes.Empty())
        m_handle = Mix_LoadMUS_RW(SDL_RWFromConstMem(m_bytes.Data(), static_cast<int>(m_bytes.Size())), 1);
    if (m_handle)
    {
        m_track = file;
        return true;
    }
    std::fprintf(stderr, "chromal: cannot play the music %s: %s\n", file.c_str(),
                 m_bytes.Empty() ? "missing or empty" : Mix_GetError());
    m_bytes = CDataBuffer();
    m_failed.insert(file);
    return false;
}

void Music::Stop()
{
    m_playing = 0;
    if (CAudio* audio = CAudio::Get())
        audio->SetMusicCurrent(false);
    FreeModule(m_handle);
    m_bytes = CDataBuffer();
    m_track.clear();
}

bool Music::IsPlaying() const
{
    return m_handle && CAudio::Get() && Mix_PlayingMusic() != 0;
}

void Music::Update()
{
    if (m_playing && !IsPlaying())
        Play(-1);
}

Music& TheMusic()
{
    static Music music;
    return music;
}
} // namespace NAudio
