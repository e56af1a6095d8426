// The human of the moving level set: any colour but the territory's own may
// be chosen, and the board scrolls after every move.
#pragma once

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
} // namespace NGame
