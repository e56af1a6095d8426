// The one place that turns a bonus kind (rules/BonusTable.h) into its
// running bonus.
#pragma once

#include "rules/Bonus.h"
#include "rules/BonusTable.h"
#include "rules/Player.h"

#include <memory>

namespace NGame
{
// Whether the bonus would find something to act on; the game asks before it
// charges, so a bonus without a target is never paid for.
bool CanBuyBonus(int kind, const CField& field);
// The running bonus, or null for an unknown kind or one CanBuyBonus refuses.
std::unique_ptr<CBonus> CreateBonus(int kind, CField& field, CPlayer& player);
} // namespace NGame
