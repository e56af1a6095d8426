// Bonuses: each effect on the board, bonuses running side by side, and the
// purchases that must be refused for want of a target.
#include "BoardBuilder.h"
#include "rules/BonusApponentRandomize.h"
#include "rules/BonusBackward3.h"
#include "rules/BonusForward3.h"
#include "rules/BonusFreeRandomize.h"
#include "rules/BonusKinds.h"
#include "rules/BonusSelfRepaint.h"
#include "rules/BonusZoneRepaint.h"

#include <gtest/gtest.h>

namespace NGame::NTest
{
namespace
{
constexpr int kHuman = 0;
constexpr int kOpponent = 5;
using Grid = std::vector<std::vector<int>>;

// Neither home's colour, so no cell joins a territory by accident.
int Filler(int r, int c)
{
    return 1 + (r + 2 * c) % 4;
}

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
    Grid Colours() const
    {
        Grid colours(static_cast<std::size_t>(m_field->GetRows()));
        for (int r = 0; r < m_field->GetRows(); ++r)
            for (int c = 0; c < m_field->RowLength(r); ++c)
                colours[r].push_back(m_field->GetCellColour(r, c));
        return colours;
    }
    // Runs the game's frames, every bonus and then the board, until all are done.
    bool Run(std::vector<std::unique_ptr<CBonus>> bonuses)
    {
        for (int frame = 0; frame < 5000 && !bonuses.empty(); ++frame)
        {
            for (std::size_t i = 0; i < bonuses.size();)
            {
                if (bonuses[i]->Update(16.0f))
                    bonuses.erase(bonuses.begin() + static_cast<long>(i));
                else
                    ++i;
            }
            m_field->Update(16.0f);
        }
        return bonuses.empty();
    }
    bool Run(std::unique_ptr<CBonus> bonus)
    {
        std::vector<std::unique_ptr<CBonus>> bonuses;
        bonuses.push_back(std::move(bonus));
        return Run(std::move(bonuses));
    }
};

// The human holds the first `front` cells of the middle row, the opponent
// the middle row from `opponentFrom` on.
std::function<int(int, int)> Front(int front, int opponentFrom, int holeAt = -1)
{
    return [=](int r, int c)
    {
        if (r != kMid)
            return Filler(r, c);
        return c == holeAt ? kHole : (c < front ? kHuman : (c >= opponentFrom ? kOpponent : Filler(r, c)));
    };
}

TEST(BonusForward, PaintsExactlyTheCellsRightOfTheFront)
{
    for (const int count : {1, 3})
    {
        SBonusBoard board(Front(4, 15), [](int r, int c) { return r == kMid && c == 4 ? 2 : -1; });
        EXPECT_TRUE(board->CanGoForward());
        Grid expected = board.Colours();
        for (int c = 4; c < 4 + count; ++c)
            expected[kMid][c] = kHuman;
        ASSERT_TRUE(board.Run(std::make_unique<CBonusForward3>(*board, count)));
        EXPECT_EQ(board.Colours(), expected) << "count " << count;
        // The coin under the painted cell is gone, not collected.
        EXPECT_EQ(board->GetCoin(kMid, 4), -1);
        EXPECT_TRUE(board->CollectedCoins().empty());
    }
}

TEST(BonusForward, HoleStopsItAndTheOpponentIsPassedOver)
{
    SBonusBoard holed(Front(4, 15, 4));
    EXPECT_FALSE(holed->CanGoForward());
    const Grid before = holed.Colours();
    ASSERT_TRUE(holed.Run(std::make_unique<CBonusForward3>(*holed, 3)));
    EXPECT_EQ(holed.Colours(), before);

    // Opponent cells right of the front, joined to its home through the rows
    // above and below, with one free cell among them.
    SBonusBoard crossed(
        [](int r, int c) {
            return r == kMid && c == 6 ? 2
                                       : (std::abs(r - kMid) <= 1 && c >= 4 ? kOpponent : Front(4, 4)(r, c));
        });
    EXPECT_FALSE(crossed->CanGoForward());
    ASSERT_TRUE(crossed.Run(std::make_unique<CBonusForward3>(*crossed, 3)));
    EXPECT_EQ(crossed->GetCellColour(kMid, 4), kOpponent);
    EXPECT_EQ(crossed->GetCellColour(kMid, 5), kOpponent);
    EXPECT_EQ(crossed->GetCellColour(kMid, 6), kHuman);
}

TEST(BonusBackward, OneColumnTerritoryLosesAtMostThatColumnAndKeepsItsHome)
{
    std::srand(6);
    SBonusBoard board([&](int r, int c)
                      { return c == kLast - std::abs(kMid - r) ? kOpponent : Filler(r, c); });
    Grid expected = board.Colours();
    ASSERT_TRUE(board.Run(std::make_unique<CBonusBackward3>(*board, 2)));
    Grid after = board.Colours();
    EXPECT_EQ(after[kMid][kLast], kOpponent);
    int repainted = 0;
    for (int r = 0; r < board->GetRows(); ++r)
    {
        repainted += after[r].back() != kOpponent;
        after[r].back() = expected[r].back();
    }
    EXPECT_EQ(after, expected);
    EXPECT_GT(repainted, 0);
}

TEST(BonusOpponentRandomize, KeepsTheHomeAndMayKeepTheOpponentsColour)
{
    std::srand(7);
    SBonusBoard board([](int r, int c) { return c >= 14 ? kOpponent : Filler(r, c); });
    const Grid before = board.Colours();
    ASSERT_TRUE(board.Run(std::make_unique<CBonusApponentRandomize>(*board)));
    int kept = 0;
    int changed = 0;
    for (int r = 0; r < board->GetRows(); ++r)
        for (int c = 0; c < board->RowLength(r); ++c)
            if (c < 14)
                EXPECT_EQ(board->GetCellColour(r, c), before[r][c]);
            else if (r != kMid || c != kLast)
                (board->GetCellColour(r, c) == kOpponent ? kept : changed) += 1;
    EXPECT_EQ(board->GetCellColour(kMid, kLast), kOpponent);
    EXPECT_GT(kept, 0);
    EXPECT_GT(changed, 0);
}

TEST(BonusFreeRandomize, TerritoriesStayAndCoinsDrawnIntoThemAreLost)
{
    std::srand(8);
    const auto owned = [](int r, int c) { return (r == kMid && c < 3) || c >= 16; };
    SBonusBoard board([&](int r, int c) { return owned(r, c) ? (c < 3 ? kHuman : kOpponent) : Filler(r, c); },
                      [&](int r, int c) { return owned(r, c) ? -1 : 1; });
    const Grid before = board.Colours();
    ASSERT_TRUE(board.Run(std::make_unique<CBonusFreeRandomize>(*board)));

    CColourMap now = board->MakeColourMap();
    board->FloodMark(now, kMid, 0, -7, -100);
    board->FloodMark(now, kMid, kLast, -7, -100);
    int recoloured = 0;
    int lost = 0;
    int kept = 0;
    for (int r = 0; r < board->GetRows(); ++r)
    {
        for (int c = 0; c < board->RowLength(r); ++c)
        {
            if (owned(r, c))
            {
                EXPECT_EQ(board->GetCellColour(r, c), before[r][c]);
                continue;
            }
            recoloured += board->GetCellColour(r, c) != before[r][c];
            const bool joined = now.At(r, c) == -7;
            EXPECT_EQ(board->GetCoin(r, c), joined ? -1 : 1) << r << "," << c;
            (joined ? lost : kept) += 1;
        }
    }
    EXPECT_GT(recoloured, 0);
    EXPECT_GT(lost, 0);
    EXPECT_GT(kept, 0);
    EXPECT_TRUE(board->CollectedCoins().empty());
}

TEST(BonusSelfRepaint, TheTerritoryTakesAnAllowedColourAndAnnexesIt)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
    {
        std::srand(seed);
        SBonusBoard board(Front(3, 15));
        const Grid before = board.Colours();
        ASSERT_TRUE(board.Run(std::make_unique<CBonusSelfRepaint>(*board)));
        const int colour = board->GetCellColour(kMid, 0);
        EXPECT_NE(colour, kHuman);
        EXPECT_NE(colour, kOpponent);
        // The three cells took the colour, and the cells of that colour
        // touching them joined the territory; nothing else changed.
        Grid expected = before;
        for (int c = 0; c < 3; ++c)
            expected[kMid][c] = colour;
        EXPECT_EQ(board.Colours(), expected) << seed;
        int joined = 3;
        for (const SCellPos at : {SCellPos{kMid - 1, 0}, SCellPos{kMid - 1, 1}, SCellPos{kMid + 1, 0},
                                  SCellPos{kMid + 1, 1}, SCellPos{kMid, 3}})
            joined += before[at.m_row][at.m_column] == colour;
        EXPECT_GE(board->CountRegion(kMid, 0), joined) << seed;
    }
}

TEST(BonusZoneRepaint, OnlyTheTargetsAreaTakesTheHumansColour)
{
    // Two separate areas of colour 2 among the opponent's cells; the carrier
    // picks one of them.
    const auto inArea = [](int r, int c, int area)
    { return area == 0 ? (r == 3 && c >= 6 && c <= 8) : (r == 13 && c == 3); };
    for (unsigned seed = 1; seed <= 6; ++seed)
    {
        std::srand(seed);
        SBonusBoard board(
            [&](int r, int c)
            { return r == kMid && c == 0 ? kHuman : (inArea(r, c, 0) || inArea(r, c, 1) ? 2 : kOpponent); });
        ASSERT_TRUE(board.Run(std::make_unique<CBonusZoneRepaint>(*board)));
        int painted[2] = {0, 0};
        for (int r = 0; r < board->GetRows(); ++r)
            for (int c = 0; c < board->RowLength(r); ++c)
            {
                const int area = inArea(r, c, 0) ? 0 : (inArea(r, c, 1) ? 1 : -1);
                if (area < 0)
                    EXPECT_EQ(board->GetCellColour(r, c), r == kMid && c == 0 ? kHuman : kOpponent);
                else
                    painted[area] += board->GetCellColour(r, c) == kHuman;
            }
        EXPECT_TRUE((painted[0] == 3 && painted[1] == 0) || (painted[0] == 0 && painted[1] == 1)) << seed;
    }
}

TEST(BonusPurchase, RepaintsWithoutACandidateAreRefused)
{
    // Every free flower already has the human's colour.
    const auto colour = [](int r, int c)
    { return (r == kMid && c == 0) || (r == 2 && c == 5) ? kHuman : kOpponent; };
    SBonusBoard board(colour);
    CPlayer player(kMid, 0, board.m_field.get());
    EXPECT_EQ(CreateBonus(BonusSingleRepaint, *board, player), nullptr);
    EXPECT_EQ(CreateBonus(BonusZoneRepaint, *board, player), nullptr);
    EXPECT_TRUE(CanBuyBonus(BonusFreeRandomize, *board));

    // With one candidate it is the target, untouched until the carrier is there.
    SBonusBoard single([&](int r, int c) { return r == 3 && c == 7 ? 2 : colour(r, c); });
    std::unique_ptr<CBonus> bonus = CreateBonus(BonusSingleRepaint, *single, player);
    ASSERT_NE(bonus, nullptr);
    EXPECT_FLOAT_EQ(bonus->GetInsect().m_x, -50.0f);
    EXPECT_EQ(single->CellAt(bonus->GetInsect().m_target_x, bonus->GetInsect().m_target_y), (SCellPos{3, 7}));
    for (int i = 0; i < 10; ++i)
        bonus->Update(16.0f);
    EXPECT_EQ(single->GetCellColour(3, 7), 2);
    ASSERT_TRUE(single.Run(std::move(bonus)));
    EXPECT_EQ(single->GetCellColour(3, 7), kHuman);
}

TEST(BonusPurchase, BonusesBoughtTogetherEachTakeEffectOnce)
{
    SBonusBoard board(Front(4, 15));
    CPlayer player(kMid, 0, board.m_field.get());
    player.SetLives(1);
    std::vector<std::unique_ptr<CBonus>> bonuses;
    for (const int kind : {BonusLife, BonusSkipMove, BonusForward3, BonusLife})
        bonuses.push_back(CreateBonus(kind, *board, player));
    ASSERT_TRUE(board.Run(std::move(bonuses)));
    EXPECT_EQ(player.GetLives(), 3);
    EXPECT_EQ(board->TakeSounds(), std::vector<EBoardSound>(4, kBoardSoundBonus));
    EXPECT_FALSE(board->GetCell(kMid, kLast)->IsLit());
    EXPECT_EQ(board->GetCellColour(kMid, 4), kHuman);
    EXPECT_EQ(board->GetCellColour(kMid, 5), Filler(kMid, 5));
}
} // namespace
} // namespace NGame::NTest
