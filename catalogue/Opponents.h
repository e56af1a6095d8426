// The opponents a player may choose in the options: a gentle one, the
// level's own and a fierce one. The settings, the saved game, the top table,
// the options screen, the rules and chromal-tool read this one table; a row
// stands at the number the files store for it.
#pragma once

#include "catalogue/IdTable.h"
#include "catalogue/Places.h"
#include "catalogue/Texts.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace NOpponents
{
enum EOpponent
{
    kGentle,
    kLevel,
    kFierce,
    kCount
};

struct SOpponent
{
    EOpponent m_id;
    const char* m_name;    // on the command line
    const char* m_box_key; // the options screen's box in its layout file
    NTexts::EText m_caption;
    NPlaces::ELength m_caption_width; // how far right of its box the caption takes clicks
};

constexpr std::array<SOpponent, kCount> kOpponents = {{
    {kGentle, "gentle", "m_opponent_gentle_cb", NTexts::EText::kOpponentGentle,
     NPlaces::ELength::kGentleCaption},
    {kLevel, "level", "m_opponent_level_cb", NTexts::EText::kOpponentLevel,
     NPlaces::ELength::kLevelOpponentCaption},
    {kFierce, "fierce", "m_opponent_fierce_cb", NTexts::EText::kOpponentFierce,
     NPlaces::ELength::kFierceCaption},
}};

static_assert(NCatalogue::InIdOrder(kOpponents), "each opponent stands at its own index");

// A stored number that is no opponent's (an old or damaged file) reads as
// the level's own, the opponent there was before there was a choice.
constexpr EOpponent FromStored(int value)
{
    return value >= 0 && value < kCount ? static_cast<EOpponent>(value) : kLevel;
}

// The opponent of a command-line name, or null.
inline const SOpponent* FindByName(const char* name)
{
    for (const SOpponent& opponent : kOpponents)
        if (name && std::strcmp(name, opponent.m_name) == 0)
            return &opponent;
    return nullptr;
}
} // namespace NOpponents
