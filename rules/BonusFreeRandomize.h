// Every free flower takes a random colour; coins that end up inside a territory are lost.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusFreeRandomize final : public CBonus
{
  public:
    explicit CBonusFreeRandomize(CField& field);
    // False when no free flower is left.
    static bool CanBuy(const CField& field);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;
};
} // namespace NGame
