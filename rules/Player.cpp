// The human player of the classic and advanced sets, and the registry of
// every player the opponent looks through.
#include "rules/Player.h"

#include "rules/Field.h"

#include <algorithm>

namespace NGame
{
namespace
{
std::vector<CPlayer*>& Players()
{
    static std::vector<CPlayer*> players;
    return players;
}
} // namespace

CPlayer::CPlayer(int homeRow, int homeColumn, CField* field)
    : m_home_column(homeColumn), m_home_row(homeRow), m_field(field)
{
    Players().push_back(this);
    if (m_field)
        m_field->AddHome(homeRow, homeColumn);
}

CPlayer::~CPlayer()
{
    auto& players = Players();
    players.erase(std::remove(players.begin(), players.end(), this), players.end());
    if (m_field)
        m_field->RemoveHome(m_home_row, m_home_column);
}

const std::vector<CPlayer*>& CPlayer::Registry()
{
    return Players();
}

int CPlayer::CoinValue(int kind)
{
    static constexpr int kValues[] = {1, 5, 10, 25, 100};
    return kind >= 0 && kind < 5 ? kValues[kind] : -1;
}

void CPlayer::Update(float)
{
    if (m_state == PlayerMoving && m_field && m_field->IsIdle())
        m_state = PlayerWaiting;
}

bool CPlayer::Spend(int amount)
{
    if (m_money < amount)
        return false;
    m_money -= amount;
    return true;
}

bool CPlayer::PlayColour(int colour, bool creditCoins)
{
    if (!m_field || !m_field->Repaint(m_home_row, m_home_column, colour))
        return false;
    m_state = PlayerMoving;
    ++m_moves;
    // The list may also hold coins settled after a bonus; they are the
    // human's as well. The opponent earns no coins.
    if (creditCoins)
        for (const SCollectedCoin& coin : m_field->CollectedCoins())
            m_money += std::max(0, CoinValue(coin.m_kind));
    m_field->QueueSound(kBoardSoundStartPaint);
    m_field->CollectedCoins().clear();
    return true;
}

void CPlayer::OnClick(float x, float y)
{
    m_valid_click = true;
    if (!m_field || m_state != PlayerTurn || !m_field->IsIdle() || m_field->IsLevelFinished())
        return;
    const SCellPos at = m_field->CellAt(x, y);
    const int colour = m_field->GetCellColour(at.m_row, at.m_column);
    if (!m_field->IsColourAllowed(colour))
    {
        if (m_field->IsValidCell(at.m_row, at.m_column))
        {
            m_field->QueueSound(kBoardSoundWrongPaint);
            m_valid_click = false;
        }
        return;
    }
    PlayColour(colour, true);
}

void CPlayer::OnColourKey(int colour)
{
    m_valid_click = true;
    if (!m_field || m_state != PlayerTurn || !m_field->IsIdle() || m_field->IsLevelFinished())
        return;
    if (!m_field->IsColourAllowed(colour))
    {
        m_field->QueueSound(kBoardSoundWrongPaint);
        m_valid_click = false;
        return;
    }
    PlayColour(colour, true);
}
} // namespace NGame
