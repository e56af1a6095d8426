// Stand-ins for the services of subsystems not built yet; see Services.h.
#include "app/Services.h"

#include "app/TestScreen.h"

void CreateMainResourceGroup() {}
void DeleteMainResourceGroup() {}
void ReloadResourceGroups() {}
void ReleaseResourceGroups() {}

void CreateAudioDevice() {}
void DestroyAudioDevice() {}
void UpdateAudio() {}
void ApplySettingsToAudio() {}
bool GetAudioInvertStereo()
{
    return false;
}
IMusicPlayer* MusicPlayer()
{
    return nullptr;
}

CScreen* CreateIntroScreen()
{
    return nullptr;
}
void CreateGameResources() {}
void DestroyGameResources() {}
// The test screen stands where the main menu will be.
CScreen* CreateMainMenu()
{
    return new CTestScreen();
}
void MainMenuStartHook(CScreen*) {}
void MainMenuExitHook(CScreen*) {}
bool CreateCursorDecoration()
{
    return false;
}
void DestroyCursorDecoration() {}
