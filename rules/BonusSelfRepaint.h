// The human's territory takes a random allowed colour.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusSelfRepaint final : public CBonus
{
  public:
    explicit CBonusSelfRepaint(CField& field);
    bool Update(float elapsedMs) override;

  private:
    void Arrive() override;
};
} // namespace NGame
