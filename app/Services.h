// The services that start-up, the frame loop and shutdown call but that other
// subsystems provide (resource groups, audio, intro, game resources, main
// menu, cursor decoration). Each is one named function here; until its
// subsystem arrives it does nothing or returns "none".
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
// The main menu, or the plain test screen that the window checks probe.
CScreen* CreateMainMenu(bool testScreen);
void MainMenuStartHook(CScreen* menu);
void MainMenuExitHook(CScreen* menu);
// A game of `type` from level `level` (from 0) over the menu, which owns it.
void MainMenuStartGame(CScreen* menu, int type, int level);
// True when a decoration replaces the system cursor.
bool CreateCursorDecoration();
void DestroyCursorDecoration();
