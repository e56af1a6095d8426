// The human's front on the middle row advances by a number of cells, painted one by one as the carrier passes
// over them.
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
    void Arrive() override;
    // Paints the cell under the carrier on its way out.
    void PaintUnderCarrier();

    int m_colour;
    SCellPos m_start;
    int m_last_painted;
    int m_count;
    // Territories as they were at purchase: the opponent's stays unpainted.
    CColourMap m_map;
};
} // namespace NGame
