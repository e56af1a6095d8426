// The opponent's territory loses up to a number of cells at the left edge of every row.
#pragma once

#include "rules/Bonus.h"

namespace NGame
{
class CBonusBackward3 final : public CBonus
{
  public:
    CBonusBackward3(CField& field, int count);
    bool Update(float elapsedMs) override;

  private:
    bool Arrive() override;

    int m_count;
};
} // namespace NGame
