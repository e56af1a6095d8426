// The bonus bar: what it enables, what a purchase charges and runs, and the
// keys that buy as its buttons do.
#include "GameFixture.h"

#include "platform/KeyCodes.h"
#include "widgets/SimpleButton.h"

namespace NGame::NTest
{
TEST_F(GameFixture, OnlyAffordableBonusesAreEnabledAndOnlyOnTheHumansIdleTurn)
{
    Start();
    ASSERT_TRUE(Settle());
    Human().SetMoney(9);
    Frames(1);
    for (int i = 0; i < BonusKindCount; ++i)
    {
        const bool canForward = Field().CanGoForward();
        const bool expected = i < 3 || (i == BonusForward3 && canForward);
        EXPECT_EQ(!m_game->GetBonusBar().GetButton(i)->IsDisabled(), expected) << i;
    }
    // Nothing is sold during a move, on the opponent's turn or once decided.
    ASSERT_TRUE(ClickAllowedCell());
    const int money = Human().GetMoney();
    m_game->OnControl(m_game->GetBonusBar().GetButton(0));
    EXPECT_TRUE(m_bought.empty());
    ASSERT_TRUE(RunUntil([this] { return m_game->GetCurrentPlayer() == 1; }));
    m_game->OnControl(m_game->GetBonusBar().GetButton(0));
    EXPECT_TRUE(m_bought.empty());
    EXPECT_EQ(Human().GetMoney(), money);
    ASSERT_TRUE(RunUntil([this] { return m_game->GetCurrentPlayer() == 0 && Field().IsIdle(); }));
    WinningBoard();
    FinishLevel();
    m_game->OnControl(m_game->GetBonusBar().GetButton(0));
    EXPECT_TRUE(m_bought.empty());
}

TEST_F(GameFixture, PurchaseChargesThePriceAndRunsTheBonusBeforeTheNextClick)
{
    m_effect_frames = 5;
    Start();
    ASSERT_TRUE(Settle());
    Frames(1);
    m_game->OnControl(m_game->GetBonusBar().GetButton(2));
    ASSERT_EQ(m_bought, std::vector<int>{2});
    EXPECT_EQ(Human().GetMoney(), 25 - DefaultBonusPrice(2));
    EXPECT_EQ(m_game->GetEffectCount(), 1u);
    // Board clicks wait for the bonus to finish.
    ASSERT_TRUE(ClickAllowedCell());
    EXPECT_EQ(Human().GetState(), PlayerTurn);
    Frames(7);
    EXPECT_EQ(m_game->GetEffectCount(), 0u);
    // A finished bonus settles the zone; a capture it makes may still flip.
    ASSERT_TRUE(RunUntil([this] { return Field().IsIdle(); }));
    ASSERT_TRUE(ClickAllowedCell());
    EXPECT_EQ(Human().GetState(), PlayerMoving);
}

TEST_F(GameFixture, BoughtLifeArrivesWithItsCarrierAndTheTurnGoesOn)
{
    m_bonus_maker = nullptr; // the rules' own bonuses
    Start();
    ASSERT_TRUE(Settle());
    Human().SetMoney(DefaultBonusPrice(BonusLife) + 4);
    Frames(1);
    m_game->OnControl(m_game->GetBonusBar().GetButton(BonusLife));
    EXPECT_EQ(Human().GetMoney(), 4);
    ASSERT_EQ(m_game->GetEffectCount(), 1u);
    ASSERT_TRUE(RunUntil([this] { return m_game->GetEffectCount() == 0; }));
    EXPECT_EQ(Human().GetLives(), 4);
    const auto sounds = m_game->TakePlayedSounds();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "wav/bonus.wav"), sounds.end());
    // The territories are settled once the carrier has gone; that may flip flowers.
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(ClickAllowedCell());
    EXPECT_EQ(Human().GetState(), PlayerMoving);
}

// The bonus keys buy as the bar's buttons do, and only when they could.
TEST_F(GameFixture, BonusKeysBuyAsTheButtonsDo)
{
    Start();
    ASSERT_TRUE(Settle());
    const int money = Human().GetMoney();
    const int price = FindGameResources()->GetPrice(0);
    ASSERT_LE(price, money);
    Frames(1); // the bar learns what may be bought
    m_game->OnKeyDown('Q');
    EXPECT_EQ(Human().GetMoney(), money - price);
    EXPECT_EQ(m_game->GetEffectCount(), 1u);
    // The life costs more than the purse holds: its key buys nothing.
    ASSERT_GT(FindGameResources()->GetPrice(BonusLife), Human().GetMoney());
    Frames(1);
    m_game->OnKeyDown('L');
    EXPECT_EQ(Human().GetMoney(), money - price);
}
} // namespace NGame::NTest
