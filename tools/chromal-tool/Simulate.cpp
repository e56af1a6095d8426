// chromal-tool simulate: plays a whole level headless, the human side played
// by a computer player, and prints every move and the final territories.
#include "RulesTool.h"

#include "rules/AIPlayer.h"

#include <cstdio>

namespace
{
constexpr const char* kUsage = "chromal-tool simulate --data DIR --set SET --level N [--seed S] "
                               "[--human-difficulty 0-5]";
// Far more moves than any level needs; a level that runs longer cannot end
// (an island behind holes that no territory reaches, for instance).
constexpr int kMaxMoves = 2000;
} // namespace

int RunSimulate(int argc, char** argv)
{
    using namespace NRulesTool;
    std::map<std::string, std::string> options;
    if (!ParseOptions(argc - 1, argv + 1, {"--data", "--set", "--level", "--seed", "--human-difficulty"},
                      options))
        return Usage("", kUsage);
    if (!options.count("--data") || !options.count("--set") || !options.count("--level"))
        return Usage("--data, --set and --level are required", kUsage);
    int level = 0;
    int seed = 0;
    int humanDifficulty = 2;
    if (!ParseInt(options["--level"], 0, 99999, level))
        return Usage("--level needs a number from 0 to 99999", kUsage);
    if (options.count("--seed") && !ParseInt(options["--seed"], 0, 2147483647, seed))
        return Usage("--seed needs a non-negative number", kUsage);
    if (options.count("--human-difficulty") && !ParseInt(options["--human-difficulty"], 0, 5, humanDifficulty))
        return Usage("--human-difficulty is a number from 0 to 5", kUsage);

    CRulesData data;
    std::string error;
    if (!data.Open(options["--data"], options["--set"], error))
        return Usage(error.c_str(), kUsage);
    SeedRandom(options);
    auto field = data.MakeField();
    if (level != 0)
        field->SetLevel(level);
    const bool moving = data.GetSet().m_moving;
    const int mid = field->GetRows() / 2;
    const int last = field->RowLength(mid) - 1;
    NGame::CAIPlayer human(mid, 0, field.get(), humanDifficulty);
    NGame::CAIPlayer opponent(mid, last, field.get(), moving ? 0 : NGame::CAIPlayer::DifficultyForLevel(level));
    NGame::CAIPlayer* players[2] = {&human, &opponent};
    if (!RunUntilIdle(*field))
    {
        std::fprintf(stderr, "the level never settled\n");
        return kFailure;
    }

    int current = 0;
    int moves = 0;
    bool stalled = false;
    while (!field->IsLevelFinished() && moves < kMaxMoves)
    {
        NGame::CAIPlayer& player = *players[current];
        int colour = player.PickColour();
        const char* note = "";
        if (colour < 0 && &player == &human)
        {
            // Scores that never turn positive (weights made for the right-hand
            // home) leave the human side to play for the most cells instead.
            NGame::CAIPlayer counter(mid, 0, field.get(), 0);
            colour = counter.PickColour();
            note = " fallback";
        }
        if (!player.PlayColour(colour, &player == &human))
        {
            std::printf("move %d player %d none\n", moves, current);
            stalled = true;
            break;
        }
        if (!RunUntilIdle(*field))
        {
            std::fprintf(stderr, "a move never settled\n");
            return kFailure;
        }
        std::printf("move %d player %d colour %d territory %d %d%s\n", moves, current, colour,
                    field->CountRegion(mid, 0), field->CountRegion(mid, last), note);
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
    return 0;
}
