// The bonus kinds of the game's button bar, one row each: everything the
// rules, the game screen, the data generator, the help and the tests know of
// a kind. Standard library only, so that the generator reads this very table.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace NGame
{
// Bar order: a kind's value is its place on the bar.
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

// A price as the texts name it: "1 cent", "25 cents", whole dollars as "$1"
// in a tooltip and "1 dollar" in the help; any other sum in cents.
enum class EPriceStyle
{
    kTooltip,
    kHelp
};
inline std::string PriceText(int cents, EPriceStyle style)
{
    if (cents < 100 || cents % 100 != 0)
        return std::to_string(cents) + (cents == 1 ? " cent" : " cents");
    const int dollars = cents / 100;
    if (style == EPriceStyle::kTooltip)
        return "$" + std::to_string(dollars);
    return std::to_string(dollars) + (dollars == 1 ? " dollar" : " dollars");
}

struct SBonusInfo
{
    EBonusKind m_kind;
    // The key that buys it, shown in its tooltip.
    char m_key;
    // Names its button, its picture and its price key.
    const char* m_name;
    // Cents, as the shipped configuration has them.
    int m_default_price;
    // The tooltip and the help page's line, each followed by the price.
    const char* m_tooltip;
    const char* m_help;

    // Its button in the layout and its picture in the resources.
    std::string ButtonName() const { return std::string("m_bonus_") + m_name; }
    std::string ButtonFile() const { return std::string("dat/bonus_btn/") + m_name + ".tga"; }
    // Its price's key in "dat/game.txt".
    std::string PriceKey() const { return std::string("m_bonus_price_") + m_name; }
    std::string Tooltip(int cents) const
    {
        return std::string(m_tooltip) + " (" + PriceText(cents, EPriceStyle::kTooltip) + ")";
    }
    // The help names the price by its key in braces, so that it shows what
    // the configuration charges (FillPrices below).
    std::string HelpLine() const { return std::string(m_help) + " {" + PriceKey() + "}"; }
};

// clang-format off
constexpr std::array<SBonusInfo, BonusKindCount> kBonusTable = {{
    {BonusSingleRepaint,     'Q', "single_repaint",       1, "Repaint one flower into the colour of your zone",   "One flower turns your colour."},
    {BonusZoneRepaint,       'W', "zone_repaint",         2, "Repaint random field into the colour of your zone", "A random patch turns your colour."},
    {BonusFreeRandomize,     'E', "free_randomize",       3, "Randomize unoccupied space",                        "All free flowers change colour."},
    {BonusForward3,          'R', "forward3",             5, "Move forward for one cell",                         "One flower ahead turns yours."},
    {BonusForward6,          'T', "forward6",            10, "Move forward for three cells",                      "Three flowers ahead turn yours."},
    {BonusSelfRepaint,       'Y', "self_repaint",        15, "Repaint your zone into random colour",              "Your zone takes a random colour."},
    {BonusSkipMove,          'U', "skip_move",           25, "Opponent misses one turn",                          "The rival misses a turn."},
    {BonusBackward3,         'I', "backward3",           30, "Opponent's zone decreases by two lines",            "The rival loses two lines."},
    {BonusBackward6,         'O', "backward6",           40, "Opponent's zone decreases by four lines",           "The rival loses four lines."},
    {BonusApponentRandomize, 'P', "apponent_randomize",  50, "Entirely randomize the Opponent's zone",            "The rival's zone is scrambled."},
    {BonusLife,              'L', "life",               100, "Plus one life",                                     "One more life."},
}};
// clang-format on

// Every kind has its row, in bar order, with a key, a name and texts: a row
// left out (its place zero-filled) or moved does not compile.
constexpr bool BonusRowsComplete()
{
    for (std::size_t i = 0; i < kBonusTable.size(); ++i)
        if (kBonusTable[i].m_kind != static_cast<EBonusKind>(i) || kBonusTable[i].m_key == '\0' ||
            !kBonusTable[i].m_name || !kBonusTable[i].m_tooltip || !kBonusTable[i].m_help)
            return false;
    return true;
}
static_assert(BonusRowsComplete(), "every bonus kind needs its row in kBonusTable, in bar order");

// The row of a kind; null for a number outside the bar.
inline const SBonusInfo* FindBonus(int kind)
{
    return kind >= 0 && kind < BonusKindCount ? &kBonusTable[static_cast<std::size_t>(kind)] : nullptr;
}

// The prices the shipped configuration charges; 0 off the bar.
inline int DefaultBonusPrice(int kind)
{
    const SBonusInfo* info = FindBonus(kind);
    return info ? info->m_default_price : 0;
}

// Replaces every price key in braces with the price `priceOf` gives its kind;
// other braces are left as they are.
inline std::string FillPrices(const std::string& text, const std::function<int(int kind)>& priceOf)
{
    std::string filled;
    std::size_t from = 0;
    for (std::size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1))
    {
        const std::size_t close = text.find('}', open);
        if (close == std::string::npos)
            break;
        const std::string key = text.substr(open + 1, close - open - 1);
        for (const SBonusInfo& info : kBonusTable)
            if (key == info.PriceKey())
            {
                filled +=
                    text.substr(from, open - from) + PriceText(priceOf(info.m_kind), EPriceStyle::kHelp);
                from = close + 1;
                break;
            }
    }
    return filled + text.substr(from);
}
} // namespace NGame
