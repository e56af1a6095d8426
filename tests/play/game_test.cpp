// The game screen's flow: opponents per level, turns and the skip, level ends
// with lives and the purse, and clicks versus drags (the bar: bonus_bar_test).
#include "GameFixture.h"

#include "play/EnterNameDlg.h"
#include "screens/GameLink.h"
#include "storage/PropertyFile.h"
#include "storage/Statistics.h"
#include "widgets/SimpleButton.h"

namespace NGame::NTest
{
TEST_F(GameFixture, TurnPassesToTheOpponentAndBack)
{
    Start();
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(ClickAllowedCell());
    EXPECT_EQ(Human().GetState(), PlayerMoving);
    const auto sounds = m_game->TakePlayedSounds();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "wav/start_paint.wav"), sounds.end());
    ASSERT_TRUE(RunUntil([this] { return m_game->GetCurrentPlayer() == 1; }));
    ASSERT_TRUE(RunUntil([this] { return m_game->GetCurrentPlayer() == 0; }));
    EXPECT_EQ(Human().GetState(), PlayerTurn);
}

// A skip's course through the turns, the bar shut in the rival's turn, and
// the lives, purse and score of every level end: rules/match_test.
TEST_F(GameFixture, ATiedLevelSoundsItsCompletionOnceAndAClickOpensTheNext)
{
    Start();
    ASSERT_TRUE(Settle());
    TiedBoard();
    FinishLevel();
    EXPECT_FALSE(m_game->IsLifeLost());
    Frames(20);
    const auto sounds = m_game->TakePlayedSounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "wav/lev_complete.wav"), 1);
    Continue();
    EXPECT_EQ(Field().GetLevel(), 1);
}

TEST_F(GameFixture, LossWithNeitherLifeNorMoneyEndsTheGameAndClosesTheScreen)
{
    Start();
    ASSERT_TRUE(Settle());
    Human().SetLives(0);
    Human().SetMoney(DefaultBonusPrice(BonusLife) - 1);
    LosingBoard();
    FinishLevel();
    EXPECT_TRUE(m_game->IsGameOver());
    EXPECT_EQ(Human().GetMoney(), DefaultBonusPrice(BonusLife) - 1);
    const auto sounds = m_game->TakePlayedSounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "wav/game_over.wav"), 1);
    for (int i = 0; i < BonusKindCount; ++i)
        EXPECT_TRUE(m_game->GetBonusBar().GetButton(i)->IsDisabled());
}

// Each level is counted as it is left: a life lost ends the run of levels
// won; a moving level is won with its moves.
TEST_F(GameFixture, StatisticsCountEveryLevelLeft)
{
    CStatistics stats;
    Start();
    m_game->SetStatistics(&stats);
    for (const bool won : {true, true, false, true})
    {
        ASSERT_TRUE(Settle());
        won ? WinningBoard() : LosingBoard();
        FinishLevel();
        Continue();
    }
    const CStatistics::SSet& classic = stats.Set(kClassicGame);
    EXPECT_EQ(std::tuple(classic.m_won, classic.m_lost, classic.m_longest_run, classic.m_best_score),
              std::tuple(3, 1, 2, m_game->GetTotalScore()));

    Start(kMovingGame);
    m_game->SetStatistics(&stats);
    ASSERT_TRUE(Settle());
    WinningBoard();
    FinishLevel();
    EXPECT_EQ(m_game->GetMoves(), 1);
    Continue();
    EXPECT_EQ(std::tuple(stats.Set(kMovingGame).m_won, stats.BestMoves(0), classic.m_won),
              std::tuple(1, 1, 3));
}

TEST_F(GameFixture, DragOfThreePixelsIsNoClick)
{
    Start();
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(ClickAllowedCell(3, 0));
    ClickAllowedCell(0, -3);
    EXPECT_EQ(Human().GetState(), PlayerTurn);
    ClickAllowedCell(2, -2);
    EXPECT_EQ(Human().GetState(), PlayerMoving);
}

TEST_F(GameFixture, MainMenuButtonClosesTheScreenEachTimeItIsShown)
{
    Start();
    for (int shown = 0; shown < 2; ++shown)
    {
        m_game->OnControl(m_game->GetMainMenuButton());
        m_app->FrameStep(16.0f);
        ASSERT_EQ(m_app->TopScreen(), &m_menu) << "showing " << shown;
        m_app->PushScreen(m_game.get());
    }
}

TEST_F(GameFixture, PurseShowsDollarsAndTwoDigitCents)
{
    EXPECT_EQ(CGame::FormatMoney(105), "$1,05");
    EXPECT_EQ(CGame::FormatMoney(25), "$0,25");
    EXPECT_EQ(CGame::FormatMoney(12345), "$123,45");
}

TEST_F(GameFixture, HostileMasksNeitherLockTheTurnsNorTheLevel)
{
    const auto start = [this](std::vector<unsigned char> mask)
    {
        if (m_game)
            m_app->RemoveScreen(m_game.get());
        m_game = std::make_unique<CGame>(
            kClassicGame, &m_table,
            [mask](const std::string&) { return std::make_shared<const std::vector<unsigned char>>(mask); });
        m_app->PushScreen(m_game.get());
    };
    // Holes under both homes of level 0 (centres (30, 282) and (769, 282)).
    std::vector<unsigned char> homesHoled(800 * 600, 1);
    for (int y = 272; y < 292; ++y)
        for (const int x0 : {20, 760})
            for (int x = x0; x < x0 + 20; ++x)
                homesHoled[static_cast<std::size_t>(x + y * 800)] = 0;
    start(homesHoled);
    ASSERT_TRUE(Settle());
    bool opponentMoved = false;
    for (int move = 0; move < 150 && !Field().IsLevelFinished(); ++move)
    {
        ASSERT_TRUE(ClickAllowedCell());
        ASSERT_TRUE(RunUntil(
            [&]
            {
                opponentMoved = opponentMoved || m_game->GetCurrentPlayer() == 1;
                return Field().IsLevelFinished() || (Field().IsIdle() && Human().GetState() == PlayerTurn);
            }));
    }
    EXPECT_TRUE(opponentMoved);
    EXPECT_TRUE(Field().IsLevelFinished());

    // Nothing but holes: the homes alone cover the board, a tie.
    start(std::vector<unsigned char>(800 * 600, 0));
    Field().LandAllInsects();
    ASSERT_TRUE(RunUntil([this] { return Field().IsLevelFinished() && Field().IsIdle(); }));
    Frames(2);
    EXPECT_FALSE(m_game->IsLifeLost());
    Click(400, 300);
    EXPECT_EQ(Field().GetState(), Leaving);
}

TEST_F(GameFixture, MovingSetKeepsTheTurnAndScrollsAfterEachMove)
{
    Start(kMovingGame);
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(ClickAllowedCell());
    bool shifted = false;
    ASSERT_TRUE(RunUntil(
        [&]
        {
            shifted = shifted || Field().GetState() == Shifting;
            return shifted && Field().IsIdle();
        }));
    EXPECT_EQ(m_game->GetCurrentPlayer(), 0);
    EXPECT_EQ(Human().GetState(), PlayerTurn);
}

namespace
{
// GAME OVER with a score for the table: the game's own name dialog asks,
// whatever screens ran before in the process.
class GameOverTest : public GameFixture
{
  protected:
    void EndGame(int score)
    {
        Start();
        ASSERT_TRUE(Settle());
        Human().SetLives(0);
        Human().SetMoney(0);
        LosingBoard();
        FinishLevel();
        ASSERT_TRUE(m_game->IsGameOver());
        m_game->SetTotalScore(score);
    }
    NInterface::CEnterNameDlg* NameDialog() const
    {
        return dynamic_cast<NInterface::CEnterNameDlg*>(m_app->InputTarget());
    }
};
} // namespace

TEST_F(GameOverTest, LeavingByTheMenuButtonAsksTheNameAndAnEmptyOneIsNemo)
{
    m_table.Insert(kClassicGame, 7, "Ada");
    EndGame(900);
    m_game->GetMatch().SetOpponent(NOpponents::kGentle);
    m_game->OnControl(m_game->GetMainMenuButton());
    m_app->FrameStep(16.0f);
    NInterface::CEnterNameDlg* dialog = NameDialog();
    ASSERT_NE(dialog, nullptr) << "the menu button must not throw the score away";
    EXPECT_EQ(m_app->TopScreen(), m_game.get());

    dialog->OnControl(dialog->OkButton());
    m_app->FrameStep(16.0f);
    EXPECT_EQ(m_app->DialogCount(), 0u);
    EXPECT_EQ(m_table.GetName(kClassicGame, 0), "Nemo");
    EXPECT_EQ(m_table.GetPoints(kClassicGame, 0), 900);
    EXPECT_EQ(m_table.GetOpponent(kClassicGame, 0), NOpponents::kGentle);
    EXPECT_TRUE(m_game->IsNameEntered());
    ASSERT_TRUE(RunUntil([this] { return Field().GetState() == Gone; }));
    Frames(1);
    m_app->FrameStep(16.0f);
    EXPECT_EQ(m_app->TopScreen(), &m_menu);
}

TEST_F(GameOverTest, ClosingTheProgramKeepsTheScoreUnderTheLastNameOrTheOneTyped)
{
    m_table.Insert(kClassicGame, 7, "Ada");
    EndGame(900);
    m_game->GetMatch().SetOpponent(NOpponents::kFierce);
    CPropertyFile store;
    EXPECT_FALSE(NGameLink::SaveGame(m_game.get(), store)) << "a game that is over is not stored";
    EXPECT_EQ(m_table.GetName(kClassicGame, 0), "Ada");
    EXPECT_EQ(m_table.GetOpponent(kClassicGame, 0), NOpponents::kFierce);
    EXPECT_EQ(m_table.GetPoints(kClassicGame, 0), 900);

    // Closed while the name dialog shows what was typed so far.
    m_app->RemoveScreen(m_game.get());
    EndGame(950);
    Click(400, 300);
    NInterface::CEnterNameDlg* dialog = NameDialog();
    ASSERT_NE(dialog, nullptr);
    for (char c : std::string("Bo"))
        dialog->OnChar(static_cast<std::uint16_t>(c), 1);
    NGameLink::SaveGame(m_game.get(), store);
    EXPECT_EQ(m_table.GetName(kClassicGame, 0), "Bo");
    EXPECT_EQ(m_table.GetPoints(kClassicGame, 0), 950);
    dialog->OnControl(dialog->OkButton());
    m_app->FrameStep(16.0f);
    EXPECT_EQ(m_table.GetPoints(kClassicGame, 1), 900) << "entered once";
    EXPECT_EQ(m_table.GetPoints(kClassicGame, 2), 7);
}
} // namespace NGame::NTest
