// The game link while the game screen is not part of the build: no game.
#include "play/GameLink.h"

namespace NGameLink
{
CScreen* CreateGame(int, CTopTable*)
{
    return nullptr;
}
void StartAtLevel(CScreen*, int) {}
bool IsGameOver(const CScreen*)
{
    return true;
}
bool IsNameEntered(const CScreen*)
{
    return false;
}
int GetGameType(const CScreen*)
{
    return 0;
}
int ContinueLevel(CScreen*)
{
    return 0;
}
int ContinueScore(CScreen*)
{
    return 0;
}
bool SaveGame(CScreen*, CPropertyFile&)
{
    return false;
}
bool LoadGame(CScreen*, const CPropertyFile&)
{
    return false;
}
} // namespace NGameLink
