// What the menus do with a game beyond its own methods: show it in the
// continue dialog, and store or restore it as the saved game.
#pragma once

class CPropertyFile;

namespace NGame
{
class CGame;
}

namespace NGameLink
{
// What the continue dialog shows: the level from 1 and the score so far.
int ContinueLevel(NGame::CGame* game);
int ContinueScore(NGame::CGame* game);
// Stores the game's last whole moment (CMatch::SMoment) as the next run
// resumes it; false, and nothing stored, when it has none or the game has
// ended with its score entered.
bool StoreMoment(NGame::CGame* game, CPropertyFile& store);
// At exit: a decided level is first carried on as "click to continue" would
// (CGame::ConcludeLevel), and a game that is over is not stored: the program
// is closing on it.
bool SaveGame(NGame::CGame* game, CPropertyFile& store);
// False when the store holds no game this screen can resume.
bool LoadGame(NGame::CGame* game, const CPropertyFile& store);
} // namespace NGameLink
