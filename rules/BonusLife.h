// One more life for the player.
#pragma once

#include "rules/Bonus.h"
#include "rules/Player.h"

namespace NGame
{
class CBonusLife final : public CBonus
{
  public:
    CBonusLife(CField& field, CPlayer& player);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;

    CPlayer& m_player;
};
} // namespace NGame
