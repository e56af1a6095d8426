// chromal-tool move: plays one colour for one player on a board restored from
// its level-state text and prints the board after the move.
#include "RulesTool.h"

#include "rules/AIPlayer.h"
#include "rules/MovingPlayer.h"

#include <cstdio>

namespace
{
constexpr const char* kUsage = "chromal-tool move --data DIR --set SET (--state TEXT | --state-file F) "
                               "--player 0|1 --colour K";
}

int RunMove(int argc, char** argv)
{
    using namespace NRulesTool;
    std::map<std::string, std::string> options;
    if (!ParseOptions(argc - 1, argv + 1, {"--data", "--set", "--state", "--state-file", "--player", "--colour"},
                      options))
        return Usage("", kUsage);
    if (!options.count("--data") || !options.count("--set") || !options.count("--player") ||
        !options.count("--colour"))
        return Usage("--data, --set, --player and --colour are required", kUsage);
    if (options.count("--state") == options.count("--state-file"))
        return Usage("give exactly one of --state and --state-file", kUsage);
    int player = 0;
    int colour = 0;
    if (!ParseInt(options["--player"], 0, 1, player))
        return Usage("--player is 0 (human) or 1 (opponent)", kUsage);
    if (!ParseInt(options["--colour"], -1000000, 1000000, colour))
        return Usage("--colour needs a number", kUsage);

    CRulesData data;
    std::string error;
    if (!data.Open(options["--data"], options["--set"], error))
        return Usage(error.c_str(), kUsage);
    std::string text;
    if (!ReadStateOption(options, text, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kFailure;
    }
    std::srand(1);
    auto field = data.MakeField();
    if (!field->RestoreState(text))
    {
        std::fprintf(stderr, "the level-state text does not describe a board of this set\n");
        return kFailure;
    }
    const int mid = field->GetRows() / 2;
    std::unique_ptr<NGame::CPlayer> human;
    if (data.GetSet().m_moving)
        human = std::make_unique<NGame::CMovingPlayer>(mid, 0, field.get());
    else
        human = std::make_unique<NGame::CPlayer>(mid, 0, field.get());
    NGame::CAIPlayer opponent(mid, field->RowLength(mid) - 1, field.get(), 0);
    RunUntilIdle(*field);

    // The human of the moving set may take any colour but its own; everyone
    // else only the colours the rules allow.
    NGame::CPlayer& mover = player == 0 ? *human : opponent;
    const bool anyColour = player == 0 && data.GetSet().m_moving;
    if (!anyColour && !field->IsColourAllowed(colour))
    {
        std::fprintf(stderr, "colour %d is not allowed\n", colour);
        return kRefused;
    }
    const int moneyBefore = mover.GetMoney();
    const bool credit = player == 0 && !data.GetSet().m_moving;
    if (!mover.PlayColour(colour, credit))
    {
        std::fprintf(stderr, "the board refuses colour %d\n", colour);
        return kRefused;
    }
    if (!RunUntilIdle(*field))
    {
        std::fprintf(stderr, "the move never settled\n");
        return kFailure;
    }
    std::printf("state %s\ncoins %d\nterritory %d %d\nfinished %d\n", field->DescribeState().c_str(),
                mover.GetMoney() - moneyBefore, field->CountRegion(mid, 0),
                field->CountRegion(mid, field->RowLength(mid) - 1), field->IsLevelFinished() ? 1 : 0);
    return 0;
}
