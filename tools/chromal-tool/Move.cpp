// chromal-tool move: plays one colour for one player on a board restored from
// its level-state text and prints the board after the move.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include "rules/AIPlayer.h"
#include "rules/MovingPlayer.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] =
    "usage: chromal-tool move --data DIR --set SET (--state TEXT | --state-file F) --player 0|1 --colour K\n"
    "Restores the board, plays colour K for the human (0) or the opponent (1) and prints\n"
    "the level state after the flips, the cents the mover earned, both territories and\n"
    "whether the level is finished. A colour the rules refuse exits with status 3.\n";
} // namespace

int RunMove(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"data", "set", "state", "state-file", "player", "colour"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const std::string problem = CheckCommon(args, {"player", "colour"});
    if (!problem.empty())
        return UsageError(problem, kUsage);
    if (args.Has("state") == args.Has("state-file"))
        return UsageError("give exactly one of --state and --state-file", kUsage);
    int player = 0;
    int colour = 0;
    if (!ParseInt(args.Value("player"), 0, 1, player))
        return UsageError("--player is 0 (human) or 1 (opponent)", kUsage);
    if (!ParseInt(args.Value("colour"), -1000000, 1000000, colour))
        return UsageError("--colour needs a number", kUsage);

    CRulesData data;
    int exitCode = kExitOk;
    auto field = RestoreStateBoard(args, data, kUsage, exitCode);
    if (!field)
        return exitCode;
    const int mid = field->GetRows() / 2;
    const bool moving = data.GetSet() == NLevelSets::kMoving;
    std::unique_ptr<NGame::CPlayer> human;
    if (moving)
        human = std::make_unique<NGame::CMovingPlayer>(mid, 0, field.get());
    else
        human = std::make_unique<NGame::CPlayer>(mid, 0, field.get());
    NGame::CAIPlayer opponent(mid, field->RowLength(mid) - 1, field.get(), 0);
    RunUntilIdle(*field);

    // The human of the moving set may take any colour but its own; everyone
    // else only the colours the rules allow.
    NGame::CPlayer& mover = player == 0 ? *human : opponent;
    if (!(player == 0 && moving) && !field->IsColourAllowed(colour))
    {
        std::fprintf(stderr, "chromal-tool: colour %d is not allowed\n", colour);
        return kExitRefused;
    }
    const int moneyBefore = mover.GetMoney();
    if (!mover.PlayColour(colour, player == 0 && !moving))
    {
        std::fprintf(stderr, "chromal-tool: the board refuses colour %d\n", colour);
        return kExitRefused;
    }
    if (!RunUntilIdle(*field))
        return Failure("the move never settled");
    std::printf("state %s\ncoins %d\nterritory %d %d\nfinished %d\n", field->DescribeState().c_str(),
                mover.GetMoney() - moneyBefore, field->CountRegion(mid, 0),
                field->CountRegion(mid, field->RowLength(mid) - 1), field->IsLevelFinished() ? 1 : 0);
    return kExitOk;
}
} // namespace NTool
