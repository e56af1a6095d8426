// Free randomize: new random colours for all free flowers. Coins on cells that
// the new colours join to a territory are lost, not collected.
#include "rules/BonusFreeRandomize.h"

#include "rules/Random.h"

namespace NGame
{
CBonusFreeRandomize::CBonusFreeRandomize(CField& field) : CBonus(field)
{
    const std::vector<SCellPos> candidates = FreeCells(field, -1);
    const SCellPos target =
        candidates.empty()
            ? SCellPos{m_mid, 0}
            : candidates[static_cast<std::size_t>(RandomModulo(static_cast<int>(candidates.size())))];
    FlyTo(target.m_row, target.m_column);
}

bool CBonusFreeRandomize::CanBuy(const CField& field)
{
    return !FreeCells(field, -1).empty();
}

bool CBonusFreeRandomize::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

bool CBonusFreeRandomize::Arrive()
{
    const std::vector<SCellPos> cells = FreeCells(m_field, -1);
    if (cells.empty())
        return false;
    RandomizeCells(cells, m_insect->m_x, m_insect->m_y);
    // Coins on the flowers the new colours join to a territory are lost; the
    // coins a territory held already stay its own.
    CColourMap map = m_field.MakeColourMap();
    m_field.FloodMark(map, m_mid, 0, -3, -1);
    m_field.FloodMark(map, m_mid, m_last, -3, -1);
    for (const SCellPos& at : cells)
        if (map.At(at.m_row, at.m_column) == -3 && m_field.GetCoin(at.m_row, at.m_column) >= 0)
            m_field.SetCellCoin(at.m_row, at.m_column, -1);
    return true;
}
} // namespace NGame
