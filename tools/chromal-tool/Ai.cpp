// chromal-tool ai: the colour the computer opponent would choose on a board
// restored from its level-state text.
#include "RulesTool.h"

#include "rules/AIPlayer.h"

#include <cstdio>

namespace
{
constexpr const char* kUsage =
    "chromal-tool ai --data DIR --set SET (--state TEXT | --state-file F) --difficulty 0-5";
}

int RunAi(int argc, char** argv)
{
    using namespace NRulesTool;
    std::map<std::string, std::string> options;
    if (!ParseOptions(argc - 1, argv + 1, {"--data", "--set", "--state", "--state-file", "--difficulty"}, options))
        return Usage("", kUsage);
    if (!options.count("--data") || !options.count("--set") || !options.count("--difficulty"))
        return Usage("--data, --set and --difficulty are required", kUsage);
    if (options.count("--state") == options.count("--state-file"))
        return Usage("give exactly one of --state and --state-file", kUsage);
    int difficulty = 0;
    if (!ParseInt(options["--difficulty"], 0, 5, difficulty))
        return Usage("--difficulty is a number from 0 to 5", kUsage);

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
    NGame::CPlayer human(mid, 0, field.get());
    NGame::CAIPlayer opponent(mid, field->RowLength(mid) - 1, field.get(), difficulty);
    RunUntilIdle(*field);
    std::printf("colour %d\n", opponent.PickColour());
    return 0;
}
