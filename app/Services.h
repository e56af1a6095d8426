// The services that start-up, the frame loop and shutdown call but that other
// subsystems provide (resource groups, audio, intro, game resources, main
// menu, cursor decoration). Each is one named function here; until its
// subsystem arrives it does nothing, returns "none", or (the main menu) hands
// out the plain test screen.
#pragma once

class CScreen;
class IMusicPlayer;

// Resource groups: "main" exists from start-up to shutdown; every loaded
// group makes its GL textures once the context exists and frees them at the end.
void CreateMainResourceGroup();
void DeleteMainResourceGroup();
void ReloadResourceGroups();
void ReleaseResourceGroups();

// The audio device and the one music player.
void CreateAudioDevice();
void DestroyAudioDevice();
void UpdateAudio();
void ApplySettingsToAudio();
bool GetAudioInvertStereo();
IMusicPlayer* MusicPlayer();

// Screens and decorations of start-up. A null intro is skipped.
CScreen* CreateIntroScreen();
void CreateGameResources();
void DestroyGameResources();
CScreen* CreateMainMenu();
void MainMenuStartHook(CScreen* menu);
// A game of `type` at `level` (0-based) shown over the menu; the caller owns it.
CScreen* CreateGameScreen(int type, int level);
void MainMenuExitHook(CScreen* menu);
// True when a decoration replaces the system cursor.
bool CreateCursorDecoration();
void DestroyCursorDecoration();
