// The statistics from arbitrary bytes, enciphered and as text: every figure
// comes out in range, and what was read is written and read back unchanged.
#include "MemoryFile.h"
#include "storage/PropertyFile.h"
#include "storage/Statistics.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void Check(const CStatistics& statistics)
{
    for (int i = 0; i < CStatistics::kMovingLevels; ++i)
    {
        const CStatistics::SSet& s = statistics.Set(i % NLevelSets::kCount);
        for (int value : {s.m_games, s.m_won, s.m_lost, s.m_best_score, s.m_longest_run, s.m_run,
                          statistics.BestMoves(i)})
            if (value < 0)
                std::abort();
    }
    CPropertyFile store;
    statistics.WriteEntries(store);
    const std::string text = store.ToText();
    CPropertyFile reread;
    reread.Parse(text.data(), text.size(), true);
    CStatistics again;
    again.ReadEntries(reread);
    CPropertyFile second;
    again.WriteEntries(second);
    if (second.ToText() != text)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CStatistics enciphered;
    enciphered.Load(FuzzInputAsFile("stats_fuzz", data, size));
    Check(enciphered);

    CPropertyFile plain;
    plain.Parse(reinterpret_cast<const char*>(data), size, true);
    CStatistics statistics;
    statistics.ReadEntries(plain);
    Check(statistics);
    // Counting on from whatever was read stays in range too.
    statistics.LevelWon(static_cast<int>(size % NLevelSets::kCount), static_cast<int>(size));
    statistics.RecordMoves(static_cast<int>(size % CStatistics::kMovingLevels), static_cast<int>(size % 50));
    Check(statistics);
    return 0;
}
