// The computer opponent: a shallow look-ahead over colour maps that weighs
// the cells a colour would win, stronger players looking further and
// preferring cells that push towards the human's side.
#pragma once

#include "rules/Field.h"
#include "rules/Player.h"

#include <cstdint>

namespace NGame
{
class CAIPlayer : public CPlayer
{
  public:
    CAIPlayer(int homeRow, int homeColumn, CField* field, int difficulty);

    void Update(float elapsedMs) override;
    void OnClick(float, float) override {}

    // The opponent's strength for a level (0-based), from 0 to 5.
    static int DifficultyForLevel(int level);

    // Picks a colour and plays it.
    void ChooseMove();
    // The colour ChooseMove would play (-1 when no colour scores), without playing it.
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

    int GetSearchLevel() const { return m_searchLevel; }
    int GetMoveCount() const { return m_moveCount; }

  private:
    std::int64_t Weight(int row, int column, int distance) const;

    int m_searchLevel;
    int m_moveCount = 0;
    // The real board does not change during a search, so the proportion
    // owned is measured once per choice.
    float m_owned = 0.0f;
};
} // namespace NGame
