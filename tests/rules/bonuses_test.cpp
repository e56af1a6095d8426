// Bonuses: the carrier's course, each effect on the board, and the purchases
// that must be refused for want of a target.
#include "BoardBuilder.h"
#include "rules/BonusApponentRandomize.h"
#include "rules/BonusBackward3.h"
#include "rules/BonusForward3.h"
#include "rules/BonusFreeRandomize.h"
#include "rules/BonusKinds.h"
#include "rules/BonusSimpleRepaint.h"

#include <gtest/gtest.h>

namespace NGame::NTest
{
namespace
{
constexpr int kMid = 8;
constexpr int kLast = 20;
constexpr int kHuman = 0;
constexpr int kOpponent = 5;

// A board with both homes registered, laid out by `colour` (and `coin`).
struct SBonusBoard : SBoard
{
    SBonusBoard(const std::function<int(int, int)>& colour,
                const std::function<int(int, int)>& coin = nullptr)
    {
        m_field->AddHome(kMid, 0);
        m_field->AddHome(kMid, kLast);
        Layout(colour, coin);
    }
    // Colours of every cell, row-major.
    std::vector<int> Colours()
    {
        std::vector<int> colours;
        for (int r = 0; r < m_field->GetRows(); ++r)
            for (int c = 0; c < m_field->RowLength(r); ++c)
                colours.push_back(m_field->GetCellColour(r, c));
        return colours;
    }
    int Index(int row, int column)
    {
        int index = 0;
        for (int r = 0; r < row; ++r)
            index += m_field->RowLength(r);
        return index + column;
    }
};

// Neither home's colour, so no cell joins a territory by accident.
int Filler(int r, int c)
{
    return 1 + (r + 2 * c) % 4;
}

// Frames of the game: every bonus and then the board, until all bonuses are done.
bool RunBonuses(CField& field, std::vector<std::unique_ptr<CBonus>>& bonuses, int maxFrames = 5000)
{
    for (int frame = 0; frame < maxFrames && !bonuses.empty(); ++frame)
    {
        for (std::size_t i = 0; i < bonuses.size();)
        {
            if (bonuses[i]->Update(16.0f))
                bonuses.erase(bonuses.begin() + static_cast<long>(i));
            else
                ++i;
        }
        field.Update(16.0f);
    }
    return bonuses.empty();
}

bool RunBonus(CField& field, std::unique_ptr<CBonus> bonus)
{
    std::vector<std::unique_ptr<CBonus>> bonuses;
    bonuses.push_back(std::move(bonus));
    return RunBonuses(field, bonuses);
}

// The human holds the first `front` cells of the middle row, the opponent
// the middle row from `opponentFrom` on.
std::function<int(int, int)> Front(int front, int opponentFrom, int holeAt = -1)
{
    return [=](int r, int c)
    {
        if (r == kMid && c == holeAt)
            return kHole;
        if (r == kMid && c < front)
            return kHuman;
        if (r == kMid && c >= opponentFrom)
            return kOpponent;
        return Filler(r, c);
    };
}

TEST(BonusForward, PaintsTheCellsRightOfTheFrontOneByOne)
{
    for (const int count : {1, 3})
    {
        std::srand(4);
        SBonusBoard board(Front(4, 15), [](int r, int c) { return r == kMid && c == 4 ? 2 : -1; });
        EXPECT_TRUE(board->CanGoForward());
        std::vector<int> expected = board.Colours();
        for (int c = 4; c < 4 + count; ++c)
            expected[static_cast<std::size_t>(board.Index(kMid, c))] = kHuman;
        ASSERT_TRUE(RunBonus(*board, std::make_unique<CBonusForward3>(*board, count)));
        EXPECT_EQ(board.Colours(), expected) << "count " << count;
        // The coin under the painted cell is gone, not collected.
        EXPECT_EQ(board->GetCoin(kMid, 4), -1);
        EXPECT_TRUE(board->CollectedCoins().empty());
    }
}

TEST(BonusForward, HoleStopsItAndTheOpponentIsPassedOver)
{
    std::srand(5);
    SBonusBoard holed(Front(4, 15, 4));
    EXPECT_FALSE(holed->CanGoForward());
    const std::vector<int> before = holed.Colours();
    ASSERT_TRUE(RunBonus(*holed, std::make_unique<CBonusForward3>(*holed, 3)));
    EXPECT_EQ(holed.Colours(), before);

    // The opponent's cells keep their colour; the free one beyond is painted.
    SBonusBoard crossed(
        [](int r, int c)
        {
            if (r == kMid)
                return c < 4 ? kHuman : (c == 6 ? 2 : kOpponent);
            return std::abs(r - kMid) == 1 && c >= 3 ? kOpponent : Filler(r, c);
        });
    EXPECT_FALSE(crossed->CanGoForward());
    ASSERT_TRUE(RunBonus(*crossed, std::make_unique<CBonusForward3>(*crossed, 3)));
    EXPECT_EQ(crossed->GetCellColour(kMid, 4), kOpponent);
    EXPECT_EQ(crossed->GetCellColour(kMid, 5), kOpponent);
    EXPECT_EQ(crossed->GetCellColour(kMid, 6), kHuman);

    SBonusBoard touching(Front(4, 4));
    EXPECT_FALSE(touching->CanGoForward());
    SBonusBoard homeless(Front(0, 15, 0));
    EXPECT_FALSE(homeless->CanGoForward());
}

TEST(BonusBackward, OneColumnTerritoryLosesAtMostThatColumnAndKeepsItsHome)
{
    std::srand(6);
    SBonusBoard board([&](int r, int c) { return c == 20 - std::abs(kMid - r) ? kOpponent : Filler(r, c); });
    const std::vector<int> before = board.Colours();
    ASSERT_TRUE(RunBonus(*board, std::make_unique<CBonusBackward3>(*board, 2)));
    const std::vector<int> after = board.Colours();
    int repainted = 0;
    for (int r = 0; r < board->GetRows(); ++r)
    {
        for (int c = 0; c < board->RowLength(r); ++c)
        {
            const auto i = static_cast<std::size_t>(board.Index(r, c));
            if (c != board->RowLength(r) - 1)
                EXPECT_EQ(after[i], before[i]) << r << "," << c;
            else if (after[i] != kOpponent)
                ++repainted;
        }
    }
    EXPECT_EQ(board->GetCellColour(kMid, kLast), kOpponent);
    EXPECT_GT(repainted, 0);
}

TEST(BonusOpponentRandomize, KeepsTheHomeAndMayKeepTheOpponentsColour)
{
    std::srand(7);
    SBonusBoard board([](int r, int c) { return c >= 14 ? kOpponent : Filler(r, c); });
    const std::vector<int> before = board.Colours();
    ASSERT_TRUE(RunBonus(*board, std::make_unique<CBonusApponentRandomize>(*board)));
    int kept = 0;
    int changed = 0;
    for (int r = 0; r < board->GetRows(); ++r)
    {
        for (int c = 0; c < board->RowLength(r); ++c)
        {
            const int now = board->GetCellColour(r, c);
            if (c < 14)
                EXPECT_EQ(now, before[static_cast<std::size_t>(board.Index(r, c))]);
            else if (!(r == kMid && c == kLast))
                (now == kOpponent ? kept : changed) += 1;
        }
    }
    EXPECT_EQ(board->GetCellColour(kMid, kLast), kOpponent);
    EXPECT_GT(kept, 0);
    EXPECT_GT(changed, 0);
}

TEST(BonusFreeRandomize, TerritoriesStayAndCoinsDrawnIntoThemAreLost)
{
    std::srand(8);
    SBonusBoard board([](int r, int c)
                      { return r == kMid && c < 3 ? kHuman : (c >= 16 ? kOpponent : Filler(r, c)); },
                      [](int r, int c) { return (r == kMid && c < 3) || c >= 16 ? -1 : 1; });
    const std::vector<int> before = board.Colours();
    ASSERT_TRUE(RunBonus(*board, std::make_unique<CBonusFreeRandomize>(*board)));

    CColourMap owned = board->MakeColourMap();
    board->FloodMark(owned, kMid, 0, -7, -100);
    board->FloodMark(owned, kMid, kLast, -7, -100);
    int lost = 0;
    int kept = 0;
    int recoloured = 0;
    for (int r = 0; r < board->GetRows(); ++r)
    {
        for (int c = 0; c < board->RowLength(r); ++c)
        {
            const int was = before[static_cast<std::size_t>(board.Index(r, c))];
            if ((r == kMid && c < 3) || c >= 16)
            {
                EXPECT_EQ(board->GetCellColour(r, c), was);
            }
            else if (board->GetCellColour(r, c) != was)
            {
                ++recoloured;
            }
            if ((r == kMid && c < 3) || c >= 16)
                continue;
            if (owned.At(r, c) == -7)
            {
                EXPECT_EQ(board->GetCoin(r, c), -1) << r << "," << c;
                ++lost;
            }
            else
            {
                EXPECT_EQ(board->GetCoin(r, c), 1) << r << "," << c;
                ++kept;
            }
        }
    }
    EXPECT_GT(recoloured, 0);
    EXPECT_GT(lost, 0);
    EXPECT_GT(kept, 0);
    EXPECT_TRUE(board->CollectedCoins().empty());
}

TEST(BonusPurchase, RepaintsWithoutACandidateAreRefused)
{
    // Every free flower already has the human's colour.
    const auto colour = [](int r, int c)
    { return (r == kMid && c == 0) || (r == 2 && c == 5) ? kHuman : kOpponent; };
    SBonusBoard board(colour);
    CPlayer player(kMid, 0, board.m_field.get());
    EXPECT_FALSE(CanBuyBonus(BonusSingleRepaint, *board));
    EXPECT_FALSE(CanBuyBonus(BonusZoneRepaint, *board));
    EXPECT_EQ(CreateBonus(BonusSingleRepaint, *board, player), nullptr);
    EXPECT_EQ(CreateBonus(BonusZoneRepaint, *board, player), nullptr);
    EXPECT_TRUE(CanBuyBonus(BonusFreeRandomize, *board));
    EXPECT_EQ(CreateBonus(BonusKindCount, *board, player), nullptr);

    // One candidate: it is the target, and nothing happens before the carrier is there.
    SBonusBoard single([&](int r, int c) { return r == 3 && c == 7 ? 2 : colour(r, c); });
    std::unique_ptr<CBonus> bonus = CreateBonus(BonusSingleRepaint, *single, player);
    ASSERT_NE(bonus, nullptr);
    EXPECT_FLOAT_EQ(bonus->GetInsect().m_x, -50.0f);
    float x = 0.0f;
    float y = 0.0f;
    single->CellPosition(3, 7, x, y);
    EXPECT_FLOAT_EQ(bonus->GetInsect().m_targetX, x);
    EXPECT_FLOAT_EQ(bonus->GetInsect().m_targetY, y);
    for (int i = 0; i < 10; ++i)
        bonus->Update(16.0f);
    EXPECT_FALSE(bonus->HasArrived());
    EXPECT_EQ(single->GetCellColour(3, 7), 2);
    ASSERT_TRUE(RunBonus(*single, std::move(bonus)));
    EXPECT_EQ(single->GetCellColour(3, 7), kHuman);
}

TEST(BonusPurchase, BonusesBoughtTogetherEachTakeEffectOnce)
{
    std::srand(9);
    SBonusBoard board(Front(4, 15));
    CPlayer player(kMid, 0, board.m_field.get());
    player.SetLives(1);
    std::vector<std::unique_ptr<CBonus>> bonuses;
    bonuses.push_back(CreateBonus(BonusLife, *board, player));
    bonuses.push_back(CreateBonus(BonusSkipMove, *board, player));
    bonuses.push_back(CreateBonus(BonusForward3, *board, player));
    bonuses.push_back(CreateBonus(BonusLife, *board, player));
    ASSERT_TRUE(RunBonuses(*board, bonuses));
    EXPECT_EQ(player.GetLives(), 3);
    EXPECT_EQ(board->TakeSounds(), std::vector<std::string>(4, "wav/bonus.wav"));
    EXPECT_FALSE(board->GetCell(kMid, kLast)->IsLit());
    EXPECT_EQ(board->GetCellColour(kMid, 4), kHuman);
    EXPECT_EQ(board->GetCellColour(kMid, 5), Filler(kMid, 5));
}
} // namespace
} // namespace NGame::NTest
