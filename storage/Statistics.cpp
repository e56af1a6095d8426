// The statistics: what a finished level changes, and their property-file form.
#include "storage/Statistics.h"

#include "storage/Cipher.h"
#include "storage/PropertyFile.h"

#include <algorithm>

namespace
{
constexpr int kStatsKeyLength = static_cast<int>(sizeof CCipher::kStatisticsKey - 1);
// Far beyond any count or score a player reaches; a larger value is damage.
constexpr int kMaxFigure = 100000000;

struct SFigure
{
    const char* m_key;
    int CStatistics::SSet::*m_value;
};

constexpr SFigure kFigures[] = {
    {"games", &CStatistics::SSet::m_games},
    {"won", &CStatistics::SSet::m_won},
    {"lost", &CStatistics::SSet::m_lost},
    {"best_score", &CStatistics::SSet::m_best_score},
    {"longest_run", &CStatistics::SSet::m_longest_run},
    {"run", &CStatistics::SSet::m_run},
};

std::string FigureKey(const NLevelSets::SLevelSet& set, const char* field)
{
    return std::string("stats.") + set.m_name + "." + field;
}

std::string BestKey(int level)
{
    return "stats.moving.best" + std::to_string(level + 1);
}

int CheckedFigure(int value)
{
    return value >= 0 && value <= kMaxFigure ? value : 0;
}

// Counts stop where a file would no longer be read back.
void CountOn(int& value)
{
    value = std::min(value + 1, kMaxFigure);
}
} // namespace

void CStatistics::ReadEntries(const CPropertyFile& store)
{
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        for (const SFigure& field : kFigures)
            m_sets[set.m_id].*field.m_value = CheckedFigure(store.GetInt(FigureKey(set, field.m_key), 0));
    m_best_moves.clear();
    for (int level = 0; level < kMovingLevels; ++level)
        if (const int best = CheckedFigure(store.GetInt(BestKey(level), 0)); best > 0)
            m_best_moves[level] = best;
}

void CStatistics::WriteEntries(CPropertyFile& store) const
{
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        for (const SFigure& field : kFigures)
            store.SetInt(FigureKey(set, field.m_key), m_sets[set.m_id].*field.m_value);
    for (const auto& [level, best] : m_best_moves)
        store.SetInt(BestKey(level), best);
}

void CStatistics::Load(const std::string& path)
{
    CPropertyFile store;
    store.LoadFile(path, true, CCipher::kStatisticsKey, kStatsKeyLength);
    ReadEntries(store);
}

std::string CStatistics::Encode() const
{
    CPropertyFile store;
    WriteEntries(store);
    return store.Encode(CCipher::kStatisticsKey, kStatsKeyLength);
}

bool CStatistics::Save(const std::string& path) const
{
    CPropertyFile store;
    WriteEntries(store);
    return store.Save(path, CCipher::kStatisticsKey, kStatsKeyLength);
}

CStatistics::SSet* CStatistics::Find(int set)
{
    return set >= 0 && set < NLevelSets::kCount ? &m_sets[static_cast<std::size_t>(set)] : nullptr;
}

const CStatistics::SSet& CStatistics::Set(int set) const
{
    static const SSet kNone;
    return set >= 0 && set < NLevelSets::kCount ? m_sets[static_cast<std::size_t>(set)] : kNone;
}

void CStatistics::GameStarted(int set)
{
    if (SSet* stats = Find(set))
    {
        CountOn(stats->m_games);
        stats->m_run = 0;
    }
}

void CStatistics::LevelWon(int set, int score)
{
    if (SSet* stats = Find(set))
    {
        CountOn(stats->m_won);
        CountOn(stats->m_run);
        stats->m_longest_run = std::max(stats->m_longest_run, stats->m_run);
        stats->m_best_score = std::clamp(score, stats->m_best_score, kMaxFigure);
    }
}

void CStatistics::LevelLost(int set, int score)
{
    if (SSet* stats = Find(set))
    {
        CountOn(stats->m_lost);
        stats->m_run = 0;
        stats->m_best_score = std::clamp(score, stats->m_best_score, kMaxFigure);
    }
}

bool CStatistics::RecordMoves(int level, int moves)
{
    if (level < 0 || level >= kMovingLevels || moves <= 0)
        return false;
    const int best = BestMoves(level);
    if (best != 0 && best <= moves)
        return false;
    m_best_moves[level] = moves;
    return true;
}

int CStatistics::BestMoves(int level) const
{
    const auto found = m_best_moves.find(level);
    return found == m_best_moves.end() ? 0 : found->second;
}
