// The eleven bonus kinds of the game's button bar, in bar order, and the one
// place that turns a kind into its running bonus.
#pragma once

#include "rules/Bonus.h"
#include "rules/Player.h"

#include <memory>

namespace NGame
{
enum EBonusKind
{
    BonusSingleRepaint = 0,
    BonusZoneRepaint,
    BonusFreeRandomize,
    BonusForward3,
    BonusForward6,
    BonusSelfRepaint,
    BonusSkipMove,
    BonusBackward3,
    BonusBackward6,
    BonusApponentRandomize,
    BonusLife,
    BonusKindCount
};

// Whether the bonus would find something to act on; the game asks before it
// charges, so a bonus without a target is never paid for.
bool CanBuyBonus(int kind, const CField& field);
// The running bonus, or null for an unknown kind or one CanBuyBonus refuses.
std::unique_ptr<CBonus> CreateBonus(int kind, CField& field, CPlayer& player);
} // namespace NGame
