// Self repaint: the human's territory takes a random colour that the rules
// allow, flipping outwards from the home.
#include "rules/BonusSelfRepaint.h"

#include "rules/Random.h"

namespace NGame
{
namespace
{
constexpr float kWaveDelayPerUnit = 3.0f;
} // namespace

CBonusSelfRepaint::CBonusSelfRepaint(CField& field) : CBonus(field)
{
    FlyTo(m_mid, 0);
}

bool CBonusSelfRepaint::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

bool CBonusSelfRepaint::Arrive()
{
    // Drawing until a colour fits would never end if none did.
    if (!CanBuy(m_field))
        return false;
    int colour = 0;
    do
        colour = RandomModulo(CField::kColourCount);
    while (!m_field.IsColourAllowed(colour));
    m_field.Repaint(m_mid, 0, colour);

    float hx = 0.0f;
    float hy = 0.0f;
    m_field.CellPosition(m_mid, 0, hx, hy);
    for (const SCellPos& at : Marked(m_field, MarkTerritory(m_field, m_mid, 0, -4), -4))
        m_field.SetCellDelay(at.m_row, at.m_column,
                             kWaveDelayPerUnit * DistanceFrom(at.m_row, at.m_column, hx, hy));
    return true;
}

bool CBonusSelfRepaint::CanBuy(const CField& field)
{
    // A hole at the home has no territory to repaint.
    if (field.GetCellColour(field.GetRows() / 2, 0) < 0)
        return false;
    for (int colour = 0; colour < field.GetColourCount(); ++colour)
        if (field.IsColourAllowed(colour))
            return true;
    return false;
}
} // namespace NGame
