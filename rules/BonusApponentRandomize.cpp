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

void CBonusApponentRandomize::Arrive()
{
    std::vector<SCellPos> cells = Marked(m_field, MarkTerritory(m_field, m_mid, m_last, -4), -4);
    cells.erase(std::remove(cells.begin(), cells.end(), SCellPos{m_mid, m_last}), cells.end());
    float hx = 0.0f;
    float hy = 0.0f;
    m_field.CellPosition(m_mid, m_last, hx, hy);
    RandomizeCells(cells, hx, hy);
}
} // namespace NGame
