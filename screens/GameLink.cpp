// The game link: the menus' dealings with a game beyond its own methods.
#include "screens/GameLink.h"

#include "play/Game.h"
#include "play/GameResources.h"
#include "play/SavedGame.h"
#include "play/Tutorial.h"
#include "rules/Player.h"
#include "storage/PropertyFile.h"

namespace NGameLink
{
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
    const bool counted = game->GetGameType() != NGame::kMovingGame && game->GetMatch().IsLevelDecided();
    const int region =
        human && !counted ? game->GetField().CountRegion(human->GetHomeRow(), human->GetHomeColumn()) : 0;
    return game->GetTotalScore() + region;
}
bool StoreMoment(NGame::CGame* game, CPropertyFile& store)
{
    // A game over whose score has gone to its list is finished with.
    if (!game || (game->IsGameOver() && game->IsNameEntered()))
        return false;
    const NGame::CMatch::SMoment& moment = game->GetMatch().GetMoment();
    if (moment.m_board.m_field_state.empty())
        return false;
    store.SetInt(NSavedGame::kTypeKey, game->GetGameType());
    store.SetInt(NSavedGame::kScoreKey, moment.m_score);
    store.SetInt(NSavedGame::kMoneyKey, moment.m_money);
    store.SetInt(NSavedGame::kLivesKey, moment.m_lives);
    store.SetInt(NSavedGame::kOpponentKey, game->GetMatch().GetOpponent());
    if (moment.m_skip_pending)
        store.SetInt(NSavedGame::kSkipKey, 1);
    if (moment.m_moves > 0 && game->GetGameType() == NGame::kMovingGame)
        store.SetInt(NSavedGame::kMovesKey, moment.m_moves);
    NSavedGame::WriteBoard(moment.m_board, store);
    return true;
}
bool SaveGame(NGame::CGame* game, CPropertyFile& store)
{
    if (!game)
        return false;
    // A decided level is carried on first, so that the game resumes at the
    // next level's opening rather than at the decision once more.
    game->ConcludeLevel();
    // A game that has ended is not offered again: resuming it from its last
    // turn would let the same game end, and enter the table, twice.
    if (game->IsGameOver())
        return false;
    return StoreMoment(game, store);
}
bool LoadGame(NGame::CGame* game, const CPropertyFile& store)
{
    if (!game || NSavedGame::GameType(store) != game->GetGameType())
        return false;
    game->SetTotalScore(store.GetInt(NSavedGame::kScoreKey, 0));
    if (!game->GetField().LoadState(NSavedGame::ReadBoard(store)))
        return false;
    // The game goes on against the opponent it was started with, whatever
    // the options say now.
    game->GetMatch().SetOpponent(NSavedGame::Opponent(store));
    game->StartLevel();
    if (NGame::CPlayer* human = game->GetPlayer(0))
    {
        human->SetMoney(NSavedGame::Money(store));
        human->SetLives(NSavedGame::Lives(store));
        human->SetMoves(NSavedGame::Moves(store));
    }
    const CGameResources* resources = FindGameResources();
    if (store.GetInt(NSavedGame::kSkipKey, 0) == 1)
        game->GetMatch().RestoreSkipPending(resources ? resources->GetPrice(NGame::BonusSkipMove) : 0);
    game->GetField().TakeSnapshot();
    game->GetMatch().Checkpoint(NGame::CMatch::kMomentResumed);
    // A resumed game shows no tutorial.
    game->GetTutorial().SetWrongPickHints(0);
    if (resources)
        game->GetTutorial().SetProgress(resources->GetTutorialLength());
    return true;
}
} // namespace NGameLink
