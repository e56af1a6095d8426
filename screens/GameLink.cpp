// The game link: the menus' dealings with a game beyond its own methods.
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

int ContinueLevel(NGame::CGame* game)
{
    return game ? game->GetField().GetLevel() + 1 : 0;
}
int ContinueScore(NGame::CGame* game)
{
    if (!game)
        return 0;
    const NGame::CPlayer* human = game->GetPlayer(0);
    // A decided level's territory is in the score already.
    const bool counted = game->GetGameType() != NGame::kMovingGame && game->GetField().IsLevelFinished();
    const int region =
        human && !counted ? game->GetField().CountRegion(human->GetHomeRow(), human->GetHomeColumn()) : 0;
    return game->GetTotalScore() + region;
}
bool SaveGame(NGame::CGame* game, CPropertyFile& store)
{
    if (!game)
        return false;
    // The board's snapshot is from before a decided level's last move: the
    // level is carried on first, so that it neither counts twice nor is
    // played again for free.
    game->ConcludeLevel();
    // A game that has ended is not offered again: resuming it from its last
    // turn would let the same game end, and enter the table, twice.
    if (game->IsGameOver())
        return false;
    store.SetInt(NSavedGame::kTypeKey, game->GetGameType());
    store.SetInt(NSavedGame::kScoreKey, game->GetTotalScore());
    const NGame::CPlayer* human = game->GetPlayer(0);
    store.SetInt(NSavedGame::kMoneyKey, human ? human->GetMoney() : 0);
    store.SetInt(NSavedGame::kLivesKey, human ? human->GetLives() : 0);
    NGame::SSavedBoard board;
    if (!game->GetField().SaveState(board))
        return false;
    NSavedGame::WriteBoard(board, store);
    return true;
}
bool LoadGame(NGame::CGame* game, const CPropertyFile& store)
{
    if (!game || NSavedGame::GameType(store) != game->GetGameType())
        return false;
    game->SetTotalScore(store.GetInt(NSavedGame::kScoreKey, 0));
    if (!game->GetField().LoadState(NSavedGame::ReadBoard(store)))
        return false;
    game->StartLevel();
    if (NGame::CPlayer* human = game->GetPlayer(0))
    {
        human->SetMoney(NSavedGame::Money(store));
        human->SetLives(NSavedGame::Lives(store));
    }
    game->GetField().TakeSnapshot();
    // A resumed game shows no tutorial.
    game->SetWrongPickHints(0);
    if (const CGameResources* resources = FindGameResources())
        game->SetHintProgress(resources->GetTutorialLength());
    return true;
}
} // namespace NGameLink
