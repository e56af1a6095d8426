// The human's territory takes a random allowed colour.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusSelfRepaint final : public CBonus
{
  public:
    explicit CBonusSelfRepaint(CField& field);
    // False when no colour is allowed (or the home is a hole).
    static bool CanBuy(const CField& field);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;
};
} // namespace NGame
