// One free flower, not yet in the human's colour, takes that colour.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusSimpleRepaint final : public CBonus
{
  public:
    explicit CBonusSimpleRepaint(CField& field);
    // False when every free flower already has the human's colour: there is
    // nothing to repaint, so the bonus must not be sold.
    static bool CanBuy(const CField& field);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;

    SCellPos m_target;
};
} // namespace NGame
