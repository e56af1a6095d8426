// Single repaint: one free flower of another colour takes the human's colour.
#include "rules/BonusSimpleRepaint.h"

#include "rules/Random.h"

namespace NGame
{
namespace
{
// The painted flower flips before the carrier leaves it.
constexpr float kLeaveDelayMs = 600.0f;
} // namespace

CBonusSimpleRepaint::CBonusSimpleRepaint(CField& field)
    : CBonus(field), m_colour(field.GetCellColour(m_mid, 0))
{
    const std::vector<SCellPos> candidates = FreeCells(field, m_colour);
    // A bonus sold without CanBuy has no target; the carrier then only
    // visits the human's home and changes nothing.
    m_hasTarget = !candidates.empty();
    m_target = m_hasTarget
                   ? candidates[static_cast<std::size_t>(RandomModulo(static_cast<int>(candidates.size())))]
                   : SCellPos{m_mid, 0};
    FlyTo(m_target.m_row, m_target.m_column);
}

bool CBonusSimpleRepaint::CanBuy(const CField& field)
{
    // A hole at the human's home has no colour to give.
    const int colour = field.GetCellColour(field.GetRows() / 2, 0);
    return colour >= 0 && !FreeCells(field, colour).empty();
}

bool CBonusSimpleRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

void CBonusSimpleRepaint::Arrive()
{
    if (!m_hasTarget)
        return;
    m_field.PaintCell(m_target.m_row, m_target.m_column, m_colour, true);
}
} // namespace NGame
