// chromal-tool simulate: plays a whole level headless, the human side played
// by a computer player, and prints every move and the final territories.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include "rules/AIPlayer.h"
#include "rules/Match.h"
#include "rules/MovingPlayer.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] =
    "usage: chromal-tool simulate --data DIR --set SET --level N [--seed S] [--human-difficulty 0-5]\n"
    "                             [--opponent NAME] [--human racer]\n"
    "Plays level N to its end, the human side played by a computer player (strength 2\n"
    "unless given) against the opponent chosen as in the options (the level's own\n"
    "unless given), and prints every move, the final territories and the result.\n"
    "--human racer plays the human side of a moving level as the racer that sets its\n"
    "par: each move brings its zone nearest the rival's flower.\n";
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

// The colour the game would play, the opponent's fallback included.
int GameColour(NGame::CAIPlayer& player, bool moving, int mid, int last)
{
    const int colour = player.PickColour();
    const NGame::CField& board = *player.GetField();
    return moving && FinishesMovingLevel(board, mid, last) ? board.GetCellColour(mid, last) : colour;
}
} // namespace

int RunSimulate(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"data", "set", "level", "seed", "human-difficulty", "opponent", "human"}))
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
    const bool racer = args.Has("human");
    if (racer && args.Value("human") != "racer")
        return UsageError("--human takes racer", kUsage);
    const NOpponents::SOpponent* opponent =
        NOpponents::FindByName(args.Has("opponent") ? args.Value("opponent").c_str() : "level");
    if (!opponent)
        return UsageError("--opponent is " + NCatalogue::NameList(NOpponents::kOpponents), kUsage);

    CRulesData data;
    int level = 0;
    int exitCode = kExitOk;
    auto field = BuildLevelBoard(args, data, kUsage, level, exitCode);
    if (!field)
        return exitCode;
    const bool moving = data.GetSet() == NLevelSets::kMoving;
    if (racer && !moving)
        return UsageError("--human racer plays the moving set", kUsage);
    const int mid = field->GetRows() / 2;
    const int last = field->RowLength(mid) - 1;
    // The game's own match, a computer player on the human side.
    NGame::CMatch match(moving ? NGame::kMovingGame : NGame::kClassicGame, std::move(field), humanDifficulty,
                        opponent->m_id);
    NGame::CField& board = match.GetField();
    int moves = 0;
    std::string failure;
    const EPlayed played = PlayLevel(
        match, kMaxMoves,
        [&](NGame::CAIPlayer& player)
        { return racer ? RaceColour(match) : GameColour(player, moving, mid, last); },
        [&](int move, int player, int colour)
        {
            std::printf("move %d player %d colour %d territory %d %d\n", move, player, colour,
                        board.CountRegion(mid, 0), board.CountRegion(mid, last));
        },
        moves, failure);
    if (played == EPlayed::kUnsettled)
        return Failure(failure);
    if (played == EPlayed::kStalled)
        std::printf("move %d player %d none\n", moves, match.GetCurrentPlayer());
    const int a = board.CountRegion(mid, 0);
    const int b = board.CountRegion(mid, last);
    std::printf("territory %d %d\n", a, b);
    std::printf("result %s\n", !board.IsLevelFinished()
                                   ? (played == EPlayed::kStalled ? "stalled" : "unfinished")
                                   : (moving || a >= b ? "completed" : "lost"));
    return kExitOk;
}
} // namespace NTool
