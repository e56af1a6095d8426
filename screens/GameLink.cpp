// The game link: the menus' view of the game screen.
#include "screens/GameLink.h"

#include <string>
#include <utility>

#include "play/Game.h"
#include "play/GameResources.h"
#include "play/GameSeams.h"
#include "play/SavedGame.h"
#include "rules/Player.h"
#include "screens/EnterNameDlg.h"
#include "storage/PropertyFile.h"
#include "widgets/SimpleEdit.h"

namespace NGameLink
{
namespace
{
NGame::CGame* AsGame(CScreen* screen)
{
    return dynamic_cast<NGame::CGame*>(screen);
}
const NGame::CGame* AsGame(const CScreen* screen)
{
    return dynamic_cast<const NGame::CGame*>(screen);
}
} // namespace

void RegisterEnterNameDialog()
{
    NGame::SEnterNameSeam seam;
    seam.m_open = [](NGame::CGame&) -> CDialogScreen* { return new NInterface::CEnterNameDlg(); };
    seam.m_text = [](CDialogScreen* dialog)
    {
        const auto* names = dynamic_cast<NInterface::CEnterNameDlg*>(dialog);
        return names ? std::string(names->Edit()->GetText()) : std::string();
    };
    NGame::SetEnterNameSeam(std::move(seam));
}

CScreen* CreateGame(int gameType, CTopTable* topTable)
{
    return new NGame::CGame(gameType, topTable);
}
void StartAtLevel(CScreen* game, int level)
{
    if (NGame::CGame* g = AsGame(game))
        g->StartAtLevel(level);
}
bool IsGameOver(const CScreen* game)
{
    const NGame::CGame* g = AsGame(game);
    return !g || g->IsGameOver();
}
bool IsNameEntered(const CScreen* game)
{
    const NGame::CGame* g = AsGame(game);
    return g && g->IsNameEntered();
}
int GetGameType(const CScreen* game)
{
    const NGame::CGame* g = AsGame(game);
    return g ? g->GetGameType() : 0;
}
int ContinueLevel(CScreen* game)
{
    NGame::CGame* g = AsGame(game);
    return g ? g->GetField().GetLevel() + 1 : 0;
}
int ContinueScore(CScreen* game)
{
    NGame::CGame* g = AsGame(game);
    if (!g)
        return 0;
    const NGame::CPlayer* human = g->GetPlayer(0);
    // A decided level's territory is in the score already.
    const bool counted = g->GetGameType() != NGame::kMovingGame && g->GetField().IsLevelFinished();
    const int region =
        human && !counted ? g->GetField().CountRegion(human->GetHomeRow(), human->GetHomeColumn()) : 0;
    return g->GetTotalScore() + region;
}
bool SaveGame(CScreen* game, CPropertyFile& store)
{
    NGame::CGame* g = AsGame(game);
    if (!g)
        return false;
    // The board's snapshot is from before a decided level's last move: the
    // level is carried on first, so that it neither counts twice nor is
    // played again for free.
    g->ConcludeLevel();
    // A game that has ended is not offered again: resuming it from its last
    // turn would let the same game end, and enter the table, twice.
    if (g->IsGameOver())
        return false;
    store.SetInt(NSavedGame::kTypeKey, g->GetGameType());
    store.SetInt(NSavedGame::kScoreKey, g->GetTotalScore());
    const NGame::CPlayer* human = g->GetPlayer(0);
    store.SetInt(NSavedGame::kMoneyKey, human ? human->GetMoney() : 0);
    store.SetInt(NSavedGame::kLivesKey, human ? human->GetLives() : 0);
    NGame::SSavedBoard board;
    if (!g->GetField().SaveState(board))
        return false;
    NSavedGame::WriteBoard(board, store);
    return true;
}
bool LoadGame(CScreen* game, const CPropertyFile& store)
{
    NGame::CGame* g = AsGame(game);
    if (!g || NSavedGame::GameType(store) != g->GetGameType())
        return false;
    g->SetTotalScore(store.GetInt(NSavedGame::kScoreKey, 0));
    if (!g->GetField().LoadState(NSavedGame::ReadBoard(store)))
        return false;
    g->StartLevel();
    if (NGame::CPlayer* human = g->GetPlayer(0))
    {
        human->SetMoney(NSavedGame::Money(store));
        human->SetLives(NSavedGame::Lives(store));
    }
    g->GetField().TakeSnapshot();
    // A resumed game shows no tutorial.
    g->SetWrongPickHints(0);
    if (const CGameResources* resources = FindGameResources())
        g->SetHintProgress(resources->GetTutorialLength());
    return true;
}
} // namespace NGameLink
