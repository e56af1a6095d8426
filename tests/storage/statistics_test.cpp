// Statistics: what each level left changes, and what the file keeps or refuses.
#include "TempFolder.h"
#include "storage/Cipher.h"
#include "storage/PropertyFile.h"
#include "storage/Statistics.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{
std::string Text(const CStatistics& statistics)
{
    CPropertyFile store;
    statistics.WriteEntries(store);
    return store.ToText();
}
} // namespace

TEST(Statistics, RunsEndWithALifeLostOrANewGameAndTheBestsOnlyImprove)
{
    CStatistics s;
    s.GameStarted(0);
    for (const bool won : {true, true, false, true, true, true})
        won ? s.LevelWon(0, 100) : s.LevelLost(0, 60);
    s.LevelLost(0, 250);
    s.GameStarted(0);
    s.LevelWon(0, 30);
    // A type that is no set's counts for none.
    s.LevelWon(7, 5);
    const CStatistics::SSet& c = s.Set(0);
    EXPECT_EQ(
        std::tuple(c.m_games, c.m_won, c.m_lost, c.m_longest_run, c.m_run, c.m_best_score, s.Set(7).m_won),
        std::tuple(2, 6, 2, 3, 1, 250, 0));

    for (const auto& [level, moves, kept, best] : {std::tuple{3, 14, true, 14},
                                                   {3, 16, false, 14},
                                                   {3, 9, true, 9},
                                                   {-1, 5, false, 0},
                                                   {CStatistics::kMovingLevels, 5, false, 0},
                                                   {4, 0, false, 0}})
    {
        EXPECT_EQ(s.RecordMoves(level, moves), kept) << level << " " << moves;
        EXPECT_EQ(s.BestMoves(level), best) << level;
    }
}

TEST(Statistics, FileKeepsEveryFigureAndDamageLeavesDefaults)
{
    CTempFolder folder;
    CStatistics s;
    s.GameStarted(2);
    s.LevelWon(2, 0);
    s.LevelLost(1, 77);
    s.RecordMoves(0, 12);
    ASSERT_TRUE(s.Save(folder / CStatistics::kFileName));
    CStatistics back;
    back.Load(folder / CStatistics::kFileName);
    EXPECT_EQ(Text(back), Text(s));

    const std::string key = CCipher::kStatisticsKey;
    const int length = static_cast<int>(key.size());
    for (const std::string& bytes :
         {std::string("stats.classic.won 5"), CCipher().Encipher("stats.classic.won 5", "vum", 3),
          CCipher().Encipher("stats.classic.won -5 stats.advanced.games 2000000000 stats.moving.best1 x "
                             "stats.moving.best2 -3 stats.moving.run",
                             key.c_str(), length)})
    {
        CStatistics damaged;
        damaged.Load(folder.Write("damaged.dat", bytes));
        EXPECT_EQ(Text(damaged), Text(CStatistics()));
    }
}
