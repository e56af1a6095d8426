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
    const int colour = m_field->GetCellColour(at.m_row, at.m_column);
    if (m_field->Repaint(m_home_row, m_home_column, colour))
        m_state = PlayerMoving;
}
} // namespace NGame
