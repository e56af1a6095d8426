// chromal-tool simulate: plays a whole level headless, the human side played
// by a computer player, and prints every move and the final territories.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include "rules/AIPlayer.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] =
    "usage: chromal-tool simulate --data DIR --set SET --level N [--seed S] [--human-difficulty 0-5]\n"
    "Plays level N to its end, the human side played by a computer player (strength 2\n"
    "unless given), and prints every move, the final territories and the result.\n";
// Far more moves than any level needs; a level that runs longer cannot end
// (an island behind holes that no territory reaches, for instance).
constexpr int kMaxMoves = 2000;

// The moving set's player may take any colour but its own: once its
// territory touches the opponent's home, that home's colour joins the two
// and captures the rest, and a player takes that move.
bool FinishesMovingLevel(const NGame::CField& field, int mid, int last)
{
    if (field.GetCellColour(mid, last) == field.GetCellColour(mid, 0))
        return false;
    NGame::CColourMap map = field.MakeColourMap();
    field.FloodMark(map, mid, 0, -4, -100);
    return field.FloodMark(map, mid, last, -5, -4);
}
} // namespace

int RunSimulate(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"data", "set", "level", "seed", "human-difficulty"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const std::string problem = CheckCommon(args, {"level"});
    if (!problem.empty())
        return UsageError(problem, kUsage);
    int humanDifficulty = 2;
    if (args.Has("human-difficulty") && !ParseInt(args.Value("human-difficulty"), 0, 5, humanDifficulty))
        return UsageError("--human-difficulty is a number from 0 to 5", kUsage);

    CRulesData data;
    int level = 0;
    int exitCode = kExitOk;
    auto field = BuildLevelBoard(args, data, kUsage, level, exitCode);
    if (!field)
        return exitCode;
    const bool moving = data.GetSet().m_moving;
    const int mid = field->GetRows() / 2;
    const int last = field->RowLength(mid) - 1;
    NGame::CAIPlayer human(mid, 0, field.get(), humanDifficulty);
    NGame::CAIPlayer opponent(mid, last, field.get(),
                              moving ? 0 : NGame::CAIPlayer::DifficultyForLevel(level));
    NGame::CAIPlayer* players[2] = {&human, &opponent};
    if (!RunUntilIdle(*field))
    {
        return Failure("the level never settled");
    }

    int current = 0;
    int moves = 0;
    bool stalled = false;
    while (!field->IsLevelFinished() && moves < kMaxMoves)
    {
        NGame::CAIPlayer& player = *players[current];
        // The colour the game would play, the opponent's fallback included.
        int colour = player.PickColour();
        if (moving && FinishesMovingLevel(*field, mid, last))
            colour = field->GetCellColour(mid, last);
        if (!player.PlayColour(colour, &player == &human))
        {
            std::printf("move %d player %d none\n", moves, current);
            stalled = true;
            break;
        }
        if (!RunUntilIdle(*field))
        {
            return Failure("a move never settled");
        }
        std::printf("move %d player %d colour %d territory %d %d\n", moves, current, colour,
                    field->CountRegion(mid, 0), field->CountRegion(mid, last));
        ++moves;
        if (moving)
        {
            if (!field->IsLevelFinished())
            {
                field->StartShift(1);
                RunUntilIdle(*field);
            }
        }
        else
        {
            current = 1 - current;
        }
    }
    const int a = field->CountRegion(mid, 0);
    const int b = field->CountRegion(mid, last);
    std::printf("territory %d %d\n", a, b);
    std::printf("result %s\n", !field->IsLevelFinished() ? (stalled ? "stalled" : "unfinished")
                                                         : (moving || a >= b ? "completed" : "lost"));
    return kExitOk;
}
} // namespace NTool
