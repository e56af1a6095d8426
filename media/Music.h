// The music player: a playlist of tracker modules played one after another
// for ever, each loaded from memory through the file layer.
#pragma once

#include "media/MusicPlayer.h"
#include "storage/DataBuffer.h"

#include <set>
#include <string>
#include <vector>

struct _Mix_Music;

namespace NAudio
{
class Music : public IMusicPlayer
{
  public:
    Music() = default;
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;
    ~Music() override;

    void SetPlaylist(const std::vector<std::string>& files);
    // index < 0: the next track (wrapping); any other index: the first track.
    void Play(int index) override;
    void Stop() override;
    bool IsPlaying() const override;
    // Once per frame: a track that has ended gives way to the next one.
    void Update();
    // Tracks that failed to load are tried again (the audio device closes).
    void ForgetFailures() { m_failed.clear(); }

    bool IsStarted() const { return m_playing != 0; }
    int GetCurrentIndex() const { return m_current; }
    // The file of the module loaded (a new playlist keeps it playing); empty when none is.
    const std::string& GetCurrentTrack() const { return m_track; }
    bool HasModule() const { return m_handle != nullptr; }

  private:
    // Loads the module of `file`; false (logged the first time) when it cannot.
    bool Load(const std::string& file);

    int m_playing = 0;
    std::vector<std::string> m_playlist;
    _Mix_Music* m_handle = nullptr;
    // The mixer may stream from the file's bytes while it plays.
    CDataBuffer m_bytes;
    std::string m_track;
    int m_current = -1;
    // Tracks that could not be loaded, by file name; skipped without a read.
    std::set<std::string> m_failed;
};

// The one music player, shared by the menus and the game.
Music& TheMusic();
} // namespace NAudio
