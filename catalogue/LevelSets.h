// The level sets: each one's name, where its masks lie, how many levels it
// has and where the settings keep the highest level reached in it. The rules,
// the game, the settings, the level choice, the tool and the generator all
// read this one table; a set's row stands at the index of its game type.
#pragma once

#include "catalogue/IdTable.h"
#include "catalogue/Texts.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace NLevelSets
{
// Numbered as the game types that play them (saved games and the top table
// store these numbers).
enum ESet
{
    kClassic,
    kAdvanced,
    kMoving,
    kCount
};

struct SLevelSet
{
    ESet m_id;
    const char* m_name;   // on the command line and in chromal-tool
    const char* m_folder; // the masks' folder in the data
    // A mask's file name, "%03d" standing for its index. A saved game stores
    // this text and the flag beside it, so both stay as old saves wrote them.
    const char* m_pattern;
    int m_saved_flag;
    // The game configuration's key for a count the data decides, or null for
    // a fixed count; m_count is the fixed count, or the count without the key.
    const char* m_count_key;
    int m_count;
    int m_files;              // the masks the data generator writes
    const char* m_record_key; // the settings' highest level reached
    int m_record_default;
    const char* m_box_key; // the level choice's check box in its layout file
    NTexts::EText m_box_caption;
};

constexpr std::array<SLevelSet, kCount> kSets = {{
    {kClassic, "classic", "dat/levels_classic", "dat/levels_classic/lev%03d.raw", 0, nullptr, 20, 20,
     "m_classic_level", 3, "m_cb_classic", NTexts::EText::kClassicLevels},
    {kAdvanced, "advanced", "dat/levels_duel", "dat/levels_duel/lev%03d.raw", 1, nullptr, 20, 20,
     "m_adv_level", 3, "m_cb_advanced", NTexts::EText::kAdvancedLevels},
    // The moving set opens with its first level only.
    {kMoving, "moving", "dat/levels_moving", "dat/levels_moving/lev%03d.raw", 0, "m_levels_moving", 0, 20,
     "m_moving_level", 1, "m_cb_moving", NTexts::EText::kMovingLevels},
}};

// The moving levels' par (the racer's median moves, written by `chromal-tool
// par` into the data): a property file of "m_par%03d" keys, the level from 0.
constexpr const char* kParFile = "dat/moving_par.txt";
inline std::string ParKey(int level)
{
    char key[32];
    std::snprintf(key, sizeof key, "m_par%03d", level);
    return key;
}

// The set whose masks a moving board's new columns come from.
constexpr ESet kRefillSet = kClassic;

// Whether `pattern` is `folder` followed by the mask file name.
constexpr bool PatternInFolder(const char* folder, const char* pattern)
{
    const char* name = "/lev%03d.raw";
    while (*folder != '\0')
        if (*folder++ != *pattern++)
            return false;
    while (*name != '\0')
        if (*name++ != *pattern++)
            return false;
    return *pattern == '\0';
}

constexpr bool PatternsInFolders()
{
    for (const SLevelSet& set : kSets)
        if (!PatternInFolder(set.m_folder, set.m_pattern))
            return false;
    return true;
}

static_assert(NCatalogue::InIdOrder(kSets), "each set stands at its game type's index");
static_assert(PatternsInFolders(), "each pattern names a mask in its set's folder");

constexpr const SLevelSet& Set(ESet id)
{
    return kSets[static_cast<std::size_t>(id)];
}

// The set of a game type, null for a number that is none.
inline const SLevelSet* FindSet(int gameType)
{
    return gameType >= 0 && gameType < kCount ? &kSets[static_cast<std::size_t>(gameType)] : nullptr;
}

// The set of a name (as the command line and the tool take it), null for none.
inline const SLevelSet* FindSetNamed(const char* name)
{
    for (const SLevelSet& set : kSets)
        if (std::strcmp(set.m_name, name) == 0)
            return &set;
    return nullptr;
}

// The set a saved game's pattern names; null for a pattern or a flag that no
// set writes. The pattern alone decides the set, as it always has.
inline const SLevelSet* FindSavedSet(const char* pattern, int flag)
{
    const SLevelSet* named = nullptr;
    bool knownFlag = false;
    for (const SLevelSet& set : kSets)
    {
        if (std::strcmp(set.m_pattern, pattern) == 0)
            named = &set;
        knownFlag = knownFlag || set.m_saved_flag == flag;
    }
    return knownFlag ? named : nullptr;
}

// A set's number of levels in a game configuration (anything with
// GetInt(key, fallback)).
template <typename TConfig> int ConfiguredCount(const SLevelSet& set, const TConfig& config)
{
    return set.m_count_key ? config.GetInt(set.m_count_key, set.m_count) : set.m_count;
}

// The set names joined for a usage line: "classic, advanced or moving".
inline std::string NameList()
{
    return NCatalogue::NameList(kSets);
}
} // namespace NLevelSets
