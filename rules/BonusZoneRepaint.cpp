// Zone repaint: the same-colour area around a free flower takes the human's
// colour, and what it encloses is captured.
#include "rules/BonusZoneRepaint.h"

#include "rules/Random.h"

namespace NGame
{
namespace
{
constexpr float kLeaveDelayMs = 600.0f;
} // namespace

CBonusZoneRepaint::CBonusZoneRepaint(CField& field) : CBonus(field), m_colour(field.GetCellColour(m_mid, 0))
{
    const std::vector<SCellPos> candidates = FreeCells(field, m_colour);
    // Without a candidate (sold without CanBuy) the carrier visits the home
    // and changes nothing.
    m_hasTarget = !candidates.empty();
    m_target = m_hasTarget
                   ? candidates[static_cast<std::size_t>(RandomModulo(static_cast<int>(candidates.size())))]
                   : SCellPos{m_mid, 0};
    FlyTo(m_target.m_row, m_target.m_column);
}

bool CBonusZoneRepaint::CanBuy(const CField& field)
{
    // A hole at the human's home has no colour to give.
    const int colour = field.GetCellColour(field.GetRows() / 2, 0);
    return colour >= 0 && !FreeCells(field, colour).empty();
}

bool CBonusZoneRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

void CBonusZoneRepaint::Arrive()
{
    if (!m_hasTarget)
        return;
    m_field.Repaint(m_target.m_row, m_target.m_column, m_colour);
}
} // namespace NGame
