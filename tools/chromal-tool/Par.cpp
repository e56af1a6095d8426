// chromal-tool par: every moving level's par, the median of the moves the
// racer needs over fixed seeds, as the property file the game reads.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include "catalogue/LevelSets.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace NTool
{
namespace
{
constexpr char kUsage[] = "usage: chromal-tool par --data DIR [--out FILE]\n"
                          "Plays every moving level with the racer of 'simulate --human racer' from\n"
                          "seeds 1, 2 and 3, and writes each level's par (the median of its three move\n"
                          "counts; 0 when the racer cannot finish) as 'm_parNNN MOVES' lines, NNN the\n"
                          "level from 0.\n";
constexpr unsigned kSeeds[] = {1, 2, 3};
// Far more moves than a race needs.
constexpr int kMaxMoves = 500;

// The racer's moves to finish `level` from `seed`, as `simulate --human racer`
// plays it; 0 when it cannot finish.
int RaceMoves(const CRulesData& data, int level, unsigned seed)
{
    std::srand(seed);
    auto field = data.MakeField();
    if (level != 0)
        field->SetLevel(level);
    NGame::CMatch match(NGame::kMovingGame, std::move(field), 0);
    int moves = 0;
    std::string failure;
    const EPlayed played = PlayLevel(
        match, kMaxMoves, [&](NGame::CAIPlayer&) { return RaceColour(match); }, nullptr, moves, failure);
    return played == EPlayed::kFinished ? moves : 0;
}
} // namespace

int RunPar(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"data", "out"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (!args.Positional().empty() || !args.Has("data"))
        return UsageError("par needs --data and nothing else", kUsage);
    CRulesData data;
    std::string error;
    if (!data.Open(args.Value("data"), NLevelSets::Set(NLevelSets::kMoving).m_name, error))
        return UsageError(error, kUsage);
    std::string text;
    // A set without a count plays its first mask as a set of one.
    for (int level = 0; level < std::max(1, data.GetLevelsCount()); ++level)
    {
        std::vector<int> moves;
        for (unsigned seed : kSeeds)
            moves.push_back(RaceMoves(data, level, seed));
        std::sort(moves.begin(), moves.end());
        text += NLevelSets::ParKey(level) + " " + std::to_string(moves[moves.size() / 2]) + "\n";
    }
    if (!WriteOutput(args.Has("out") ? args.Value("out") : "-", text, error))
        return Failure(error);
    return kExitOk;
}
} // namespace NTool
