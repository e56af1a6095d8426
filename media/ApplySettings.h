// Hands the loaded settings to the audio device and the music player.
#pragma once

class CSettings;

// Sound switch and music volume go to the device; the music is stopped so the
// first screen starts its own playlist.
void ApplySettings(CSettings& settings);
