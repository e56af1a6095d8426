// The human's front on the middle row advances by a number of cells, painted
// one by one as the carrier passes over them.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusForward3 final : public CBonus
{
  public:
    CBonusForward3(CField& field, int count);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;
    // The right-most cell of the middle row in the human's territory as the
    // board stands; the home when the territory is gone.
    SCellPos Front() const;
    // Paints the cell under the carrier on its way out.
    void PaintUnderCarrier();

    SCellPos m_start;
    int m_last_painted = 0;
    int m_count;
};
} // namespace NGame
