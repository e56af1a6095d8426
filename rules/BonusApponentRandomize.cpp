// Opponent randomize: every cell of the opponent's territory but the home
// takes a random colour, flipping outwards from the home.
#include "rules/BonusApponentRandomize.h"

#include <algorithm>

namespace NGame
{
CBonusApponentRandomize::CBonusApponentRandomize(CField& field) : CBonus(field)
{
    FlyTo(m_mid, m_last);
}

bool CBonusApponentRandomize::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

bool CBonusApponentRandomize::Arrive()
{
    const std::vector<SCellPos> cells = OpponentCellsBeyondHome(m_field);
    if (cells.empty())
        return false;
    float hx = 0.0f;
    float hy = 0.0f;
    m_field.CellPosition(m_mid, m_last, hx, hy);
    RandomizeCells(cells, hx, hy);
    return true;
}
} // namespace NGame
