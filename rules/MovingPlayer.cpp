// Clicks of the moving set's player: no colour permission, no coins, no sound.
#include "rules/MovingPlayer.h"

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
    {
        m_state = PlayerMoving;
        ++m_moves;
    }
}

int RaceColour(const CField& field, int row, int column, const CColourMap& distances)
{
    const int own = field.GetCellColour(row, column);
    int best = -1;
    int bestDistance = 0;
    int bestSize = 0;
    for (int colour = 0; colour < CField::kColourCount; ++colour)
    {
        if (colour == own)
            continue;
        CColourMap map = field.MakeColourMap();
        field.MarkZone(map, row, column, colour);
        int distance = -1;
        int size = 0;
        for (int r = 0; r < map.GetRows(); ++r)
            for (int c = 0; c < map.GetColumns(); ++c)
            {
                if (map.At(r, c) != CField::kZoneMark)
                    continue;
                ++size;
                const int d = distances.At(r, c);
                if (d >= 0 && (distance < 0 || d < distance))
                    distance = d;
            }
        if (distance < 0)
            continue;
        if (best < 0 || distance < bestDistance || (distance == bestDistance && size > bestSize))
        {
            best = colour;
            bestDistance = distance;
            bestSize = size;
        }
    }
    return best;
}
} // namespace NGame
