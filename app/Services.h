// What start-up and shutdown ask of the subsystems above the framework
// (resource groups, audio settings, intro, game resources, main menu, cursor
// decoration), one named function each, so that the order of start-up reads
// in one place (app/Startup.cpp).
#pragma once

class CScreen;
class IMusicPlayer;

// Resource groups: "main" exists from start-up to shutdown; every loaded
// group makes its GL textures once the context exists and frees them at the end.
void CreateMainResourceGroup();
void DeleteMainResourceGroup();

// The audio device and the one music player.
void ApplySettingsToAudio();
bool GetAudioInvertStereo();
IMusicPlayer* MusicPlayer();

// Screens and decorations of start-up. A null intro is skipped.
CScreen* CreateIntroScreen();
void CreateGameResources();
void DestroyGameResources();
// True when a decoration replaces the system cursor.
bool CreateCursorDecoration();
void DestroyCursorDecoration();
