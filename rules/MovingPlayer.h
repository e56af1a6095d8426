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
};
} // namespace NGame
