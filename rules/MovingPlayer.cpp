// Clicks of the moving set's player: no colour permission, no coins, no sound.
#include "rules/MovingPlayer.h"

#include "rules/Field.h"

namespace NGame
{
void CMovingPlayer::OnClick(float x, float y)
{
    if (!m_field || m_state != PlayerTurn || !m_field->IsIdle() || m_field->IsLevelFinished())
        return;
    const SCellPos at = m_field->CellAt(x, y);
    OnColourKey(m_field->GetCellColour(at.m_row, at.m_column));
}

void CMovingPlayer::OnColourKey(int colour)
{
    if (!m_field || m_state != PlayerTurn || !m_field->IsIdle() || m_field->IsLevelFinished())
        return;
    if (m_field->Repaint(m_home_row, m_home_column, colour))
        m_state = PlayerMoving;
}
} // namespace NGame
