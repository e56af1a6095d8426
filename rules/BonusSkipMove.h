// The opponent misses a turn; its home is dimmed until the game relights it.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusSkipMove final : public CBonus
{
  public:
    explicit CBonusSkipMove(CField& field);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;
};
} // namespace NGame
