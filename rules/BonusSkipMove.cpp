// Skip move: dims the opponent's home; the game itself skips the turn.
#include "rules/BonusSkipMove.h"

namespace NGame
{
CBonusSkipMove::CBonusSkipMove(CField& field) : CBonus(field)
{
    FlyTo(m_mid, m_last);
}

bool CBonusSkipMove::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

bool CBonusSkipMove::Arrive()
{
    m_field.SetCellLit(m_mid, m_last, false);
    return true;
}
} // namespace NGame
