// Life: the carrier flies to where the lives are shown and adds one.
#include "rules/BonusLife.h"

namespace NGame
{
CBonusLife::CBonusLife(CField& field, CPlayer& player) : CBonus(field), m_player(player)
{
    m_insect->SetTarget(72.0f, 480.0f);
}

bool CBonusLife::Update(float elapsedMs)
{
    return Carry(elapsedMs, kLeaveDelayMs);
}

bool CBonusLife::Arrive()
{
    m_player.SetLives(m_player.GetLives() + 1);
    return true;
}
} // namespace NGame
