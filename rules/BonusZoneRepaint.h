// The same-colour area around one free flower takes the human's colour.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusZoneRepaint final : public CBonus
{
  public:
    explicit CBonusZoneRepaint(CField& field);
    // False when every free flower already has the human's colour.
    static bool CanBuy(const CField& field);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;

    SCellPos m_target;
};
} // namespace NGame
