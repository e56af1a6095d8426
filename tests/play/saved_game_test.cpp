// Storing and resuming a running game through the saved-game keys: type,
// score, purse, lives and board come back; games that cannot resume are refused.
#include "GameFixture.h"

#include "play/SavedGame.h"
#include "rules/AIPlayer.h"
#include "screens/GameLink.h"
#include "storage/PropertyFile.h"

namespace NGame::NTest
{
namespace
{
NGame::CField::Mask FullMasks(const std::string&)
{
    return std::make_shared<const std::vector<unsigned char>>(800 * 600, 1);
}

class SavedGameTest : public GameFixture
{
  protected:
    // A fresh game of `type` restored from `store`, as the next run makes it.
    bool Resume(int type, const CPropertyFile& store)
    {
        m_resumed = std::make_unique<CGame>(type, &m_table, FullMasks);
        return NGameLink::LoadGame(m_resumed.get(), store);
    }
    std::unique_ptr<CGame> m_resumed;
};
} // namespace

TEST_F(SavedGameTest, EachSetResumesWithItsScorePurseLivesAndBoard)
{
    for (const auto& [type, level] : {std::pair{kAdvancedGame, 6}, {kMovingGame, 3}, {kClassicGame, 0}})
    {
        if (m_game)
            m_app->RemoveScreen(m_game.get());
        CGame& game = Start(type, level);
        ASSERT_TRUE(Settle());
        game.SetTotalScore(500);
        Human().SetMoney(123);
        Human().SetLives(2);
        game.GetMatch().Checkpoint(CMatch::kMomentTurn);
        CPropertyFile store;
        ASSERT_TRUE(NGameLink::SaveGame(&game, store));
        EXPECT_EQ(NSavedGame::GameType(store), type);

        ASSERT_TRUE(Resume(type, store));
        CGame& resumed = *m_resumed;
        EXPECT_EQ(resumed.GetGameType(), type);
        EXPECT_EQ(resumed.GetTotalScore(), 500) << type;
        EXPECT_EQ(resumed.GetPlayer(0)->GetMoney(), 123) << type;
        EXPECT_EQ(resumed.GetPlayer(0)->GetLives(), 2) << type;
        EXPECT_EQ(resumed.GetField().GetLevel(), level) << type;
        EXPECT_EQ(resumed.GetField().GetLevelState(), Field().GetLevelState()) << type;
        EXPECT_EQ(resumed.GetTutorial().GetWrongPickHints(), 0) << type;
        EXPECT_GE(resumed.GetTutorial().GetProgress(), GetGameResources()->GetTutorialLength())
            << "no tutorial on resume";
        // What the continue dialog shows: the level from 1, the score with the territory.
        EXPECT_EQ(NGameLink::ContinueLevel(m_resumed.get()), level + 1) << type;
        EXPECT_EQ(NGameLink::ContinueScore(m_resumed.get()),
                  500 + resumed.GetField().CountRegion(resumed.GetField().GetRows() / 2, 0))
            << type;
    }
}

TEST_F(SavedGameTest, AGameResumesAgainstTheOpponentItWasStartedWithAndAnOldSaveAgainstTheLevels)
{
    const int chosen = Settings().m_opponent;
    Settings().m_opponent = NOpponents::kFierce;
    CGame& game = Start(kClassicGame, 3);
    ASSERT_TRUE(Settle());
    CPropertyFile store;
    ASSERT_TRUE(NGameLink::SaveGame(&game, store));
    // Changed in the options since: new games only.
    Settings().m_opponent = NOpponents::kGentle;
    ASSERT_TRUE(Resume(kClassicGame, store));
    EXPECT_EQ(m_resumed->GetMatch().GetOpponent(), NOpponents::kFierce);
    EXPECT_EQ(m_resumed->GetAiDifficulty(), CAIPlayer::DifficultyFor(3, NOpponents::kFierce));
    // A save from before there was a choice, or a damaged value.
    std::string text = store.ToText();
    text.erase(text.find(NSavedGame::kOpponentKey), std::string(NSavedGame::kOpponentKey).size() + 3);
    CPropertyFile old;
    old.Parse(text.data(), text.size(), true);
    CPropertyFile damaged = store;
    damaged.SetInt(NSavedGame::kOpponentKey, 9);
    for (const CPropertyFile* saved : {&old, &damaged})
    {
        ASSERT_TRUE(Resume(kClassicGame, *saved));
        EXPECT_EQ(m_resumed->GetMatch().GetOpponent(), NOpponents::kLevel);
        EXPECT_EQ(m_resumed->GetAiDifficulty(), CAIPlayer::DifficultyForLevel(3));
    }
    Settings().m_opponent = chosen;
}

TEST_F(SavedGameTest, AGameQuitInItsOpeningResumesAsTheOpeningWouldHaveLeftIt)
{
    Start(kClassicGame, 0);
    CPropertyFile store;
    ASSERT_TRUE(NGameLink::SaveGame(m_game.get(), store));
    ASSERT_TRUE(RunUntil([this] { return Field().IsIdle(); }));
    ASSERT_TRUE(Resume(kClassicGame, store));
    EXPECT_EQ(m_resumed->GetField().GetLevel(), 0);
    EXPECT_EQ(m_resumed->GetField().GetLevelState(), Field().GetLevelState());
    EXPECT_EQ(m_resumed->GetPlayer(0)->GetMoney(), 25);
    EXPECT_EQ(m_resumed->GetPlayer(0)->GetLives(), 3);
}

// A level won, or lost with lives to spare, and quit on its message in a real
// window: level_end_quit_test.
TEST_F(SavedGameTest, DecidedLevelResumesAsClickToContinueLeavesIt)
{
    // Lost with the last life bought: the same level, neither life nor money.
    CGame& game = Start(kClassicGame, 3);
    ASSERT_TRUE(Settle());
    Human().SetLives(0);
    Human().SetMoney(DefaultBonusPrice(BonusLife));
    LosingBoard();
    FinishLevel();
    CPropertyFile store;
    ASSERT_TRUE(NGameLink::SaveGame(&game, store));
    ASSERT_TRUE(Resume(kClassicGame, store));
    EXPECT_EQ(m_resumed->GetField().GetLevel(), 3);
    EXPECT_EQ(m_resumed->GetPlayer(0)->GetLives(), 0);
    EXPECT_EQ(m_resumed->GetPlayer(0)->GetMoney(), 0);

    // Won, clicked on, and saved in the next level's opening before its first
    // snapshot: the next level, its score counted once.
    WinningBoard();
    FinishLevel();
    const int score = game.GetTotalScore();
    EXPECT_EQ(NGameLink::ContinueScore(&game), score) << "the dialog counts the level once too";
    Continue();
    ASSERT_EQ(Field().GetState(), Intro);
    store.Clear();
    ASSERT_TRUE(NGameLink::SaveGame(&game, store));
    ASSERT_TRUE(Resume(kClassicGame, store));
    EXPECT_EQ(m_resumed->GetField().GetLevel(), 4);
    EXPECT_EQ(m_resumed->GetTotalScore(), score);
}

TEST_F(SavedGameTest, GamesThatCannotResumeAreRefused)
{
    // A type the game was not made for, or a damaged board (a game that is
    // over is never stored: game_test).
    CGame& later = Start(kClassicGame, 4);
    ASSERT_TRUE(Settle());
    Field().TakeSnapshot();
    CPropertyFile store;
    NGameLink::SaveGame(&later, store);
    EXPECT_FALSE(Resume(kAdvancedGame, store));
    CPropertyFile damaged = store;
    damaged.SetString("gamedata.fieldstate", "4;999999;-7;x");
    EXPECT_FALSE(Resume(kClassicGame, damaged));
    damaged = store;
    damaged.SetInt(NSavedGame::kTypeKey, 7);
    EXPECT_FALSE(Resume(kClassicGame, damaged));
    EXPECT_TRUE(Resume(kClassicGame, store));
}
} // namespace NGame::NTest
