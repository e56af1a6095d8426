// Following the rival's move from the match's turns: its zone before and
// after the frame in which it played.
#include "play/RivalMove.h"

#include "play/BoardPainter.h"

namespace NGame
{
namespace
{
// The rival's zone on the board's colours, marked CField::kZoneMark.
CColourMap RivalZone(const CField& field, const CPlayer& rival)
{
    CColourMap map = field.MakeColourMap();
    field.MarkZone(map, rival.GetHomeRow(), rival.GetHomeColumn());
    return map;
}

// A level opening, or one going: nothing of the last move stands.
bool BoardChanging(const CField& field)
{
    const int state = field.GetState();
    return state == Intro || state == Leaving || state == Gone;
}
} // namespace

void CRivalMove::Forget()
{
    m_taken.clear();
    m_glow_ms = kGlowMs;
    m_chosen = -1;
}

void CRivalMove::BeforeFrame(const CMatch& match)
{
    const CField& field = match.GetField();
    const CPlayer* human = match.GetPlayer(0);
    if (BoardChanging(field))
        Forget();
    else if (human && human->GetState() == PlayerMoving)
        m_chosen = -1;
    m_before = CColourMap();
    // The rival of the moving set never moves.
    const CPlayer* rival = match.GetPlayer(1);
    if (match.GetGameType() != kMovingGame && rival && match.GetCurrentPlayer() == 1 &&
        rival->GetState() == PlayerTurn)
        m_before = RivalZone(field, *rival);
}

void CRivalMove::AfterFrame(const CMatch& match, float elapsed)
{
    const CField& field = match.GetField();
    const CPlayer* rival = match.GetPlayer(1);
    if (!m_before.Values().empty() && m_before.GetColumns() == field.GetColumns() && rival &&
        rival->GetState() == PlayerMoving)
    {
        const CColourMap after = RivalZone(field, *rival);
        m_taken.clear();
        for (int r = 0; r < field.GetRows(); ++r)
            for (int c = 0; c < field.RowLength(r); ++c)
                if (after.At(r, c) == CField::kZoneMark && m_before.At(r, c) != CField::kZoneMark)
                    m_taken.push_back({r, c});
        m_chosen = field.GetCellColour(rival->GetHomeRow(), rival->GetHomeColumn());
        m_glow_ms = 0.0f;
        m_resting = false;
    }
    m_before = CColourMap();
    // The glow stays whole while the taken flowers turn, then fades.
    m_resting = m_resting || field.IsIdle();
    if (m_resting && m_glow_ms < kGlowMs)
        m_glow_ms += elapsed;
}

float CRivalMove::GetGlow() const
{
    return m_taken.empty() || m_glow_ms >= kGlowMs ? 0.0f : 1.0f - m_glow_ms / kGlowMs;
}

void CRivalMove::Draw(const CField& field, const CBoardPainter& painter) const
{
    const float glow = GetGlow();
    if (glow <= 0.0f)
        return;
    for (const SCellPos& at : m_taken)
        if (const CCell* cell = field.GetCell(at.m_row, at.m_column))
            painter.DrawGlow(*cell, glow);
}
} // namespace NGame
