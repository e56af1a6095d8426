// What the frame loop needs of the music player: pause it while another
// program has the focus and resume it afterwards. NAudio::Music implements it.
#pragma once

class IMusicPlayer
{
  public:
    virtual ~IMusicPlayer() = default;
    virtual bool IsPlaying() const = 0;
    // index -1 starts the next track of the play list.
    virtual void Play(int index) = 0;
    virtual void Stop() = 0;
};
