// How the menus drive the game screen without knowing its class: create it,
// start it at a level, ask how it ended, and store or restore it.
#pragma once

class CPropertyFile;
class CScreen;
class CTopTable;

namespace NGameLink
{
// Lets the game ask for a high-score name with the menus' enter-name dialog.
void RegisterEnterNameDialog();
// Null when there is no game screen to create.
CScreen* CreateGame(int gameType, CTopTable* topTable);
void StartAtLevel(CScreen* game, int level);
bool IsGameOver(const CScreen* game);
bool IsNameEntered(const CScreen* game);
int GetGameType(const CScreen* game);
// What the continue dialog shows: the level from 1 and the score so far.
int ContinueLevel(CScreen* game);
int ContinueScore(CScreen* game);
// Stores the game as the next run resumes it. A decided level is first
// carried on as "click to continue" would (CGame::ConcludeLevel), and a game
// that is over is not stored: the program is closing on it.
bool SaveGame(CScreen* game, CPropertyFile& store);
// False when the store holds no game this screen can resume.
bool LoadGame(CScreen* game, const CPropertyFile& store);
} // namespace NGameLink
