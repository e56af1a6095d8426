// Start-up's hand-over of the audio settings.
#include "media/ApplySettings.h"

#include "media/Audio.h"
#include "media/Music.h"
#include "storage/Settings.h"

void ApplySettings(CSettings& settings)
{
    if (CAudio* audio = CAudio::Get())
    {
        audio->SetSoundEnabled(settings.m_sound);
        audio->SetMusicVolume(settings.m_music_volume);
    }
    NAudio::TheMusic().Stop();
}
