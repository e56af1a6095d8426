// Content rules of the generator that do not need the generated folder:
// masks, music, sounds, configuration tables.
#include "play/Game.h"
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

using namespace NDatagen;

TEST(MaskDesign, MasksAreDeterministicAndDistinct)
{
    const auto a = MakeMask(ELevelSet::Classic, 7);
    EXPECT_EQ(a, MakeMask(ELevelSet::Classic, 7));
    EXPECT_NE(a, MakeMask(ELevelSet::Classic, 8));
    EXPECT_NE(a, MakeMask(ELevelSet::Duel, 7));
    EXPECT_EQ(a.size(), 480000u);
}

TEST(MaskDesign, LaterMasksHoleMoreOfTheBoard)
{
    auto holes = [](ELevelSet set, int first, int last)
    {
        int n = 0;
        for (int i = first; i <= last; ++i)
            n += CheckMask(MakeMask(set, i), i).holes;
        return n;
    };
    EXPECT_LT(holes(ELevelSet::Classic, 0, 4), holes(ELevelSet::Classic, 15, 19));
    EXPECT_LT(holes(ELevelSet::Duel, 0, 4), holes(ELevelSet::Duel, 15, 19));
}

TEST(MaskDesign, LevelsWrapOntoMaskFiles)
{
    const std::vector<int> levels = LevelsUsingMask(ELevelSet::Classic, 3);
    EXPECT_EQ(levels, (std::vector<int>{3, 23, 43, 63, 83}));
    EXPECT_EQ(LevelsUsingMask(ELevelSet::Moving, kMovingLevelFiles - 1).front(), kMovingLevelFiles - 1);
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

TEST(ConfigTables, MenuResourcesAreLookedUpAndPricesRiseAsTheTooltipsSay)
{
    EXPECT_EQ(MenuResourceFile("m_back_btn"), "mui/btn/back.tga");
    EXPECT_EQ(MenuResourceFile("no_such_key"), "0");
    ASSERT_EQ(kBonusPrices.size(), kBonusNames.size());
    for (size_t i = 1; i < kBonusPrices.size(); ++i)
        EXPECT_GT(kBonusPrices[i].cents, kBonusPrices[i - 1].cents);
    // The game's tooltips name these prices, and spell colour as the game does.
    for (size_t i = 0; i < kBonusPrices.size(); ++i)
    {
        const int c = kBonusPrices[i].cents;
        const std::string tooltip = NGame::CGame::TooltipText(static_cast<int>(i));
        EXPECT_NE(tooltip.find(c == 100 ? "($1)" : "(" + std::to_string(c) + (c == 1 ? " cent)" : " cents)")),
                  std::string::npos)
            << tooltip;
        EXPECT_EQ(tooltip.find("color"), std::string::npos) << tooltip;
    }
}
