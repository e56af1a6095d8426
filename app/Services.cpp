// The services of other subsystems: the real ones where they exist, stand-ins for the rest.
#include "app/Services.h"

#include "app/TestScreen.h"
#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/ApplySettings.h"
#include "media/Audio.h"
#include "media/Music.h"
#include "media/ResourceGroup.h"
#include "play/GameResources.h"
#include "screens/Intro.h"
#include "screens/MainMenu.h"
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
CScreen* CreateMainMenu(bool testScreen)
{
    if (testScreen)
        return new CTestScreen();
    return new NInterface::CMainMenu();
}
void MainMenuStartHook(CScreen* menu)
{
    if (auto* mainMenu = dynamic_cast<NInterface::CMainMenu*>(menu))
        mainMenu->StartHook();
}
void MainMenuExitHook(CScreen* menu)
{
    if (auto* mainMenu = dynamic_cast<NInterface::CMainMenu*>(menu))
        mainMenu->ExitHook();
}
void MainMenuStartGame(CScreen* menu, int type, int level)
{
    if (auto* mainMenu = dynamic_cast<NInterface::CMainMenu*>(menu))
        mainMenu->StartGame(type, level);
}
bool CreateCursorDecoration()
{
    const bool shown = NInterface::CreateCursor();
    // The stand-in menu draws no sprite cursor (its window tests probe the
    // pixels under the pointer), so the system cursor stays while it is the menu.
    const CApplication* app = CApplication::Get();
    if (app && dynamic_cast<CTestScreen*>(app->TopScreen()))
        return false;
    return shown;
}
void DestroyCursorDecoration()
{
    NInterface::DestroyCursor();
}
