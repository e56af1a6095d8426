// Content rules of the generator that do not need the generated folder:
// masks, music, sounds, configuration tables.
#include "rules/BonusTable.h"
#include "tools/datagen/Board.h"
#include "tools/datagen/Config.h"
#include "tools/datagen/Layout.h"
#include "tools/datagen/Masks.h"
#include "tools/datagen/Music.h"
#include "tools/datagen/Synth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>

using namespace NDatagen;

// Masks differ from level to level and set to set, more holes later on.
TEST(MaskDesign, LaterMasksHoleMoreOfTheBoard)
{
    auto holes = [](NLevelSets::ESet set, int first, int last)
    {
        int n = 0;
        for (int i = first; i <= last; ++i)
            n += CheckMask(MakeMask(set, i), i).holes;
        return n;
    };
    EXPECT_LT(holes(NLevelSets::kClassic, 0, 4), holes(NLevelSets::kClassic, 15, 19));
    EXPECT_LT(holes(NLevelSets::kAdvanced, 0, 4), holes(NLevelSets::kAdvanced, 15, 19));
    EXPECT_NE(MakeMask(NLevelSets::kClassic, 7), MakeMask(NLevelSets::kAdvanced, 7));
}

TEST(MaskDesign, LevelsWrapOntoMaskFiles)
{
    const std::vector<int> levels = LevelsUsingMask(NLevelSets::kClassic, 3);
    EXPECT_EQ(levels, (std::vector<int>{3, 23, 43, 63, 83}));
    EXPECT_EQ(LevelsUsingMask(NLevelSets::kMoving, NLevelSets::Set(NLevelSets::kMoving).m_files - 1).front(),
              NLevelSets::Set(NLevelSets::kMoving).m_files - 1);
}

TEST(Songs, EveryModuleLoopsForHalfAMinuteWithValidNotes)
{
    std::set<std::vector<uint8_t>> melodies;
    for (const SSong& song : Songs())
    {
        const SXmModule m = ComposeSong(song);
        EXPECT_GE(XmDuration(m), 30.0) << song.file;
        EXPECT_LT(static_cast<size_t>(m.restart), m.orders.size());
        std::vector<uint8_t> melody;
        for (const SXmPattern& p : m.patterns)
        {
            ASSERT_EQ(p.cells.size(), static_cast<size_t>(p.rows * m.channels));
            for (const SXmCell& c : p.cells)
            {
                EXPECT_LE(c.note, 97);
                EXPECT_LE(c.instrument, m.instruments.size());
                EXPECT_TRUE(c.volume == 0 || (c.volume >= 0x10 && c.volume <= 0x50));
            }
            for (int r = 0; r < p.rows; ++r)
                melody.push_back(p.cells[static_cast<size_t>(r) * m.channels + 4].note);
        }
        melodies.insert(melody);
        for (const SXmInstrument& ins : m.instruments)
        {
            EXPECT_FALSE(ins.sample.empty()) << ins.name;
            EXPECT_LE(ins.loopStart + ins.loopLength, ins.sample.size()) << ins.name;
            EXPECT_LE(ins.envelope.points.size(), 12u) << ins.name;
        }
    }
    EXPECT_EQ(melodies.size(), Songs().size()); // no two songs share a tune
}

TEST(Sounds, LoudSamplesAreClippedRatherThanWrapped)
{
    const std::vector<int16_t> pcm = ToPcm16({0.0f, 0.5f, -2.0f, 1.0f});
    EXPECT_EQ(pcm[2], -32767);
    EXPECT_EQ(pcm[3], 32767);
}

TEST(Sounds, PluckedStringSoundsAtItsPitchAndDecays)
{
    const int rate = 33452;
    const CWave w = Pluck(rate, rate / 128.0f, 1.0f, 0.996f, 1);
    // One period is exactly 128 samples: the waveform repeats closely.
    float diff = 0, level = 0;
    for (size_t i = 1000; i < 1128; ++i)
    {
        diff += std::fabs(w[i] - w[i + 128]);
        level += std::fabs(w[i]);
    }
    EXPECT_LT(diff, level * 0.1f);
    float early = 0, late = 0;
    for (size_t i = 0; i < 2000; ++i)
    {
        early += std::fabs(w[i]);
        late += std::fabs(w[w.size() - 2000 + i]);
    }
    EXPECT_LT(late, early);
}

// Bonus prices rise along the bar and are named as a player reads them;
// texts take them from the configuration, by key.
TEST(ConfigTables, MenuResourcesAreLookedUpAndBonusPricesNamedAndFilledIn)
{
    EXPECT_EQ(MenuResourceFile("m_back_btn"), "mui/btn/back.tga");
    EXPECT_EQ(MenuResourceFile("no_such_key"), "0");
    for (int kind = 1; kind < NGame::BonusKindCount; ++kind)
        EXPECT_GT(NGame::DefaultBonusPrice(kind), NGame::DefaultBonusPrice(kind - 1));
    for (const NGame::SBonusInfo& info : NGame::kBonusTable) // spelt as the game spells it
        for (const char* text : {info.m_tooltip, info.m_help})
            EXPECT_EQ(std::string(text).find("color"), std::string::npos) << text;
    const std::tuple<int, const char*, const char*> names[] = {
        {0, "0 cents", "0 cents"}, {1, "1 cent", "1 cent"},  {25, "25 cents", "25 cents"},
        {100, "$1", "1 dollar"},   {300, "$3", "3 dollars"}, {150, "150 cents", "150 cents"}};
    for (const auto& [cents, tooltip, help] : names)
        EXPECT_TRUE(NGame::PriceText(cents, NGame::EPriceStyle::kTooltip) == tooltip &&
                    NGame::PriceText(cents, NGame::EPriceStyle::kHelp) == help)
            << cents;
    const auto price = [](int kind) { return kind * 100 + 5; };
    EXPECT_EQ(
        NGame::FillPrices("{m_bonus_price_forward6}, {m_bonus_price_life}{} {x} {m_bonus_price_life", price),
        "405 cents, 1005 cents{} {x} {m_bonus_price_life");
    for (const int kind : {-1, static_cast<int>(NGame::BonusKindCount)})
        EXPECT_TRUE(NGame::FindBonus(kind) == nullptr && NGame::DefaultBonusPrice(kind) == 0) << kind;
}
