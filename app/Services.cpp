// What start-up and shutdown ask of the subsystems above the framework.
#include "app/Services.h"

#include "framework/MenuCursor.h"
#include "media/ApplySettings.h"
#include "media/Audio.h"
#include "media/Music.h"
#include "media/ResourceGroup.h"
#include "play/GameResources.h"
#include "screens/Intro.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"

void CreateMainResourceGroup()
{
    if (const CFileSystem* files = CFileSystem::Get())
        CreateGroup("main", *files);
}
void DeleteMainResourceGroup()
{
    DeleteGroup("main");
}

void ApplySettingsToAudio()
{
    ApplySettings(Settings());
}
bool GetAudioInvertStereo()
{
    const CAudio* audio = CAudio::Get();
    return audio ? audio->GetInvertStereo() : Settings().m_sound_invert;
}
IMusicPlayer* MusicPlayer()
{
    return &NAudio::TheMusic();
}

CScreen* CreateIntroScreen()
{
    return new NInterface::CIntro();
}
void CreateGameResources()
{
    GetGameResources();
}
void DestroyGameResources()
{
    ReleaseGameResources();
}
bool CreateCursorDecoration()
{
    return NInterface::CreateCursor();
}
void DestroyCursorDecoration()
{
    NInterface::DestroyCursor();
}
