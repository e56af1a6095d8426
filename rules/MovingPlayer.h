// The human of the moving level set: any colour but the territory's own may
// be chosen, and the board scrolls after every move.
#pragma once

#include "rules/Field.h"
#include "rules/Player.h"

namespace NGame
{
class CMovingPlayer : public CPlayer
{
  public:
    using CPlayer::CPlayer;

    void OnClick(float x, float y) override;
    // As a click on a flower of that colour: no permission test either.
    void OnColourKey(int colour) override;
};

// The moving set's racer, which sets a level's par: the colour that brings
// the zone of (row, column) nearest the rival's home, by `distances` (from
// that home, as CAIPlayer::BuildDistanceMap measures them); a tie goes to
// the larger zone, then to the lower colour. -1 when no colour is left.
int RaceColour(const CField& field, int row, int column, const CColourMap& distances);
} // namespace NGame
