// The computer opponent: a shallow look-ahead over colour maps that weighs
// the cells a colour would win, stronger players looking further and
// preferring cells that push towards the human's side; the gentle one only
// takes one of the larger bites.
#pragma once

#include "rules/Field.h"
#include "rules/Player.h"

#include <array>
#include <cstdint>
#include <vector>

namespace NGame
{
class CAIPlayer : public CPlayer
{
  public:
    // The gentle opponent's strength, below every level's.
    static constexpr int kGentleDifficulty = -1;

    // `difficulty` 0-5, or kGentleDifficulty.
    CAIPlayer(int homeRow, int homeColumn, CField* field, int difficulty);

    void Update(float elapsedMs) override;
    void OnClick(float, float) override {}

    // The opponent's strength for a level (0-based), from 0 to 5.
    static int DifficultyForLevel(int level);
    // The strength of the opponent chosen in the options (NOpponents) for a
    // level: the gentle one, the level's own, or one search level above it
    // (the top staying the top).
    static int DifficultyFor(int level, int opponent);

    // Picks a colour and plays it.
    void ChooseMove();
    // The colour ChooseMove plays, without playing it: the search's choice,
    // else the allowed colour that leaves the largest territory (lowest
    // index on ties); -1 only when no colour is allowed.
    int PickColour();

    // Proportion of the playable cells held by all players together.
    float MeasureOwned() const;
    int DepthFor(float owned) const;

    CColourMap BuildDistanceMap() const;
    // Walks the area of the opponent's home value from (r, c), setting it to
    // `value` and summing the cells' weights; 0 when the sum is negative.
    std::int64_t ScoreTerritory(CColourMap& map, const CColourMap& distances, int row, int column,
                                int value) const;
    void SearchColour(const CColourMap& map, const CColourMap& distances, int depth, bool allowedOnly,
                      int& colour, std::int64_t& score) const;

  private:
    using SNeighbours = std::array<int, 6>;
    // Map indices of each cell's neighbours (-1 off the board), made once per
    // board shape: the search walks the same cells thousands of times.
    const std::vector<SNeighbours>& NeighbourTable(int rows, int columns) const;
    std::int64_t Weight(int row, int column, int distance) const;
    // Weight of every cell by its map index: the search sums them many times.
    std::vector<std::int64_t> WeightsFor(const CColourMap& distances) const;
    std::int64_t ScoreArea(CColourMap& map, const std::vector<std::int64_t>& weights, int row, int column,
                           int value) const;
    // For each colour k, the weight of the territory after playing k: the
    // last ply of the search.
    void LastPlySums(const CColourMap& map, const std::vector<std::int64_t>& weights,
                     std::int64_t sums[CField::kColourCount]) const;
    int LargestTerritoryColour(const CColourMap& map) const;
    // Annexation only, and not always the largest bite: one of the colours
    // that win the most cells, drawn from the game's random source so that
    // a seed still replays the game.
    int GentleColour(const CColourMap& map) const;
    void Search(const CColourMap& map, const std::vector<std::int64_t>& weights, int depth, bool allowedOnly,
                int& colour, std::int64_t& score) const;

    int m_search_level;
    // The real board does not change during a search, so the proportion
    // owned is measured once per choice.
    float m_owned = 0.0f;
    mutable std::vector<SNeighbours> m_neighbour_table;
    mutable int m_table_rows = -1;
    mutable int m_table_columns = -1;
};
} // namespace NGame
