// Bonuses: each effect on the board, bonuses running side by side, the
// purchases that must be refused for want of a target, and bonuses as the
// match runs them in a turn: what they pay, what they may touch, and that a
// level waits for them.
#include "BoardBuilder.h"
#include "rules/BonusApponentRandomize.h"
#include "rules/BonusBackward3.h"
#include "rules/BonusForward3.h"
#include "rules/BonusFreeRandomize.h"
#include "rules/BonusKinds.h"
#include "rules/BonusLife.h"
#include "rules/BonusSelfRepaint.h"
#include "rules/BonusSimpleRepaint.h"
#include "rules/BonusSkipMove.h"
#include "rules/BonusZoneRepaint.h"
#include "rules/Match.h"

#include <gtest/gtest.h>

#include <typeindex>

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

TEST(BonusFreeRandomize, TerritoriesAndTheirCoinsStayAndCoinsDrawnIntoThemAreLost)
{
    std::srand(8);
    const auto owned = [](int, int c) { return c < 3 || c >= 16; };
    SBonusBoard board([&](int r, int c) { return owned(r, c) ? (c < 3 ? kHuman : kOpponent) : Filler(r, c); },
                      [](int, int) { return 1; });
    const Grid before = board.Colours();
    ASSERT_TRUE(board.Run(std::make_unique<CBonusFreeRandomize>(*board)));

    CColourMap now = board->MakeColourMap();
    board->FloodMark(now, kMid, 0, -7, -100);
    board->FloodMark(now, kMid, kLast, -8, -100);
    int recoloured = 0;
    int lost[2] = {0, 0};
    int kept = 0;
    for (int r = 0; r < board->GetRows(); ++r)
    {
        for (int c = 0; c < board->RowLength(r); ++c)
        {
            if (owned(r, c))
            {
                // A territory's own coins are not the new colours' doing.
                EXPECT_EQ(board->GetCellColour(r, c), before[r][c]);
                EXPECT_EQ(board->GetCoin(r, c), 1) << r << "," << c;
                continue;
            }
            recoloured += board->GetCellColour(r, c) != before[r][c];
            const bool joined = now.At(r, c) < -6;
            EXPECT_EQ(board->GetCoin(r, c), joined ? -1 : 1) << r << "," << c;
            (joined ? lost[now.At(r, c) + 8] : kept) += 1;
        }
    }
    EXPECT_GT(recoloured, 0);
    EXPECT_GT(lost[0], 0) << "to the rival";
    EXPECT_GT(lost[1], 0) << "to the human";
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
    const std::unique_ptr<CBonus> zone = CreateBonus(BonusZoneRepaint, *single, player);
    EXPECT_EQ(single->CellAt(zone->GetInsect().m_target_x, zone->GetInsect().m_target_y), (SCellPos{3, 7}));
    for (int i = 0; i < 10; ++i)
        bonus->Update(16.0f);
    EXPECT_EQ(single->GetCellColour(3, 7), 2);
    ASSERT_TRUE(single.Run(std::move(bonus)));
    EXPECT_EQ(single->GetCellColour(3, 7), kHuman);
}

TEST(BonusPurchase, EveryKindHasItsOwnBonusAndOtherNumbersAreRefused)
{
    SBonusBoard board(Front(4, 15));
    CPlayer player(kMid, 0, board.m_field.get());
    std::vector<std::type_index> made;
    for (int kind = 0; kind < BonusKindCount; ++kind)
    {
        std::unique_ptr<CBonus> bonus = CreateBonus(kind, *board, player);
        ASSERT_NE(bonus, nullptr) << kind;
        const CBonus& made_bonus = *bonus;
        made.emplace_back(typeid(made_bonus));
    }
    const std::vector<std::type_index> expected = {
        typeid(CBonusSimpleRepaint),     typeid(CBonusZoneRepaint), typeid(CBonusFreeRandomize),
        typeid(CBonusForward3),          typeid(CBonusForward3),    typeid(CBonusSelfRepaint),
        typeid(CBonusSkipMove),          typeid(CBonusBackward3),   typeid(CBonusBackward3),
        typeid(CBonusApponentRandomize), typeid(CBonusLife)};
    EXPECT_EQ(made, expected);
    for (const int kind : {-1, static_cast<int>(BonusKindCount), 99})
    {
        EXPECT_EQ(CreateBonus(kind, *board, player), nullptr) << kind;
        EXPECT_FALSE(CanBuyBonus(kind, *board)) << kind;
    }
}

// ---------------------------------------------------------------- in a turn

constexpr int kPrice = 10;
constexpr int kPurse = 1000;

// A classic match on a laid-out board with the human to move and a full
// purse, run frame by frame as the game screen runs it.
struct SBonusTurn
{
    // Serves the masks for as long as the match builds levels.
    SBoard m_board;
    std::unique_ptr<CMatch> m_match;

    SBonusTurn(const std::function<int(int, int)>& colour, const std::function<int(int, int)>& coin = nullptr)
    {
        m_board.Layout(colour, coin);
        m_match = std::make_unique<CMatch>(kClassicGame, std::move(m_board.m_field));
        Human().SetMoney(kPurse);
    }
    CField& Field() { return m_match->GetField(); }
    CPlayer& Human() { return *m_match->GetPlayer(0); }
    void Frame()
    {
        m_match->UpdateBonuses(16.0f);
        m_match->UpdateBoard(16.0f);
        m_match->AdvanceTurn(100);
    }
    // Until every bonus is over and the board rests again; `each` sees every frame.
    bool RunBonuses(const std::function<void()>& each = nullptr)
    {
        for (int frame = 0; frame < 5000; ++frame)
        {
            if (m_match->GetBonusCount() == 0 && Field().IsIdle())
                return true;
            Frame();
            if (each)
                each();
        }
        return false;
    }
    int Zone(int r, int c)
    {
        CColourMap map = Field().MakeColourMap();
        Field().FloodMark(map, kMid, 0, -7, -100);
        Field().FloodMark(map, kMid, kLast, -8, -100);
        return map.At(r, c);
    }
};

TEST(BonusTurn, CoinsOutsideTheHumansZoneStayWhereTheyLieAndEachCoinIsPaidOnce)
{
    // A coin of a dollar on every free flower; the free flowers keep
    // flipping for a while after the carrier has gone.
    for (unsigned seed = 1; seed <= 12; ++seed)
    {
        std::srand(seed);
        SBonusTurn turn(Front(2, 17),
                        [](int r, int c) { return Front(2, 17)(r, c) == Filler(r, c) ? 4 : -1; });
        std::vector<SCellPos> coins;
        for (int r = 0; r < turn.Field().GetRows(); ++r)
            for (int c = 0; c < turn.Field().RowLength(r); ++c)
                if (turn.Field().GetCoin(r, c) >= 0)
                    coins.push_back({r, c});
        ASSERT_TRUE(turn.m_match->BuyBonus(BonusFreeRandomize, kPrice));
        ASSERT_TRUE(turn.RunBonuses());
        int inZone = 0;
        for (const SCellPos& at : coins)
        {
            const int zone = turn.Zone(at.m_row, at.m_column);
            if (zone == -7)
            {
                ++inZone;
            }
            else if (zone != -8)
            {
                EXPECT_EQ(turn.Field().GetCoin(at.m_row, at.m_column), 4)
                    << seed << ": a free flower's coin went";
            }
        }
        const int paid = turn.Human().GetMoney() - (kPurse - kPrice);
        EXPECT_GE(paid, 0);
        EXPECT_LE(paid, 100 * inZone) << seed;
        EXPECT_TRUE(turn.Field().CollectedCoins().empty()) << "paid now, not again with the next move";
    }
}

TEST(BonusTurn, RepaintsTakeTheirTargetAndColourOnArrivalAndNeverTheRivalsZone)
{
    // Zone repaint bought, then every free flower takes the rival's colour
    // and joins its zone before the carrier arrives: nothing is left to
    // repaint, the rival's home keeps its colour and the price comes back.
    std::srand(11);
    SBonusTurn lost(Front(2, 17));
    ASSERT_TRUE(lost.m_match->BuyBonus(BonusZoneRepaint, kPrice));
    for (int r = 0; r < lost.Field().GetRows(); ++r)
        for (int c = 0; c < lost.Field().RowLength(r); ++c)
            if (lost.Zone(r, c) >= 0)
                lost.Field().PaintCell(r, c, kOpponent, false);
    const int rival = lost.m_match->Region(1);
    ASSERT_TRUE(lost.RunBonuses());
    EXPECT_EQ(lost.Field().GetCellColour(kMid, kLast), kOpponent);
    EXPECT_EQ(lost.m_match->Region(1), rival);
    EXPECT_EQ(lost.m_match->Region(0), 2);
    EXPECT_EQ(lost.Human().GetMoney(), kPurse);

    // Single repaint bought, then the human's zone changes colour (as a self
    // repaint bought with it would): the flower takes the new colour.
    for (unsigned seed = 1; seed <= 4; ++seed)
    {
        std::srand(seed);
        SBonusTurn stale(Front(2, 17));
        ASSERT_TRUE(stale.m_match->BuyBonus(BonusSingleRepaint, kPrice));
        stale.Field().Repaint(kMid, 0, 2);
        ASSERT_TRUE(stale.RunBonuses());
        int painted = 0;
        for (int r = 0; r < stale.Field().GetRows(); ++r)
            for (int c = 0; c < stale.Field().RowLength(r); ++c)
            {
                EXPECT_NE(stale.Field().GetCellColour(r, c), kHuman) << seed << ": painted in the old colour";
                painted +=
                    Front(2, 17)(r, c) == Filler(r, c) && stale.Field().GetCellColour(r, c) != Filler(r, c);
            }
        EXPECT_EQ(painted, 1) << seed;
    }
}
TEST(BonusTurn, ALevelWaitsForItsBonusesAndASkipLeftUnusedIsRepaid)
{
    // Everything but the homes in one free colour: the zone repaint takes
    // the board while the skip's carrier is still on its way to the rival.
    const auto board = [](int r, int c)
    { return r == kMid && c == 0 ? 0 : (r == kMid && c == kLast ? 2 : 1); };
    int waited = 0;
    for (unsigned seed = 1; seed <= 6; ++seed)
    {
        std::srand(seed);
        SBonusTurn turn(board);
        for (const int kind : {BonusZoneRepaint, BonusLife, BonusSkipMove})
            ASSERT_TRUE(turn.m_match->BuyBonus(kind, kPrice)) << kind;
        bool finishedEarly = false;
        ASSERT_TRUE(turn.RunBonuses(
            [&]
            {
                finishedEarly =
                    finishedEarly || (turn.Field().IsLevelFinished() && turn.m_match->GetBonusCount() > 0);
                if (turn.m_match->IsLevelDecided())
                {
                    EXPECT_EQ(turn.m_match->GetBonusCount(), 0u) << seed;
                }
            }));
        for (int i = 0; i < 5; ++i)
            turn.Frame();
        waited += finishedEarly;
        ASSERT_TRUE(turn.m_match->IsLevelDecided()) << seed;
        EXPECT_EQ(turn.m_match->TakeLevelEnds(), std::vector<CMatch::ELevelEnd>{CMatch::kLevelCompleted});
        EXPECT_EQ(turn.m_match->GetTotalScore(), turn.m_match->Region(0));
        EXPECT_EQ(turn.Human().GetLives(), 4) << seed;
        EXPECT_FALSE(turn.m_match->IsSkipPending());
        EXPECT_EQ(turn.Human().GetMoney(), kPurse - 2 * kPrice) << seed << ": the unused skip is repaid";
        // The next level starts clean: no bonus of the last one, no skip.
        turn.m_match->NextLevelOrRetry();
        EXPECT_EQ(turn.m_match->GetBonusCount(), 0u);
        EXPECT_FALSE(turn.m_match->IsSkipPending());
        EXPECT_EQ(turn.Human().GetLives(), 4);
    }
    EXPECT_GT(waited, 0) << "no seed finished the board while a bonus still ran";
}

TEST(BonusTurn, AnOpponentReducedToItsHomeCannotLoseOrScrambleCells)
{
    const auto lone = [](int r, int c) { return r == kMid && c == kLast ? kOpponent : Front(2, 21)(r, c); };
    SBonusTurn turn(lone);
    for (const int kind : {BonusBackward3, BonusBackward6, BonusApponentRandomize})
    {
        EXPECT_FALSE(CanBuyBonus(kind, turn.Field())) << kind;
        EXPECT_FALSE(turn.m_match->BuyBonus(kind, kPrice)) << kind;
    }
    EXPECT_EQ(turn.Human().GetMoney(), kPurse);

    // Bought while it had more, arriving when it has none: the price comes back.
    SBonusTurn shrinking(Front(2, 19));
    ASSERT_TRUE(CanBuyBonus(BonusBackward3, shrinking.Field()));
    ASSERT_TRUE(shrinking.m_match->BuyBonus(BonusBackward3, kPrice));
    shrinking.Field().PaintCell(kMid, 19, 1, false);
    ASSERT_TRUE(shrinking.RunBonuses());
    EXPECT_EQ(shrinking.Field().GetCellColour(kMid, kLast), kOpponent);
    EXPECT_EQ(shrinking.Human().GetMoney(), kPurse);
}
} // namespace
} // namespace NGame::NTest
