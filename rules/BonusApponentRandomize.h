// Every cell of the opponent's territory but its home takes a random colour.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusApponentRandomize final : public CBonus
{
  public:
    explicit CBonusApponentRandomize(CField& field);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;
};
} // namespace NGame
