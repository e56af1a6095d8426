// The player's statistics, kept enciphered in "stats_demo.dat" in the per-user
// folder: for each level set the games started, levels won and lost, the best
// score and the longest run of levels won without losing a life; and the
// fewest moves that finished each moving level.
#pragma once

#include "catalogue/LevelSets.h"

#include <array>
#include <map>
#include <string>

class CPropertyFile;

class CStatistics
{
  public:
    static constexpr const char* kFileName = "stats_demo.dat";
    // Bests are kept for the moving levels below this number; the level
    // choice reaches no further.
    static constexpr int kMovingLevels = 100;

    struct SSet
    {
        int m_games = 0;
        int m_won = 0;
        int m_lost = 0;
        int m_best_score = 0;
        int m_longest_run = 0;
        // The levels won since the last life lost, in the game being played.
        int m_run = 0;
    };

    // A value that no game reaches, or a negative one, reads as the default:
    // a hostile file cannot show nonsense.
    void ReadEntries(const CPropertyFile& store);
    void WriteEntries(CPropertyFile& store) const;
    // A missing, damaged or foreign file leaves the defaults.
    void Load(const std::string& path);
    // The enciphered bytes the file holds, for a write made elsewhere.
    std::string Encode() const;
    bool Save(const std::string& path) const;

    // A type that is no set's counts for none.
    void GameStarted(int set);
    void LevelWon(int set, int score);
    void LevelLost(int set, int score);
    // Keeps `moves` when it beats the level's best; true when it did.
    bool RecordMoves(int level, int moves);

    const SSet& Set(int set) const;
    // The fewest moves that finished a moving level, 0 for none yet.
    int BestMoves(int level) const;

  private:
    SSet* Find(int set);

    std::array<SSet, NLevelSets::kCount> m_sets{};
    std::map<int, int> m_best_moves;
};
