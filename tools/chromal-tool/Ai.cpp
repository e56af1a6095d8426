// chromal-tool ai: the colour the computer opponent would choose on a board
// restored from its level-state text.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include "rules/AIPlayer.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] =
    "usage: chromal-tool ai --data DIR --set SET (--state TEXT | --state-file F) --difficulty 0-5\n"
    "Prints \"colour K\", the colour an opponent of that strength would play: the search's\n"
    "choice, else the colour that leaves it the largest territory (-1 only when no colour\n"
    "is allowed).\n";
} // namespace

int RunAi(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"data", "set", "state", "state-file", "difficulty"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const std::string problem = CheckCommon(args, {"difficulty"});
    if (!problem.empty())
        return UsageError(problem, kUsage);
    if (args.Has("state") == args.Has("state-file"))
        return UsageError("give exactly one of --state and --state-file", kUsage);
    int difficulty = 0;
    if (!ParseInt(args.Value("difficulty"), 0, 5, difficulty))
        return UsageError("--difficulty is a number from 0 to 5", kUsage);

    CRulesData data;
    int exitCode = kExitOk;
    auto field = RestoreStateBoard(args, data, kUsage, exitCode);
    if (!field)
        return exitCode;
    const int mid = field->GetRows() / 2;
    NGame::CPlayer human(mid, 0, field.get());
    NGame::CAIPlayer opponent(mid, field->RowLength(mid) - 1, field.get(), difficulty);
    RunUntilIdle(*field);
    std::printf("colour %d\n", opponent.PickColour());
    return kExitOk;
}
} // namespace NTool
