// Kind to bonus: the purchase test and construction. Each kind has its own
// case in both switches; a kind added to the list without one does not
// compile (-Werror=switch), and a number outside the list is refused.
#include "rules/BonusKinds.h"

#include "rules/BonusApponentRandomize.h"
#include "rules/BonusBackward3.h"
#include "rules/BonusForward3.h"
#include "rules/BonusFreeRandomize.h"
#include "rules/BonusLife.h"
#include "rules/BonusSelfRepaint.h"
#include "rules/BonusSimpleRepaint.h"
#include "rules/BonusSkipMove.h"
#include "rules/BonusZoneRepaint.h"

namespace NGame
{
bool CanBuyBonus(int kind, const CField& field)
{
    if (kind < 0 || kind >= BonusKindCount)
        return false;
    switch (static_cast<EBonusKind>(kind))
    {
    case BonusSingleRepaint:
        return CBonusSimpleRepaint::CanBuy(field);
    case BonusZoneRepaint:
        return CBonusZoneRepaint::CanBuy(field);
    case BonusFreeRandomize:
        return CBonusFreeRandomize::CanBuy(field);
    case BonusForward3:
    case BonusForward6:
        return field.CanGoForward();
    case BonusSelfRepaint:
        return CBonusSelfRepaint::CanBuy(field);
    case BonusBackward3:
    case BonusBackward6:
    case BonusApponentRandomize:
        // An opponent reduced to its home has nothing to lose or scramble.
        return !CBonus::OpponentCellsBeyondHome(field).empty();
    case BonusSkipMove:
    case BonusLife:
        return true;
    case BonusKindCount:
        break;
    }
    return false;
}

std::unique_ptr<CBonus> CreateBonus(int kind, CField& field, CPlayer& player)
{
    if (!CanBuyBonus(kind, field))
        return nullptr;
    switch (static_cast<EBonusKind>(kind))
    {
    case BonusSingleRepaint:
        return std::make_unique<CBonusSimpleRepaint>(field);
    case BonusZoneRepaint:
        return std::make_unique<CBonusZoneRepaint>(field);
    case BonusFreeRandomize:
        return std::make_unique<CBonusFreeRandomize>(field);
    case BonusForward3:
        return std::make_unique<CBonusForward3>(field, 1);
    case BonusForward6:
        return std::make_unique<CBonusForward3>(field, 3);
    case BonusSelfRepaint:
        return std::make_unique<CBonusSelfRepaint>(field);
    case BonusSkipMove:
        return std::make_unique<CBonusSkipMove>(field);
    case BonusBackward3:
        return std::make_unique<CBonusBackward3>(field, 2);
    case BonusBackward6:
        return std::make_unique<CBonusBackward3>(field, 4);
    case BonusApponentRandomize:
        return std::make_unique<CBonusApponentRandomize>(field);
    case BonusLife:
        return std::make_unique<CBonusLife>(field, player);
    case BonusKindCount:
        break;
    }
    return nullptr;
}
} // namespace NGame
